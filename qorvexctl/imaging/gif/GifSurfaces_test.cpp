#include "qorvexctl/imaging/gif/GifSurfaces.h"

#include <gtest/gtest.h>

#include "testsupport/GifTestBuilder.h"

namespace qorvexctl::gif {
namespace {

using testing::GifBuilder;

// The builder's table entry i is (i * 10, i * 20 + 1, 255 - i).
Colour Entry(int i) { return RGB(i * 10, i * 20 + 1, 255 - i); }

TEST(GifSurfaces, FrameIsAnIndexedSurfaceWithItsOwnTable) {
  GifImage image;
  ASSERT_TRUE(image.Load(GifBuilder().Image(0, 0, 1, 1, {3}).Image(1, 1, 2, 1, {1, 0}, 2).Build()));
  const platform::Surface frame = GifFrameSurface(image, 1);
  ASSERT_EQ(frame.BitsPerPixel(), 8);
  ASSERT_EQ(frame.Width(), 2);
  ASSERT_EQ(frame.Height(), 1);
  EXPECT_EQ(frame.PixelValue(0, 0), 1u);
  EXPECT_EQ(frame.PixelColour(0, 0), Entry(1));
  EXPECT_EQ(frame.ColourTable()[2], platform::ColourTableEntry{});  // past the local table
  EXPECT_EQ(GifFrameSurface(image, 0).PixelColour(0, 0), Entry(3));
  EXPECT_TRUE(GifFrameSurface(image, 2).IsEmpty());
}

TEST(GifSurfaces, CanvasMaskAndPictureAgree) {
  GifImage image;
  ASSERT_TRUE(image.Load(GifBuilder().GraphicControl(0, 0, 0).Image(0, 0, 2, 1, {0, 2}).Build()));
  GifComposer composer(image);
  EXPECT_TRUE(GifCanvasSurface(composer).IsEmpty());  // nothing shown yet
  composer.Show(0);
  const platform::Surface canvas = GifCanvasSurface(composer);
  const platform::Surface mask = GifMaskSurface(composer);
  const platform::Surface picture = GifPictureSurface(composer);
  EXPECT_EQ(canvas.BitsPerPixel(), 24);
  EXPECT_EQ(canvas.PixelColour(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(canvas.PixelColour(1, 0), Entry(2));
  EXPECT_EQ(mask.BitsPerPixel(), 1);
  EXPECT_EQ(mask.PixelValue(0, 0), 1u);  // transparent: white
  EXPECT_EQ(mask.PixelValue(1, 0), 0u);
  EXPECT_EQ(picture.PixelAlpha(0, 0), 0);
  EXPECT_EQ(picture.PixelAlpha(1, 0), 255);
  EXPECT_EQ(picture.PixelColour(1, 0), Entry(2));
}

}  // namespace
}  // namespace qorvexctl::gif
