#include "qorvexctl/platform/codecs/BmpDecoder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "qorvexctl/platform/codecs/PictureLoader.h"
#include "testsupport/TestData.h"

namespace qorvexctl::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& b, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

struct BmpSpec {
  int width = 2;
  int height = 2;  // negative: top-down
  int bits = 24;
  std::uint32_t compression = 0;
  Bytes afterHeader;  // masks and colour table
  Bytes pixels;
  std::uint32_t coloursUsed = 0;
  std::uint32_t headerSize = 40;
};

// A BMP file: file header, info header (extended with zeros up to headerSize), then the
// masks and colour table, then the pixels.
Bytes Build(const BmpSpec& s) {
  Bytes b = {'B', 'M'};
  const std::uint32_t offset = 14 + s.headerSize + static_cast<std::uint32_t>(s.afterHeader.size());
  Put(b, offset + static_cast<std::uint32_t>(s.pixels.size()), 4);  // file size
  Put(b, 0, 4);                                                     // reserved
  Put(b, offset, 4);                                                // pixel offset
  Put(b, s.headerSize, 4);
  Put(b, static_cast<std::uint32_t>(s.width), 4);
  Put(b, static_cast<std::uint32_t>(s.height), 4);
  Put(b, 1, 2);  // planes
  Put(b, static_cast<std::uint32_t>(s.bits), 2);
  Put(b, s.compression, 4);
  Put(b, static_cast<std::uint32_t>(s.pixels.size()), 4);
  Put(b, 2835, 4), Put(b, 2835, 4);  // 72 dpi
  Put(b, s.coloursUsed, 4);
  Put(b, 0, 4);  // important colours
  b.resize(14 + s.headerSize, 0);
  b.insert(b.end(), s.afterHeader.begin(), s.afterHeader.end());
  b.insert(b.end(), s.pixels.begin(), s.pixels.end());
  return b;
}

Picture Decode(const Bytes& bytes) {
  Picture p;
  EXPECT_TRUE(DecodeBmp(bytes, p));
  return p;
}

// 2 x 2, 24 bits: rows padded to 8 bytes, bottom row first.
const BmpSpec kTwoByTwo{2,
                        2,
                        24,
                        0,
                        {},
                        {0, 0, 255, 0, 255, 0, 0, 0,        // bottom: red, green
                         255, 0, 0, 255, 255, 255, 0, 0}};  // top: blue, white

TEST(BmpDecoder, BottomUpRowsEndUpTopDown) {
  const Picture p = Decode(Build(kTwoByTwo));
  ASSERT_EQ(p.Pixels().BitsPerPixel(), 24);
  EXPECT_EQ(p.Type(), PictureType::Bitmap);
  EXPECT_EQ(p.Width(), 2);
  EXPECT_EQ(p.Pixels().PixelColour(0, 0), RGB(0, 0, 255));
  EXPECT_EQ(p.Pixels().PixelColour(1, 0), RGB(255, 255, 255));
  EXPECT_EQ(p.Pixels().PixelColour(0, 1), RGB(255, 0, 0));
  BmpSpec topDown = kTwoByTwo;
  topDown.height = -2;
  EXPECT_EQ(Decode(Build(topDown)).Pixels().PixelColour(0, 0), RGB(255, 0, 0));
}

TEST(BmpDecoder, IndexedImagesKeepTheirDepthAndTable) {
  const Bytes table = {0, 0, 255, 0, 255, 0, 0, 0};  // red, blue
  const Picture mono = Decode(Build({9, 1, 1, 0, table, {0x80, 0x80, 0, 0}}));
  ASSERT_EQ(mono.Pixels().BitsPerPixel(), 1);
  EXPECT_EQ(mono.Pixels().PixelColour(0, 0), RGB(0, 0, 255));
  EXPECT_EQ(mono.Pixels().PixelColour(1, 0), RGB(255, 0, 0));
  EXPECT_EQ(mono.Pixels().PixelColour(8, 0), RGB(0, 0, 255));
  const Picture nibbles = Decode(Build({3, 1, 4, 0, table, {0x01, 0x10, 0, 0}, 2}));
  ASSERT_EQ(nibbles.Pixels().BitsPerPixel(), 4);
  EXPECT_EQ(nibbles.Pixels().PixelValue(1, 0), 1u);
  EXPECT_EQ(nibbles.Pixels().ColourTable().size(), 16u);
  EXPECT_EQ(nibbles.Pixels().PixelColour(2, 0), RGB(0, 0, 255));
  const Picture bytes = Decode(Build({1, 1, 8, 0, table, {1, 0, 0, 0}, 2}));
  EXPECT_EQ(bytes.Pixels().BitsPerPixel(), 8);
  EXPECT_EQ(bytes.Pixels().PixelColour(0, 0), RGB(0, 0, 255));
}

