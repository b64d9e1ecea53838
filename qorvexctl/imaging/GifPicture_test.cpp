#include "qorvexctl/imaging/GifPicture.h"

#include <gtest/gtest.h>

#include <fstream>

#include "testsupport/GifTestBuilder.h"
#include "testsupport/TestData.h"

namespace qorvexctl {
namespace {

using testing::Bytes;
using testing::GifBuilder;

TEST(GifPicture, TheLoaderTakesGifBytesAsTheFirstFrameComposed) {
  platform::PictureLoader loader;
  loader.Register(GifPictureFormat());
  const platform::Picture picture = loader.Load(GifBuilder(4, 1, 1, "gif87a")
                                                    .GraphicControl(0, 0, 0)
                                                    .Image(0, 0, 2, 1, {0, 1})
                                                    .Image(0, 0, 2, 1, {2, 2})
                                                    .Build());
  ASSERT_FALSE(picture.IsEmpty());
  EXPECT_EQ(picture.Width(), 2);
  EXPECT_EQ(picture.Height(), 1);
  EXPECT_EQ(picture.Pixels().PixelAlpha(0, 0), 0);
  EXPECT_EQ(picture.Pixels().PixelColour(1, 0), RGB(10, 21, 254));  // entry 1, not frame 2
}

TEST(GifPicture, TheLoaderReadsGifFilesAndRefusesBrokenOnes) {
  platform::PictureLoader loader;
  loader.Register(GifPictureFormat());
  const auto folder = testsupport::SharedTestData() / "gif";
  const platform::Picture picture = loader.LoadFile(folder / "animated-red-blue.gif");
  EXPECT_EQ(picture.Width(), 64);
  EXPECT_EQ(picture.Height(), 48);
  EXPECT_TRUE(loader.LoadFile(folder / "no_palette.gif").IsEmpty());
  EXPECT_FALSE(LooksLikeGif(Bytes{'G', 'I', 'F', '8', '9'}));
}

}  // namespace
}  // namespace qorvexctl
