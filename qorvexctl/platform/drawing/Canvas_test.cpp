#include "qorvexctl/platform/drawing/Canvas.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

namespace qorvexctl::platform {
namespace {

constexpr Colour kWhite = RGB(255, 255, 255);
constexpr Colour kBlack = RGB(0, 0, 0);
constexpr Colour kRed = RGB(255, 0, 0);
constexpr Colour kBlue = RGB(0, 0, 255);

struct Fixture {
  explicit Fixture(int w = 20, int h = 20, int bits = 32) : surface(w, h, bits), canvas(surface) {
    canvas.FillRect(surface.Bounds(), kWhite);
  }
  int Count(Colour c) const {
    int n = 0;
    for (int y = 0; y < surface.Height(); ++y)
      for (int x = 0; x < surface.Width(); ++x) n += surface.PixelColour(x, y) == c;
    return n;
  }
  Surface surface;
  Canvas canvas;
};

TEST(Canvas, FillRectCoversLeftTopButNotRightBottom) {
  Fixture f;
  f.canvas.FillRect({2, 3, 5, 7}, kRed);
  EXPECT_EQ(f.Count(kRed), 12);
  EXPECT_EQ(f.canvas.GetPixel(2, 3), kRed);
  EXPECT_EQ(f.canvas.GetPixel(5, 6), kWhite);
  EXPECT_EQ(f.surface.PixelAlpha(2, 3), 255);
}

TEST(Canvas, SystemColoursResolveThroughTheTable) {
  Fixture f;
  f.canvas.FillRect({0, 0, 1, 1}, SystemColour(COLOR_BTNFACE));
  EXPECT_EQ(f.canvas.GetPixel(0, 0), RGB(192, 192, 192));
  SystemColours custom;
  custom.Set(COLOR_BTNFACE, kBlue);
  Canvas other(f.surface, &custom);
  other.FillRect({0, 0, 1, 1}, SystemColour(COLOR_BTNFACE));
  EXPECT_EQ(f.canvas.GetPixel(0, 0), kBlue);
}

TEST(Canvas, ClipRegionLimitsEveryKindOfDrawing) {
  Fixture f;
  f.canvas.SetClipRegion(Region::FromRect({0, 0, 10, 20}));
  f.canvas.FillRect({0, 0, 20, 20}, kRed);
  EXPECT_EQ(f.Count(kRed), 200);
  f.canvas.SelectPen({kBlue});
  f.canvas.MoveTo(0, 15);
  f.canvas.LineTo(20, 15);
  EXPECT_EQ(f.Count(kBlue), 10);
  EXPECT_EQ(f.canvas.GetPixel(15, 15), kInvalidColour);
  f.canvas.SetClipRegion(Region());
  f.canvas.FillRect({0, 0, 20, 20}, kBlack);
  EXPECT_EQ(f.Count(kBlack), 0);
  f.canvas.SetClipRegion(std::nullopt);
  f.canvas.FillRegion(Region::FromEllipse({0, 0, 20, 20}), kBlack);
  EXPECT_EQ(f.canvas.GetPixel(10, 10), kBlack);
  EXPECT_EQ(f.canvas.GetPixel(19, 0), kWhite);
}

TEST(Canvas, FrameRectAndFocusRect) {
  Fixture f;
  f.canvas.FrameRect({2, 2, 8, 6}, kRed);
  EXPECT_EQ(f.Count(kRed), 2 * 6 + 2 * 2);
  EXPECT_EQ(f.canvas.GetPixel(4, 4), kWhite);
  f.canvas.DrawFocusRect({10, 10, 16, 16});
  const int dotted = f.Count(kBlack);
  EXPECT_EQ(dotted, 10);  // every other pixel of the 20-pixel border
  f.canvas.DrawFocusRect({10, 10, 16, 16});
  EXPECT_EQ(f.Count(kBlack), 0);  // drawing it again erases it
}

TEST(Canvas, RectangleFramesWithThePenAndFillsWithTheBrush) {
  Fixture f;
  f.canvas.SelectPen({kBlack, 1});
  f.canvas.SelectBrush({kRed});
  f.canvas.Rectangle({0, 0, 5, 4});
  EXPECT_EQ(f.Count(kRed), 3 * 2);
  EXPECT_EQ(f.Count(kBlack), 20 - 6);
  f.canvas.SelectBrush({kBlue, BrushStyle::Null});
  f.canvas.SelectPen({kBlue, 2});
  f.canvas.Rectangle({10, 10, 16, 16});
  EXPECT_EQ(f.Count(kBlue), 36 - 4);
}

TEST(Canvas, EllipseStaysInsideItsRectangleAndFillsItsMiddle) {
  Fixture f;
  f.canvas.SelectPen({kBlack});
  f.canvas.SelectBrush({kRed});
  f.canvas.Ellipse({2, 2, 18, 12});
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      if (!Rect{2, 2, 18, 12}.Contains(x, y)) {
        EXPECT_EQ(f.canvas.GetPixel(x, y), kWhite);
      }
    }
  }
  EXPECT_EQ(f.canvas.GetPixel(10, 7), kRed);
  EXPECT_EQ(f.canvas.GetPixel(10, 2), kBlack);
  EXPECT_EQ(f.canvas.GetPixel(2, 2), kWhite);
}