TEST(BmpDecoder, CoreHeaderUsesThreeByteTableEntries) {
  Bytes b = {'B', 'M'};
  Put(b, 0, 4), Put(b, 0, 4), Put(b, 14 + 12 + 6, 4);
  Put(b, 12, 4), Put(b, 1, 2), Put(b, 1, 2), Put(b, 1, 2), Put(b, 1, 2);
  b.insert(b.end(), {0, 0, 0, 0, 255, 0});  // black, green
  b.insert(b.end(), {0x80, 0, 0, 0});
  EXPECT_EQ(Decode(b).Pixels().PixelColour(0, 0), RGB(0, 255, 0));
}

TEST(BmpDecoder, SixteenBitPixelsUseDefaultOrGivenMasks) {
  // 5-5-5: 0x7C00 is full red.
  const Picture rgb555 = Decode(Build({1, 1, 16, 0, {}, {0x00, 0x7C, 0, 0}}));
  EXPECT_EQ(rgb555.Pixels().BitsPerPixel(), 24);
  EXPECT_EQ(rgb555.Pixels().PixelColour(0, 0), RGB(255, 0, 0));
  Bytes masks;
  Put(masks, 0xF800, 4), Put(masks, 0x07E0, 4), Put(masks, 0x001F, 4);
  const Picture rgb565 = Decode(Build({1, 1, 16, 3, masks, {0xE0, 0x07, 0, 0}}));
  EXPECT_EQ(rgb565.Pixels().PixelColour(0, 0), RGB(0, 255, 0));
}

TEST(BmpDecoder, ThirtyTwoBitAlphaIsUsedOnlyWhenPresent) {
  const Picture opaque = Decode(Build({1, 1, 32, 0, {}, {10, 20, 30, 0}}));
  EXPECT_EQ(opaque.Pixels().PixelValue(0, 0), 0xFF1E140Au);
  const Picture half = Decode(Build({2, 1, 32, 0, {}, {0, 0, 255, 128, 0, 0, 0, 0}}));
  EXPECT_EQ(half.Pixels().PixelValue(0, 0), 0x80800000u);  // premultiplied red
  EXPECT_EQ(half.Pixels().PixelValue(1, 0), 0u);
  // A V4 header carries its masks, alpha included.
  BmpSpec v4{1, 1, 32, 3, {}, {0x40, 0x00, 0x00, 0xFF}, 0, 108};
  Bytes b = Build(v4);
  for (int i = 0; i < 4; ++i) {
    const std::uint32_t mask = i == 3 ? 0x000000FFu : 0xFF000000u >> (8 * i);
    for (int k = 0; k < 4; ++k) b[14 + 40 + 4 * i + k] = static_cast<std::uint8_t>(mask >> (8 * k));
  }
  // Masks red 0xFF000000, green 0x00FF0000, blue 0x0000FF00, alpha 0x000000FF: the pixel
  // 0xFF000040 is red at alpha 0x40.
  EXPECT_EQ(Decode(b).Pixels().PixelValue(0, 0), 0x40400000u);
}

TEST(BmpDecoder, RunLengthEncodedImages) {
  const Bytes table = {0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0};  // black, red, green
  // RLE8, 4 x 2: bottom row a run of three 1s and one 2, end of line; top row jumps two
  // pixels right, one 2, end of bitmap.
  const Bytes rle8 = {3, 1, 1, 2, 0, 0, 0, 2, 2, 0, 1, 2, 0, 1};
  const Picture p = Decode(Build({4, 2, 8, 1, table, rle8, 3}));
  EXPECT_EQ(p.Pixels().PixelValue(0, 1), 1u);
  EXPECT_EQ(p.Pixels().PixelValue(3, 1), 2u);
  EXPECT_EQ(p.Pixels().PixelValue(1, 0), 0u);
  EXPECT_EQ(p.Pixels().PixelValue(2, 0), 2u);
  // RLE4 literal run of 3 nibbles (padded to a word), then end of bitmap.
  const Bytes rle4 = {0, 3, 0x12, 0x10, 0, 1};
  const Picture q = Decode(Build({3, 1, 4, 2, table, rle4, 3}));
  EXPECT_EQ(q.Pixels().PixelValue(0, 0), 1u);
  EXPECT_EQ(q.Pixels().PixelValue(1, 0), 2u);
  EXPECT_EQ(q.Pixels().PixelValue(2, 0), 1u);
}

