// docs/gif.md: decoding a GIF and composing its frames, and the picture loader's GIF format.
// Usage: example_gif FILE.gif

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <span>
#include <vector>

#include "qorvexctl/imaging/GifPicture.h"
#include "qorvexctl/imaging/gif/GifComposer.h"
#include "qorvexctl/platform/codecs/PictureLoader.h"

namespace qorvexctl {
namespace {

int ComposeTwoFrames(std::span<const std::uint8_t> bytes) {
  qorvexctl::gif::GifImage image;
  if (!image.Load(bytes)) {  // std::span<const std::uint8_t>
    // nothing kept; image.Error() says why (gif::FailureText gives a sentence)
    return 1;
  }
  qorvexctl::gif::GifComposer composer(image);  // canvas of image.Width() x image.Height()
  composer.Show(0);                        // frame 0 on a cleared canvas
  int delay = image.Frames()[0].delay;  // milliseconds; the control waits max(delay, MinFrameDelay)
  composer.Show(1);                     // disposes of frame 0 first, then draws frame 1
  // composer.Canvas(): one colour value per pixel (red in the low byte), rows top to bottom
  // composer.Mask():   1 = transparent, 0 = opaque, same layout
  // composer.ToRgba(): 8-bit R,G,B,A with transparent pixels 0,0,0,0
  return delay >= 0 ? 0 : 1;
}

bool LoadsAsPicture() {
  platform::PictureLoader loader;
  loader.Register(qorvexctl::GifPictureFormat());
  platform::Picture first = loader.LoadFile("spinner.gif");  // empty when the file does not load
  return !first.IsEmpty();
}

}  // namespace
}  // namespace qorvexctl

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::ifstream in(argv[1], std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                        std::istreambuf_iterator<char>()};
  std::printf("picture: %d\n", qorvexctl::LoadsAsPicture());
  return qorvexctl::ComposeTwoFrames(bytes);
}
