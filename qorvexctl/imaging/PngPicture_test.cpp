#include "qorvexctl/imaging/PngPicture.h"

#include <gtest/gtest.h>

#include "testsupport/TestData.h"

namespace qorvexctl {
namespace {

const auto kSuite = testsupport::SharedTestData() / "png" / "pngsuite";

TEST(PngPicture, TheStandardLoaderTakesPngGifAndBmpAndRefusesBrokenPng) {
  const platform::PictureLoader loader = StandardPictureLoader();
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

}  // namespace
}  // namespace qorvexctl
