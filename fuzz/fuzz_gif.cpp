// Feeds arbitrary bytes to the GIF decoder and composes every frame of whatever loads. A few
// bytes can place a frame thousands of pixels away; composing such a canvas is only slow, not
// interesting, so canvases above a million pixels are decoded but not composed.

#include <cstddef>
#include <cstdint>
#include <span>

#include "qorvexctl/imaging/gif/GifComposer.h"
#include "qorvexctl/imaging/gif/GifImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qorvexctl::gif::GifImage image;
  if (!image.Load(std::span(data, size))) return 0;
  if (static_cast<std::size_t>(image.Width()) * static_cast<std::size_t>(image.Height()) >
      (std::size_t{1} << 20)) {
    return 0;
  }
  qorvexctl::gif::GifComposer composer(image);
  for (int k = 0; k < image.FrameCount(); ++k) composer.Show(k);
  return 0;
}
