#pragma once
// Test helper: writes icon (.ico) files byte by byte from images described in the test, so a
// test can build exactly the icon it needs, or break exactly one field of it.

#include <cstdint>
#include <functional>
#include <vector>

namespace qorvexctl::testsupport {

using IconBytes = std::vector<std::uint8_t>;

// One image of an icon file with the size and depth its directory entry announces.
struct IconImage {
  IconBytes data;
  int width = 0;
  int height = 0;
  int bitCount = 0;
};

// A bitmap image: an info header with the doubled height, a colour table (`palette`, 0x00RRGGBB
// entries, for 1, 4 and 8 bits), the colour rows bottom-up and the AND mask. `pixel` gives an
// index for indexed depths and 0xAARRGGBB (straight alpha; 24 bits ignore AA) otherwise;
// `transparent` sets the mask bit.
IconImage BitmapIconImage(int width, int height, int bits,
                          const std::function<std::uint32_t(int x, int y)>& pixel,
                          const std::function<bool(int x, int y)>& transparent,
                          const std::vector<std::uint32_t>& palette = {});

// A PNG file stored whole as an image.
IconImage PngIconImage(IconBytes png, int width, int height);

// The icon file: the directory, then the images in order.
IconBytes IconFile(const std::vector<IconImage>& images);

}  // namespace qorvexctl::testsupport
