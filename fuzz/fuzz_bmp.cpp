// Feeds arbitrary bytes to the BMP decoder and draws whatever loads: copied, stretched,
// mirrored and alpha-blended onto surfaces of other depths.

#include <cstddef>
#include <cstdint>
#include <span>

#include "qorvexctl/platform/codecs/BmpDecoder.h"
#include "qorvexctl/platform/drawing/Canvas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qorvexctl::platform;
  Picture picture;
  if (!DecodeBmp(std::span(data, size), picture)) return 0;
  const Surface& pixels = picture.Pixels();
  const int w = pixels.Width(), h = pixels.Height();
  for (int bits : {1, 8, 32}) {
    Surface target(64, 64, bits);
    Canvas canvas(target);
    canvas.BitBlt(0, 0, w, h, pixels, 0, 0, SRCCOPY);
    canvas.StretchBlt(63, 0, -64, 64, pixels, 0, 0, w, h, SRCINVERT);
    canvas.AlphaBlend(0, 0, 64, 64, pixels, 0, 0, w, h, {200, true});
  }
  return 0;
}