TEST(Canvas, LinesLeaveOutTheirLastPoint) {
  Fixture f;
  f.canvas.SelectPen({kRed});
  f.canvas.MoveTo(1, 1);
  f.canvas.LineTo(6, 1);
  EXPECT_EQ(f.Count(kRed), 5);
  EXPECT_EQ(f.canvas.GetPixel(6, 1), kWhite);
  EXPECT_EQ(f.canvas.CurrentPosition(), (Point{6, 1}));
  const std::array<Point, 3> diagonal = {{{0, 10}, {5, 15}, {10, 10}}};
  f.canvas.Polyline(diagonal);
  EXPECT_EQ(f.canvas.GetPixel(3, 13), kRed);
  EXPECT_EQ(f.canvas.GetPixel(5, 15), kRed);
  EXPECT_EQ(f.canvas.GetPixel(7, 13), kRed);
  EXPECT_EQ(f.canvas.GetPixel(10, 10), kWhite);
}

TEST(Canvas, DottedPenLeavesGapsAndOpaqueModeFillsThem) {
  Fixture f(40, 4);
  f.canvas.SelectPen({kBlack, 1, PenStyle::Dot});
  f.canvas.SetBackgroundMode(BackgroundMode::Transparent);
  f.canvas.MoveTo(0, 0);
  f.canvas.LineTo(36, 0);
  EXPECT_EQ(f.Count(kBlack), 18);
  f.canvas.SetBackgroundMode(BackgroundMode::Opaque);
  f.canvas.SetBackgroundColour(kRed);
  f.canvas.MoveTo(0, 2);
  f.canvas.LineTo(36, 2);
  EXPECT_EQ(f.Count(kRed), 18);
}

TEST(Canvas, PolygonFillsAndOutlines) {
  Fixture f;
  f.canvas.SelectPen({kBlack});
  f.canvas.SelectBrush({kRed});
  const std::array<Point, 3> triangle = {{{2, 2}, {17, 2}, {2, 17}}};
  f.canvas.Polygon(triangle);
  EXPECT_EQ(f.canvas.GetPixel(5, 5), kRed);
  EXPECT_EQ(f.canvas.GetPixel(2, 10), kBlack);
  EXPECT_EQ(f.canvas.GetPixel(15, 15), kWhite);
}

