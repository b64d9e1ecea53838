#include "qorvexctl/imaging/gif/GifComposer.h"

#include <gtest/gtest.h>

#include "testsupport/GifTestBuilder.h"

namespace qorvexctl::gif {
namespace {

using testing::Bytes;
using testing::GifBuilder;

// The builder's table entry i is (i * 10, i * 20 + 1, 255 - i).
Colour Entry(int i) { return RGB(i * 10, i * 20 + 1, 255 - i); }

// What the composer shows at (x, y): the colour, or nothing when transparent.
std::optional<Colour> At(const GifComposer& composer, int x, int y) {
  const auto at = static_cast<std::size_t>(y * composer.Width() + x);
  if (composer.Mask()[at] != 0) return std::nullopt;
  return composer.Canvas()[at];
}

GifImage Loaded(const Bytes& file) {
  GifImage image;
  EXPECT_TRUE(image.Load(file)) << FailureText(image.Error());
  return image;
}

TEST(GifComposer, TransparentPixelsLeaveTheCanvasAsItWas) {
  const GifImage image = Loaded(GifBuilder()
                                    .GraphicControl(0, 0, 3)
                                    .Image(0, 0, 2, 1, {1, 3})
                                    .GraphicControl(0, 0, 3)
                                    .Image(0, 0, 2, 1, {3, 2})
                                    .Build());
  GifComposer composer(image);
  composer.Show(0);
  EXPECT_EQ(At(composer, 0, 0), Entry(1));
  EXPECT_EQ(At(composer, 1, 0), std::nullopt);
  composer.Show(1);
  EXPECT_EQ(At(composer, 0, 0), Entry(1));
  EXPECT_EQ(At(composer, 1, 0), Entry(2));
}

TEST(GifComposer, Disposal2ClearsTheFrameRectangle) {
  const GifImage image = Loaded(GifBuilder()
                                    .Image(0, 0, 3, 1, {1, 1, 1})
                                    .GraphicControl(2, 0)
                                    .Image(1, 0, 1, 1, {2})
                                    .GraphicControl(0, 0, 0)
                                    .Image(0, 0, 1, 1, {0})
                                    .Build());
  GifComposer composer(image);
  composer.Show(0);
  composer.Show(1);
  EXPECT_EQ(At(composer, 1, 0), Entry(2));
  composer.Show(2);
  EXPECT_EQ(At(composer, 0, 0), Entry(1));
  EXPECT_EQ(At(composer, 1, 0), std::nullopt);
  EXPECT_EQ(At(composer, 2, 0), Entry(1));
}

TEST(GifComposer, Disposal3RestoresWhatLayUnderTheFrame) {
  const GifImage image = Loaded(GifBuilder()
                                    .Image(0, 0, 2, 1, {1, 1})
                                    .Image(0, 0, 1, 1, {2})
                                    .GraphicControl(3, 0)
                                    .Image(0, 0, 2, 1, {3, 3})
                                    .GraphicControl(0, 0, 0)
                                    .Image(0, 0, 1, 1, {0})
                                    .Build());
  GifComposer composer(image);
  for (int k = 0; k < 3; ++k) composer.Show(k);
  EXPECT_EQ(At(composer, 0, 0), Entry(3));
  composer.Show(3);
  EXPECT_EQ(At(composer, 0, 0), Entry(2));
  EXPECT_EQ(At(composer, 1, 0), Entry(1));
}

// The first frame's restore counts as none: after it the next frame still sees it.
TEST(GifComposer, FirstFrameDisposal3KeepsTheFrame) {
  const GifImage image = Loaded(
      GifBuilder().GraphicControl(3, 0).Image(0, 0, 2, 1, {1, 1}).Image(1, 0, 1, 1, {2}).Build());
  GifComposer composer(image);
  composer.Show(0);
  composer.Show(1);
  EXPECT_EQ(At(composer, 0, 0), Entry(1));
  EXPECT_EQ(At(composer, 1, 0), Entry(2));
}

TEST(GifComposer, StartingOverClearsTheCanvas) {
  const GifImage image =
      Loaded(GifBuilder(4, 2, 1).Image(0, 0, 1, 1, {1}).Image(1, 0, 1, 1, {2}).Build());
  GifComposer composer(image);
  composer.Show(0);
  composer.Show(1);
  composer.Show(0);
  EXPECT_EQ(composer.Current(), 0);
  EXPECT_EQ(At(composer, 1, 0), std::nullopt);
}

TEST(GifComposer, IndicesPastTheTableAreOpaqueBlack) {
  const GifImage image = Loaded(GifBuilder(2).Image(0, 0, 2, 1, {1, 3}).Build());
  GifComposer composer(image);
  composer.Show(0);
  EXPECT_EQ(At(composer, 0, 0), Entry(1));
  EXPECT_EQ(At(composer, 1, 0), RGB(0, 0, 0));
  EXPECT_EQ(composer.ToRgba(), (Bytes{10, 21, 254, 255, 0, 0, 0, 255}));
}

TEST(GifComposer, UsesTheColourTablesAsTheyAreWhenDrawing) {
  GifImage image = Loaded(GifBuilder().Image(0, 0, 1, 1, {1}).Build());
  image.ColourTables()[0].entries[1] = RGB(1, 2, 3);
  GifComposer composer(image);
  composer.Show(0);
  EXPECT_EQ(At(composer, 0, 0), RGB(1, 2, 3));
}

TEST(GifComposer, WritesTransparentPixelsAsZeroRgba) {
  const GifImage image =
      Loaded(GifBuilder(4, 2, 1).GraphicControl(0, 0, 0).Image(0, 0, 2, 1, {0, 2}).Build());
  GifComposer composer(image);
  composer.Show(0);
  EXPECT_EQ(composer.ToRgba(), (Bytes{0, 0, 0, 0, 20, 41, 253, 255}));
}

}  // namespace
}  // namespace qorvexctl::gif
