#include "qorvexctl/platform/codecs/IcoDecoder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "testsupport/IconFiles.h"
#include "testsupport/TestData.h"

namespace qorvexctl::platform {
namespace {

using testsupport::BitmapIconImage;
using testsupport::IconFile;
using testsupport::IconImage;

constexpr std::uint32_t kOpaqueRed = 0xFFFF0000u;

bool TopLeftQuarter(int x, int y) { return x < 4 && y < 4; }
bool Nowhere(int, int) { return false; }

// An 8 x 8 image at `bits` whose pixels are palette index (x + y) % 2, or for 24 and 32 bits
// red and blue in the same checkerboard (with zero alpha bytes, so the mask counts); the
// top-left quarter is masked out.
IconImage Checkerboard(int bits) {
  const std::vector<std::uint32_t> palette = {0xFF0000, 0x0000FF};
  return BitmapIconImage(
      8, 8, bits,
      [bits](int x, int y) -> std::uint32_t {
        const bool odd = (x + y) % 2 != 0;
        if (bits <= 8) return odd ? 1 : 0;
        return odd ? 0x0000FFu : 0xFF0000u;
      },
      TopLeftQuarter, palette);
}

Picture Decode(const std::vector<std::uint8_t>& file, int size = kDefaultIconSize) {
  Picture picture;
  EXPECT_TRUE(DecodeIco(file, picture, size));
  return picture;
}

TEST(IcoDecoder, BitmapImagesOfEveryDepthTakeTheirMaskAsTransparency) {
  for (int bits : {1, 4, 8, 24, 32}) {
    SCOPED_TRACE(bits);
    const Picture icon = Decode(IconFile({Checkerboard(bits)}));
    ASSERT_FALSE(icon.IsEmpty());
    EXPECT_EQ(icon.Type(), PictureType::Icon);
    EXPECT_EQ(icon.Width(), 8);
    EXPECT_EQ(icon.Height(), 8);
    ASSERT_EQ(icon.Pixels().BitsPerPixel(), 32);
    EXPECT_EQ(icon.Pixels().PixelValue(1, 1), 0u);  // masked: fully transparent
    EXPECT_EQ(icon.Pixels().PixelValue(6, 6), kOpaqueRed);
    EXPECT_EQ(icon.Pixels().PixelValue(7, 6), 0xFF0000FFu);
    EXPECT_EQ(icon.Pixels().PixelValue(5, 0), 0xFF0000FFu);  // the rows are top-down
  }
}

TEST(IcoDecoder, ThirtyTwoBitAlphaWinsOverTheMaskUnlessItIsAllZero) {
  const auto halfAlpha = [](int, int) { return 0x80FF0000u; };
  const Picture alpha = Decode(IconFile({BitmapIconImage(4, 4, 32, halfAlpha, TopLeftQuarter)}));
  EXPECT_EQ(alpha.Pixels().PixelValue(0, 0), 0x80800000u);  // premultiplied, mask unused

  const auto noAlpha = [](int, int) { return 0x00FF0000u; };
  const Picture masked = Decode(IconFile({BitmapIconImage(8, 8, 32, noAlpha, TopLeftQuarter)}));
  EXPECT_EQ(masked.Pixels().PixelValue(0, 0), 0u);
  EXPECT_EQ(masked.Pixels().PixelValue(7, 7), kOpaqueRed);
}

TEST(IcoDecoder, PicksTheEntryClosestToTheAskedSize) {
  const auto plain = [](int, int) { return kOpaqueRed; };
  const std::vector<std::uint8_t> file = IconFile({
      BitmapIconImage(
          16, 16, 8, [](int, int) { return 0u; }, Nowhere),
      BitmapIconImage(
          32, 32, 8, [](int, int) { return 0u; }, Nowhere),
      BitmapIconImage(32, 32, 32, plain, Nowhere),
      BitmapIconImage(48, 48, 24, plain, Nowhere),
  });
  const auto entries = ReadIcoDirectory(file);
  ASSERT_TRUE(entries);
  ASSERT_EQ(entries->size(), 4u);
  EXPECT_EQ(BestIcoEntry(*entries, kDefaultIconSize), 2u);  // 32 x 32, the deeper one
  EXPECT_EQ(BestIcoEntry(*entries, 0), 3u);                 // the largest
  EXPECT_EQ(BestIcoEntry(*entries, 20), 0u);
  EXPECT_EQ(BestIcoEntry(*entries, 40), 3u);  // a tie goes to the larger
  EXPECT_EQ(Decode(file).Pixels().PixelValue(0, 0), kOpaqueRed);
  EXPECT_EQ(Decode(file, 0).Width(), 48);
}

TEST(IcoDecoder, ADirectorySizeOfZeroMeans256) {
  std::vector<std::uint8_t> file = IconFile({Checkerboard(8)});
  file[6] = 0;
  file[7] = 0;
  const auto entries = ReadIcoDirectory(file);
  ASSERT_TRUE(entries);
  EXPECT_EQ((*entries)[0].width, 256);
  EXPECT_EQ((*entries)[0].height, 256);
  EXPECT_EQ(Decode(file).Width(), 8);  // the image's own header decides the size
}

TEST(IcoDecoder, RefusesEveryTruncationAndBrokenFieldWithoutTouchingTheOutput) {
  const std::vector<std::uint8_t> good = IconFile({Checkerboard(4)});
  const Picture sentinel(Surface(3, 3, 24));
  for (std::size_t n = 0; n < good.size(); ++n) {
    Picture out = sentinel;
    ASSERT_FALSE(DecodeIco(std::span(good.data(), n), out)) << n;
    ASSERT_EQ(out.Width(), 3);
  }
  const auto broken = [&good](std::size_t at, std::uint8_t value) {
    std::vector<std::uint8_t> file = good;
    file[at] = value;
    Picture out;
    return DecodeIco(file, out);
  };
  EXPECT_FALSE(broken(2, 3));        // not an icon or cursor
  EXPECT_FALSE(broken(4, 0));        // no entries
  EXPECT_FALSE(broken(4, 2));        // two entries, one missing
  EXPECT_FALSE(broken(18, 0xF0));    // entry offset past the end
  EXPECT_FALSE(broken(22 + 8, 17));  // odd doubled height
  EXPECT_FALSE(broken(22 + 14, 3));  // 3 bits per pixel
  EXPECT_FALSE(broken(22 + 16, 2));  // run-length compressed
  EXPECT_FALSE(broken(22, 12));      // a core header is not an icon header
  std::vector<std::uint8_t> png = IconFile({testsupport::PngIconImage(
      {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 0}, 16, 16)});
  Picture out;
  EXPECT_FALSE(DecodeIco(png, out));  // PNG images need a PNG decoder
}

TEST(IcoDecoder, JoinsAPictureLoaderAndLoadsRealFiles) {
  const std::filesystem::path folder = testsupport::MakeTempFolder("ico");
  const std::filesystem::path file = folder / "checker.ico";
  const std::vector<std::uint8_t> bytes = IconFile({Checkerboard(1), Checkerboard(24)});
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  PictureLoader loader;
  EXPECT_TRUE(loader.LoadFile(file).IsEmpty());  // BMP alone does not know icons
  loader.Register(IcoPictureFormat({}));
  const Picture icon = loader.LoadFile(file);
  EXPECT_EQ(icon.Type(), PictureType::Icon);
  EXPECT_EQ(icon.Pixels().PixelValue(7, 6), 0xFF0000FFu);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace qorvexctl::platform