TEST(Canvas, GradientRunsFromFirstToLastColour) {
  Fixture f(11, 3);
  f.canvas.GradientFill({0, 0, 11, 3}, kBlack, kWhite, GradientDirection::Horizontal);
  EXPECT_EQ(f.canvas.GetPixel(0, 1), kBlack);
  EXPECT_EQ(f.canvas.GetPixel(10, 1), kWhite);
  EXPECT_EQ(f.canvas.GetPixel(5, 2), RGB(128, 128, 128));
  f.canvas.GradientFill({0, 0, 11, 3}, kRed, kBlue, GradientDirection::Vertical);
  EXPECT_EQ(f.canvas.GetPixel(4, 0), kRed);
  EXPECT_EQ(f.canvas.GetPixel(4, 2), kBlue);
}

TEST(Canvas, PixelsOnIndexedSurfacesUseTheNearestEntry) {
  Fixture f(8, 8, 4);
  f.canvas.SetPixel(1, 1, RGB(250, 0, 0));
  EXPECT_EQ(f.surface.PixelValue(1, 1), 9u);
  EXPECT_EQ(f.canvas.GetPixel(1, 1), kRed);
  EXPECT_EQ(f.canvas.GetPixel(-1, 0), kInvalidColour);
}

TEST(Canvas, DegenerateAndHugeShapesDoNotCrash) {
  for (int bits : {1, 4, 8, 24, 32}) {
    Fixture f(16, 16, bits);
    const Rect huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    f.canvas.SelectBrush({kRed});
    f.canvas.FillRect({5, 5, 2, 2}, kRed);
    f.canvas.FillRect({5, 5, 5, 9}, kRed);
    f.canvas.FrameRect({5, 5, 2, 2}, kRed);
    f.canvas.DrawFocusRect({INT_MAX - 1, 0, INT_MAX, 0});
    f.canvas.Rectangle({3, 3, 3, 3});
    f.canvas.Ellipse({10, 10, 4, 4});
    f.canvas.Polygon(std::span<const Point>());
    f.canvas.InvertRect({-5, -5, -1, -1});
    f.canvas.GradientFill({4, 4, 4, 40}, kRed, kBlue, GradientDirection::Vertical);
    f.canvas.GradientFill(huge, kRed, kBlue, GradientDirection::Horizontal);
    f.canvas.FrameRect(huge, kBlack);
    f.canvas.DrawFocusRect(huge);
    f.canvas.Ellipse(huge);
    f.canvas.Rectangle(huge);
    f.canvas.MoveTo(INT_MIN, INT_MIN);
    f.canvas.LineTo(INT_MAX, INT_MAX);
    f.canvas.SetPixel(INT_MAX, INT_MIN, kRed);
    f.canvas.FillRect(huge, kBlack);
    f.canvas.FrameRegion(Region(), kRed, 3, 3);
    EXPECT_EQ(f.canvas.GetPixel(7, 7), kBlack) << bits;
  }
  Surface nothing;
  Canvas empty(nothing);
  empty.FillRect({0, 0, 10, 10}, kRed);
  empty.Ellipse({0, 0, 10, 10});
  EXPECT_EQ(empty.GetPixel(0, 0), kInvalidColour);
}

TEST(Canvas, BlitsUseTheSourceCanvasBackgroundForMasks) {
  Surface colour(2, 1, 24), mask(2, 1, 1);
  Canvas source(colour), target(mask);
  source.SetPixel(0, 0, kRed);
  source.SetPixel(1, 0, kBlue);
  source.SetBackgroundColour(kBlue);
  ASSERT_TRUE(target.BitBlt(0, 0, 2, 1, source, 0, 0, SRCCOPY));
  EXPECT_EQ(mask.PixelValue(0, 0), 0u);
  EXPECT_EQ(mask.PixelValue(1, 0), 1u);
  target.SelectBrush({kWhite});
  ASSERT_TRUE(target.PatBlt(0, 0, 1, 1, PATCOPY));
  EXPECT_EQ(mask.PixelValue(0, 0), 1u);
}

}  // namespace
}  // namespace qorvexctl::platform
