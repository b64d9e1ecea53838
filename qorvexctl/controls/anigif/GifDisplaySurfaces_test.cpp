#include "qorvexctl/controls/anigif/GifDisplaySurfaces.h"

#include <gtest/gtest.h>

#include "qorvexctl/imaging/gif/GifSurfaces.h"
#include "testsupport/GifTestBuilder.h"
#include "testsupport/SurfaceCompare.h"

namespace qorvexctl {
namespace {

using platform::Rect;
using testing::Bytes;
using testing::GifBuilder;

// Three frames on a 6 x 4 canvas: a full background, a 2 x 2 frame that is cleared
// afterwards (disposal 2) and a 3 x 1 frame that is taken back (disposal 3), with transparency.
gif::GifImage Frames() {
  const Bytes file = GifBuilder(4, 6, 4)
                         .GraphicControl(1, 10)
                         .Image(0, 0, 6, 4, Bytes(24, 1))
                         .GraphicControl(2, 10, 0)
                         .Image(1, 1, 2, 2, {2, 0, 3, 2})
                         .GraphicControl(3, 10, 0)
                         .Image(3, 2, 3, 1, {0, 3, 3})
                         .GraphicControl(1, 10)
                         .Image(4, 0, 1, 1, {2})
                         .Trailer()
                         .Build();
  gif::GifImage image;
  EXPECT_TRUE(image.Load(file));
  return image;
}

TEST(GifDisplaySurfaces, TheChangedAreaCoversTheDisposedFrameAndTheNewOne) {
  const gif::GifImage image = Frames();
  struct Case {
    int from, to;
    Rect expected;
  };
  const Case cases[] = {
      {-1, 0, Rect{0, 0, 6, 4}},  // nothing composed yet
      {0, 1, Rect{1, 1, 3, 3}},   // frame 0 is kept (disposal 1): only frame 1's rectangle
      {1, 2, Rect{1, 1, 6, 3}},   // frame 1 is cleared, frame 2 drawn
      {2, 3, Rect{3, 0, 6, 3}},   // frame 2 is taken back, frame 3 drawn
      {3, 0, Rect{0, 0, 6, 4}},   // starting over
      {0, 2, Rect{0, 0, 6, 4}},   // a jump is composed again from the start
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChangedArea(image, c.from, c.to), c.expected) << c.from << " -> " << c.to;
  }
}

TEST(GifDisplaySurfaces, UpdatingOnlyTheChangedAreaGivesTheWholeCanvasEveryFrame) {
  const gif::GifImage image = Frames();
  gif::GifComposer composer(image);
  GifDisplaySurfaces surfaces;
  for (int round = 0; round < 2; ++round) {
    for (int k = 0; k < image.FrameCount(); ++k) {
      SCOPED_TRACE(k);
      const int from = composer.Current();
      composer.Show(k);
      surfaces.Changed(ChangedArea(image, from, k));
      surfaces.Update(composer);
      const auto colours =
          testsupport::CompareSurfaces(surfaces.Colours(), gif::GifCanvasSurface(composer), 0);
      EXPECT_TRUE(colours) << colours.message;
      const auto mask =
          testsupport::CompareSurfaces(surfaces.Mask(), gif::GifMaskSurface(composer), 0);
      EXPECT_TRUE(mask) << mask.message;
    }
  }
}

}  // namespace
}  // namespace qorvexctl
