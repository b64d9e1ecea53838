// ucAniGIF under the virtual clock: frame timing, loops, actions, start-up delay, hiding,
// sizes per Stretch mode, drawing, colour tables, loads that fail.

#include "qorvexctl/controls/anigif/ucAniGIF.h"

#include <numeric>

#include "qorvexctl/controls/anigif/AniGifTest.h"
#include "testsupport/SurfaceCompare.h"

namespace qorvexctl::testing {
namespace {

TEST_F(AniGifTest, PropertiesClampAndIgnoreValuesOutsideTheirRange) {
  struct Case {
    void (*set)(ucAniGIF&);
    int (*get)(const ucAniGIF&);
    int expected;
  };
  const Case cases[] = {
      {[](ucAniGIF& c) { c.MinFrameDelay(5); }, [](const ucAniGIF& c) { return c.MinFrameDelay(); }, 10},
      {[](ucAniGIF& c) { c.MinFrameDelay(40000); }, [](const ucAniGIF& c) { return c.MinFrameDelay(); }, 32700},
      {[](ucAniGIF& c) { c.Loops(-3); }, [](const ucAniGIF& c) { return c.Loops(); }, 3},
      {[](ucAniGIF& c) { c.Stretch(5); }, [](const ucAniGIF& c) { return int{c.Stretch()}; }, gfsScaleAlways},
      {[](ucAniGIF& c) { c.Mirrored(4); }, [](const ucAniGIF& c) { return int{c.Mirrored()}; }, gfmNone},
      {[](ucAniGIF& c) { c.DelayAnimation(-1); }, [](const ucAniGIF& c) { return int{c.DelayAnimation()}; }, gfdDelayStartup},
  };
  for (const Case& c : cases) {
    c.set(gif);
    EXPECT_EQ(c.get(gif), c.expected);
  }
  EXPECT_EQ(gif.LoopsRemaining(), -1);  // nothing loaded
  EXPECT_EQ(gif.CurrentFrame(), 0);
}

TEST_F(AniGifTest, AFrameShorterThanMinFrameDelayStaysForMinFrameDelay) {
  LoadNow(Animation({2, 10, 2}));  // 20 ms, 100 ms, 20 ms
  const std::int64_t start = desktop.NowMs();
  desktop.Wait(50 + 100 + 50 + 50);
  const std::vector<FrameShown> expected{
      {2, start + 50}, {3, start + 150}, {1, start + 200}, {2, start + 250}};
  EXPECT_EQ(shown, expected);
}

TEST_F(AniGifTest, AHundredLoopsTakeExactlyTheSumOfTheClampedDelays) {
  const std::vector<int> delays{2, 7, 13, 0, 5};  // 20, 70, 130, 0, 50 ms
  LoadNow(Animation(delays));
  gif.Loops(100);
  const std::int64_t start = desktop.NowMs();
  while (loopsEnded == 0 && desktop.NowMs() - start < 100000) desktop.Wait(1000);
  ASSERT_EQ(loopsEnded, 1);
  const std::int64_t perLoop = 50 + 70 + 130 + 50 + 50;
  EXPECT_EQ(shown.back().atMs - start, 100 * perLoop);
  EXPECT_EQ(shown.size(), 100u * delays.size());
}

TEST_F(AniGifTest, TwoLoopsEndOnceAndStopOnTheFirstFrame) {
  LoadNow(Animation({10, 10, 10}, 2));
  const std::int64_t start = desktop.NowMs();
  EXPECT_EQ(gif.Loops(), 2);
  EXPECT_EQ(gif.LoopsRemaining(), 2);
  desktop.Wait(300);
  EXPECT_EQ(gif.LoopsRemaining(), 1);
  desktop.Wait(2000);
  EXPECT_EQ(loopsEnded, 1);
  EXPECT_EQ(gif.AnimationState(), ucAniGIF::kStopped);
  EXPECT_EQ(gif.CurrentFrame(), 1);
  EXPECT_EQ(shown.back(), (FrameShown{1, start + 600}));
  // Ending clears the count of loops done, so the whole count remains for the next run.
  EXPECT_EQ(gif.LoopsRemaining(), 2);
}

TEST_F(AniGifTest, ActionsStepPauseStopAndReset) {
  LoadNow(Animation({10, 10, 10}));
  desktop.Wait(200);
  ASSERT_EQ(gif.CurrentFrame(), 3);
  gif.Action(gfaForward);  // from the last frame
  EXPECT_EQ(gif.CurrentFrame(), 1);
  EXPECT_EQ(gif.Action(), gfaPause);
  desktop.Wait(1000);
  EXPECT_EQ(gif.CurrentFrame(), 1);

  gif.Action(gfaPlay);
  desktop.Wait(100);
  EXPECT_EQ(gif.CurrentFrame(), 2);
  gif.Action(gfaPause);
  desktop.Wait(500);
  EXPECT_EQ(gif.CurrentFrame(), 2);
  gif.Action(gfaStop);
  EXPECT_EQ(gif.CurrentFrame(), 1);
  EXPECT_EQ(gif.Action(), gfaStop);
  gif.Action(gfaReset);
  EXPECT_EQ(gif.Action(), gfaPlay);
  desktop.Wait(100);
  EXPECT_EQ(gif.CurrentFrame(), 2);
}

TEST_F(AniGifTest, ASingleFrameIsDrawnButNeverTimed) {
  const std::int64_t start = desktop.NowMs();
  ASSERT_TRUE(gif.LoadAnimatedGIF_Array(Animation({10})));  // start-up delay (the default)
  desktop.Wait(1000);
  EXPECT_EQ(shown, (std::vector<FrameShown>{{1, start + 20}}));
  EXPECT_EQ(gif.AnimationState(), ucAniGIF::kStopped);
  EXPECT_FALSE(desktop.KillTimer(form.hWnd(), gif.hWnd()));  // no timer to kill

  LoadNow(Animation({10}));
  gif.Action(gfaPlay);
  EXPECT_FALSE(desktop.KillTimer(form.hWnd(), gif.hWnd()));  // no timer to kill
  EXPECT_EQ(gif.AnimationState(), ucAniGIF::kStopped);
}

TEST_F(AniGifTest, TheStartUpDelayShowsTheControlBeforeTheFirstFrame) {
  gif.BackColor(RGB(0, 128, 0));
  gif.Stretch(gfsStretch);
  const std::int64_t start = desktop.NowMs();
  ASSERT_TRUE(gif.LoadAnimatedGIF_Array(Animation({10, 10})));
  EXPECT_EQ(Pixels().PixelColour(20, 20), RGB(0, 128, 0));  // shown, frame not yet drawn
  desktop.Wait(19);
  EXPECT_TRUE(shown.empty());
  desktop.Wait(1);
  EXPECT_EQ(shown, (std::vector<FrameShown>{{1, start + 20}}));
  EXPECT_EQ(Pixels().PixelColour(20, 20), TableColour(0));
  desktop.Wait(100);
  EXPECT_EQ(shown.back(), (FrameShown{2, start + 120}));
}

TEST_F(AniGifTest, DoNotAnimateShowsTheFirstFrameUntilPlay) {
  gif.DelayAnimation(gfdDoNotAnimate);
  gif.Stretch(gfsStretch);
  ASSERT_TRUE(gif.LoadAnimatedGIF_Array(Animation({10, 10})));
  desktop.Wait(500);
  EXPECT_EQ(gif.AnimationState(), ucAniGIF::kStopped);
  EXPECT_EQ(Pixels().PixelColour(20, 20), TableColour(0));
  gif.Action(gfaPlay);
  desktop.Wait(100);
  EXPECT_EQ(gif.CurrentFrame(), 2);
}

TEST_F(AniGifTest, HidingPausesAndShowingResumes) {
  LoadNow(Animation({10, 10, 10}));
  desktop.Wait(100);
  gif.Visible(false);
  EXPECT_EQ(gif.AnimationState(), ucAniGIF::kPaused);
  desktop.Wait(1000);
  EXPECT_EQ(gif.CurrentFrame(), 2);
  gif.Visible(true);
  EXPECT_EQ(gif.AnimationState(), ucAniGIF::kRunning);
  desktop.Wait(100);
  EXPECT_EQ(gif.CurrentFrame(), 3);
}

TEST_F(AniGifTest, EachStretchModeGivesItsSizeAndScale) {
  struct Case {
    ScaleGIFConstants mode;
    platform::Size control;
    platform::Size expected;
    float scaleX, scaleY;
  };
  // The GIF is 4 x 2 pixels.
  const Case cases[] = {
      {gfsClip, {40, 40}, {4, 2}, 1.0f, 1.0f},
      {gfsClip, {3, 1}, {3, 1}, 1.0f, 1.0f},
      {gfsActualSize, {40, 40}, {4, 2}, 1.0f, 1.0f},
      {gfsStretch, {40, 10}, {40, 10}, 10.0f, 5.0f},
      {gfsScaleAlways, {40, 10}, {20, 10}, 5.0f, 5.0f},
      {gfsScaleAlways, {2, 40}, {2, 1}, 0.5f, 0.5f},
      {gfsShrinkScaleToFit, {40, 40}, {4, 2}, 1.0f, 1.0f},
      {gfsShrinkScaleToFit, {2, 40}, {2, 1}, 0.5f, 0.5f},
  };
  LoadNow(Animation({10, 10}));
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "mode " << c.mode << ", " << c.control.width << " x "
                                      << c.control.height);
    gif.Stretch(c.mode);
    gif.SetBounds(platform::Rect::FromSize(10, 10, c.control.width, c.control.height));
    EXPECT_EQ(gif.Bounds(), platform::Rect::FromSize(10, 10, c.expected.width, c.expected.height));
    EXPECT_FLOAT_EQ(gif.ScaleX(), c.scaleX);
    EXPECT_FLOAT_EQ(gif.ScaleY(), c.scaleY);
  }
}