TEST(BmpDecoder, HostileFilesGiveNoPicture) {
  const Bytes good = Build(kTwoByTwo);
  for (std::size_t n = 0; n < good.size(); ++n) {
    Picture p;
    EXPECT_FALSE(DecodeBmp(std::span(good.data(), n), p)) << "truncated to " << n;
    EXPECT_TRUE(p.IsEmpty());
  }
  const auto refuses = [](BmpSpec s) {
    Picture p;
    return !DecodeBmp(Build(s), p) && p.IsEmpty();
  };
  BmpSpec s = kTwoByTwo;
  s.width = 0;
  EXPECT_TRUE(refuses(s));
  s = kTwoByTwo, s.bits = 7;
  EXPECT_TRUE(refuses(s));
  s = kTwoByTwo, s.width = 40000, s.height = 40000;
  EXPECT_TRUE(refuses(s));
  s = kTwoByTwo, s.height = INT32_MIN;
  EXPECT_TRUE(refuses(s));
  s = kTwoByTwo, s.compression = 4;  // JPEG inside a BMP
  EXPECT_TRUE(refuses(s));
  const Bytes black = {0, 0, 0, 0};
  s = {1, -1, 8, 1, black, {0, 1}, 1};  // top-down RLE does not exist
  EXPECT_TRUE(refuses(s));
  s = {4, 4, 8, 1, black, {2, 1, 0, 0}, 1};  // stops after one line
  EXPECT_TRUE(refuses(s));
  s = {8, 1, 8, 1, black, {0, 8, 1, 2}, 1};  // literal run longer than the data
  EXPECT_TRUE(refuses(s));
  s = {8, 1, 8, 1, {}, {0, 1}};  // colour table cut short
  EXPECT_TRUE(refuses(s));
  // A jump far past the top leaves the image complete; the clamped jump cannot overflow.
  s = {4, 2, 8, 1, black, {0, 2, 255, 255, 0, 2, 255, 255}, 1};
  EXPECT_FALSE(refuses(s));
  Bytes offsetOutside = good;
  offsetOutside[10] = 0xFF, offsetOutside[11] = 0xFF;
  Picture p;
  EXPECT_FALSE(DecodeBmp(offsetOutside, p));
  EXPECT_FALSE(LooksLikeBmp(Bytes{'P', 'K'}));
}

TEST(PictureLoader, LoadsBmpFilesAndBytes) {
  PictureLoader loader;
  const Bytes bytes = Build(kTwoByTwo);
  EXPECT_EQ(loader.Load(bytes).Width(), 2);
  EXPECT_TRUE(loader.Load(Bytes{1, 2, 3}).IsEmpty());
  const auto folder = testsupport::MakeTempFolder("qorvexctl-bmp");
  const auto file = folder / "dois.bmp";
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  const Picture p = loader.LoadFile(file);
  EXPECT_EQ(p.Pixels().PixelColour(1, 0), RGB(255, 255, 255));
  EXPECT_TRUE(loader.LoadFile(folder / "missing.bmp").IsEmpty());
  std::filesystem::remove_all(folder);
}

TEST(PictureLoader, RegisteredFormatsAreAskedFirst) {
  PictureLoader loader;
  int asked = 0;
  loader.Register(
      {"TEST", [&](std::span<const std::uint8_t> b) { return ++asked, !b.empty() && b[0] == 'T'; },
       [](std::span<const std::uint8_t>, Picture& out) {
         out = Picture(Surface(3, 3, 32), PictureType::Icon);
         return true;
       }});
  EXPECT_EQ(loader.Formats().front().name, "TEST");
  EXPECT_EQ(loader.Load(Bytes{'T'}).Type(), PictureType::Icon);
  EXPECT_EQ(loader.Load(Build(kTwoByTwo)).Type(), PictureType::Bitmap);
  EXPECT_EQ(asked, 2);
}

}  // namespace
}  // namespace qorvexctl::platform
