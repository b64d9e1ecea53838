// Feeds arbitrary bytes to the icon decoder (with PNG images going through the PNG decoder),
// asking for the classic size and for the largest image, and draws whatever loads.

#include <cstddef>
#include <cstdint>
#include <span>

#include "qorvexctl/imaging/PngPicture.h"
#include "qorvexctl/platform/codecs/IcoDecoder.h"
#include "qorvexctl/platform/drawing/Canvas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qorvexctl::platform;
  for (int wanted : {kDefaultIconSize, 0}) {
    Picture picture;
    if (!DecodeIco(std::span(data, size), picture, wanted, qorvexctl::DecodePngPicture)) continue;
    const Surface& pixels = picture.Pixels();
    Surface target(48, 48, wanted == 0 ? 8 : 32);
    Canvas canvas(target);
    canvas.AlphaBlend(0, 0, 48, 48, pixels, 0, 0, pixels.Width(), pixels.Height(), {255, true});
  }
  return 0;
}