TEST_F(AniGifTest, ALoadResizesForTheScalingModesOnly) {
  gif.Stretch(gfsStretch);
  LoadNow(Animation({10}));
  EXPECT_EQ(gif.Bounds(), platform::Rect::FromSize(10, 10, 40, 40));
  gif.Stretch(gfsActualSize);
  EXPECT_EQ(gif.Bounds(), platform::Rect::FromSize(10, 10, 4, 2));
  EXPECT_FLOAT_EQ(gif.ActualWidth(), 4 * 15.0f);  // the form's twips
  EXPECT_FLOAT_EQ(gif.ActualHeight(), 2 * 15.0f);
}

// A 2 x 2 GIF: top row indices 1, 2; bottom row 3 and the transparent index 0.
Bytes Quadrants() {
  return GifBuilder(4, 2, 2).GraphicControl(1, 10, 0).Image(0, 0, 2, 2, {1, 2, 3, 0}).Trailer().Build();
}

TEST_F(AniGifTest, TransparentPixelsShowTheBackgroundAndMirroringFlipsThePicture) {
  gif.BackColor(RGB(200, 0, 0));
  gif.Stretch(gfsActualSize);
  LoadNow(Quadrants());
  struct Case {
    MirrorConstants mirror;
    Colour topLeft, topRight, bottomLeft, bottomRight;
  };
  const Colour back = RGB(200, 0, 0);
  const Case cases[] = {
      {gfmNone, TableColour(1), TableColour(2), TableColour(3), back},
      {gfmHorizontal, TableColour(2), TableColour(1), back, TableColour(3)},
      {gfmVertical, TableColour(3), back, TableColour(1), TableColour(2)},
      {gfmHorAndVer, back, TableColour(3), TableColour(2), TableColour(1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mirror);
    gif.Mirrored(c.mirror);
    const platform::Surface s = Pixels();
    EXPECT_EQ(s.PixelColour(0, 0), c.topLeft);
    EXPECT_EQ(s.PixelColour(1, 0), c.topRight);
    EXPECT_EQ(s.PixelColour(0, 1), c.bottomLeft);
    EXPECT_EQ(s.PixelColour(1, 1), c.bottomRight);
  }
}

TEST_F(AniGifTest, OffsetsAndScaleMoveAndEnlargeTheDrawing) {
  gif.BackColor(RGB(200, 0, 0));
  gif.Stretch(gfsStretch);
  gif.SetBounds(platform::Rect::FromSize(10, 10, 8, 8));
  LoadNow(Quadrants());
  gif.Action(gfaStop);
  gif.OffsetX(2);
  gif.OffsetY(1);
  const platform::Surface s = Pixels();  // each GIF pixel is 4 x 4 now, from (2, 1)
  EXPECT_EQ(s.PixelColour(1, 1), RGB(200, 0, 0));
  EXPECT_EQ(s.PixelColour(2, 1), TableColour(1));
  EXPECT_EQ(s.PixelColour(5, 4), TableColour(1));
  EXPECT_EQ(s.PixelColour(6, 4), TableColour(2));
  EXPECT_EQ(s.PixelColour(2, 5), TableColour(3));
  EXPECT_EQ(s.PixelColour(6, 5), RGB(200, 0, 0));
}

TEST_F(AniGifTest, PalettesComeAndGoThroughTheCache) {
  gif.Stretch(gfsActualSize);
  LoadNow(Quadrants());
  std::vector<std::int32_t> entries;
  ASSERT_TRUE(gif.GetPalette(0, entries));
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[2], static_cast<std::int32_t>(TableColour(2)));
  EXPECT_FALSE(gif.GetPalette(2, entries));  // only one frame

  ASSERT_TRUE(gif.CacheColorTables());
  EXPECT_FALSE(gif.CacheColorTables());
  const std::vector<std::int32_t> greys{0, 0x404040, 0x808080, 0xC0C0C0, 0x123456};
  ASSERT_TRUE(gif.SetPalette(1, greys));  // frame 1 uses the global table; 4 entries taken
  std::vector<std::int32_t> back;
  ASSERT_TRUE(gif.GetPalette(1, back));
  EXPECT_EQ(back, std::vector<std::int32_t>(greys.begin(), greys.begin() + 4));
  EXPECT_EQ(Pixels().PixelColour(1, 0), RGB(0x80, 0x80, 0x80));

  ASSERT_TRUE(gif.RestoreColorTables(true));
  EXPECT_EQ(Pixels().PixelColour(1, 0), TableColour(2));
  EXPECT_FALSE(gif.RestoreColorTables(false));  // the cache is gone
}

