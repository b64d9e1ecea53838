#include "qorvexctl/imaging/PictureFormats.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "testsupport/IconFiles.h"
#include "testsupport/TestData.h"

namespace qorvexctl {
namespace {

const auto kSuite = testsupport::SharedTestData() / "png" / "pngsuite";

TEST(PictureFormats, TakePngGifAndBmpAndRefuseBrokenPng) {
  const platform::PictureLoader& loader = PictureFormats();
  const platform::Picture logo = loader.LoadFile(kSuite / "basn6a08.png");
  ASSERT_FALSE(logo.IsEmpty());
  EXPECT_EQ(logo.Width(), 32);
  EXPECT_EQ(logo.Height(), 32);
  EXPECT_EQ(logo.Pixels().BitsPerPixel(), 32);
  // basn6a08's top-left pixel is fully transparent; the picture keeps that.
  EXPECT_EQ(logo.Pixels().PixelAlpha(0, 0), 0);
  EXPECT_TRUE(loader.LoadFile(kSuite / "xcrn0g04.png").IsEmpty());  // corrupt signature
  EXPECT_FALSE(loader.LoadFile(testsupport::SharedTestData() / "gif" / "2x2.gif").IsEmpty());
}

TEST(PictureFormats, ReadIconsWhoseLargeImageIsAPng) {
  std::ifstream in(kSuite / "basn6a08.png", std::ios::binary);
  testsupport::IconBytes png{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(png.empty());
  const auto small = testsupport::BitmapIconImage(
      16, 16, 24, [](int, int) { return 0x00FF00u; }, [](int, int) { return false; });
  const testsupport::IconBytes file =
      testsupport::IconFile({small, testsupport::PngIconImage(png, 32, 32)});
  const platform::Picture icon = PictureFormats().Load(file);
  ASSERT_FALSE(icon.IsEmpty());
  EXPECT_EQ(icon.Type(), platform::PictureType::Icon);
  EXPECT_EQ(icon.Width(), 32);
  EXPECT_EQ(icon.Pixels().PixelAlpha(0, 0), 0);
  testsupport::IconBytes broken = file;
  broken[file.size() - png.size() + 29] ^= 0xFF;  // the PNG's header chunk no longer checks
  EXPECT_TRUE(PictureFormats().Load(broken).IsEmpty());
}

}  // namespace
}  // namespace qorvexctl