TEST_F(AniGifTest, AFailedLoadLeavesAnEmptyControlOfUnchangedSize) {
  gif.Stretch(gfsActualSize);
  LoadNow(Animation({10, 10}));
  const platform::Rect bounds = gif.Bounds();
  const float width = gif.ActualWidth();
  Bytes broken = Animation({10, 10});
  broken[0] = 'X';
  EXPECT_FALSE(gif.LoadAnimatedGIF_Array(broken));
  EXPECT_FALSE(gif.LoadAnimatedGIF_File("/nonexistent/anim.gif"));
  EXPECT_EQ(gif.FrameCount(), 0);
  EXPECT_EQ(gif.CurrentFrame(), 0);
  EXPECT_EQ(gif.LoopsRemaining(), -1);
  EXPECT_EQ(gif.AnimatedGIF(), nullptr);
  EXPECT_EQ(gif.Bounds(), bounds);
  EXPECT_FLOAT_EQ(gif.ActualWidth(), width);
  EXPECT_FALSE(desktop.KillTimer(form.hWnd(), gif.hWnd()));  // no timer to kill
}

// Small frames moving over a full first frame, cleared (disposal 2) or taken back (3), some
// with a transparent index.
Bytes MovingFrames() {
  GifBuilder gif(4, 8, 6);
  gif.GraphicControl(1, 10).Image(0, 0, 8, 6, Bytes(48, 1));
  for (int k = 0; k < 5; ++k) {
    gif.GraphicControl(k % 2 == 0 ? 2 : 3, 10, k % 3 == 0 ? 0 : -1);
    gif.Image(k, k / 2, 3, 2, {2, 0, 3, 3, 0, 2});
  }
  return gif.Trailer().Build();
}

TEST_F(AniGifTest, RepaintingOnlyTheChangedPartGivesTheSamePixelsAsAWholePaint) {
  struct Case {
    ScaleGIFConstants stretch;
    MirrorConstants mirror;
  };
  for (const Case& c : {Case{gfsActualSize, gfmNone}, Case{gfsStretch, gfmNone},
                        Case{gfsStretch, gfmHorAndVer}}) {
    SCOPED_TRACE(::testing::Message() << "stretch " << c.stretch << ", mirror " << c.mirror);
    gif.SetBounds(platform::Rect::FromSize(10, 10, 27, 19));
    gif.Stretch(c.stretch);
    gif.Mirrored(c.mirror);
    gif.OffsetX(1);
    LoadNow(MovingFrames());
    Pixels();
    for (int tick = 0; tick < 8; ++tick) {
      desktop.Wait(100);
      const platform::Surface stepped = gif.BackingSurface();
      gif.Refresh();  // the whole control
      const auto same = testsupport::CompareSurfaces(stepped, gif.BackingSurface(), 0);
      EXPECT_TRUE(same) << "after tick " << tick << ": " << same.message;
    }
  }
}

}  // namespace
}  // namespace qorvexctl::testing
