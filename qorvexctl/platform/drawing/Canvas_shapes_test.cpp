#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <set>

#include "qorvexctl/platform/drawing/Canvas.h"

namespace qorvexctl::platform {
namespace {

constexpr Colour kWhite = RGB(255, 255, 255);
constexpr Colour kBlack = RGB(0, 0, 0);
constexpr Colour kRed = RGB(255, 0, 0);
constexpr Colour kBlue = RGB(0, 0, 255);

struct Board {
  explicit Board(int bits = 32, int side = 40) : surface(side, side, bits), canvas(surface) {
    canvas.FillRect(surface.Bounds(), kWhite);
  }
  // Pixels that are neither of the two colours: antialiased edges.
  int Blended(Colour a, Colour b) const {
    int n = 0;
    for (int y = 0; y < surface.Height(); ++y)
      for (int x = 0; x < surface.Width(); ++x) {
        const Colour c = surface.PixelColour(x, y);
        n += c != a && c != b;
      }
    return n;
  }
  int Count(Colour c) const {
    int n = 0;
    for (int y = 0; y < surface.Height(); ++y)
      for (int x = 0; x < surface.Width(); ++x) n += surface.PixelColour(x, y) == c;
    return n;
  }
  Colour At(int x, int y) const { return surface.PixelColour(x, y); }
  Surface surface;
  Canvas canvas;
};

void RedDisc(Board& b, bool smooth) {
  b.canvas.SetSmoothing(smooth);
  b.canvas.SelectPen({kRed, 1, PenStyle::Null});
  b.canvas.SelectBrush({kRed});
  b.canvas.Ellipse({4, 4, 36, 30});
}

TEST(CanvasSmoothing, SmoothEdgesBlendWhileCrispEdgesDoNotAndTheInsidesAgree) {
  Board crisp, smooth;
  RedDisc(crisp, false);
  RedDisc(smooth, true);
  EXPECT_EQ(crisp.Blended(kRed, kWhite), 0);
  EXPECT_GT(smooth.Blended(kRed, kWhite), 40);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool deepInside = Region::FromEllipse({6, 6, 34, 28}).Contains(x, y);
      const bool farOutside = !Region::FromEllipse({2, 2, 38, 32}).Contains(x, y);
      if (deepInside || farOutside) {
        ASSERT_EQ(smooth.At(x, y), crisp.At(x, y)) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(smooth.surface.PixelAlpha(4, 17), 255);  // blended edges stay opaque
}

TEST(CanvasSmoothing, IndexedSurfacesThresholdTheCoverage) {
  Board smooth(8);
  smooth.surface.SetColourTable(0, std::array{TableEntryOf(kWhite), TableEntryOf(kRed)});
  smooth.canvas.FillRect(smooth.surface.Bounds(), kWhite);
  RedDisc(smooth, true);
  EXPECT_EQ(smooth.Blended(kRed, kWhite), 0);
  EXPECT_EQ(smooth.At(20, 17), kRed);
  EXPECT_EQ(smooth.At(4, 4), kWhite);
}

TEST(CanvasSmoothing, LinesAndPolygonsAreAntialiasedOnlyWhenAsked) {
  const std::array<Point, 3> zigzag = {{{2, 2}, {30, 12}, {5, 35}}};
  Board crisp, smooth;
  for (Board* b : {&crisp, &smooth}) {
    b->canvas.SetSmoothing(b == &smooth);
    b->canvas.SelectPen({kBlack, 2});
    b->canvas.Polyline(zigzag);
  }
  EXPECT_EQ(crisp.Blended(kBlack, kWhite), 0);
  EXPECT_GT(smooth.Blended(kBlack, kWhite), 20);
  EXPECT_EQ(smooth.canvas.CurrentPosition(), (Point{5, 35}));

  Board filled;
  filled.canvas.SetSmoothing(true);
  filled.canvas.SelectPen({kBlack, 1, PenStyle::Null});
  filled.canvas.SelectBrush({kBlue});
  filled.canvas.Polygon(zigzag);
  EXPECT_EQ(filled.At(15, 12), kBlue);
  EXPECT_EQ(filled.At(35, 35), kWhite);
}

TEST(CanvasShapes, RoundRectCutsItsCornersAndKeepsItsEdges) {
  Board b;
  b.canvas.SelectPen({kBlack});
  b.canvas.SelectBrush({kRed});
  b.canvas.RoundRect({0, 0, 30, 20}, 12, 8);
  EXPECT_EQ(b.At(0, 0), kWhite);
  EXPECT_EQ(b.At(29, 19), kWhite);
  EXPECT_EQ(b.At(15, 0), kBlack);
  EXPECT_EQ(b.At(0, 10), kBlack);
  EXPECT_EQ(b.At(15, 10), kRed);
  EXPECT_EQ(b.At(30, 10), kWhite);

  Board square, plain;
  square.canvas.RoundRect({2, 2, 20, 20}, 0, 0);
  plain.canvas.Rectangle({2, 2, 20, 20});
  EXPECT_EQ(square.Count(kBlack), plain.Count(kBlack));
}

TEST(CanvasShapes, PieRunsCounterClockwiseFromTheStartRadialUnlessToldOtherwise) {
  const Rect circle{0, 0, 40, 40};
  const Point east{40, 20}, north{20, 0};
  Board b;
  b.canvas.SelectPen({kBlack, 1, PenStyle::Null});
  b.canvas.SelectBrush({kRed});
  b.canvas.Pie(circle, east, north);
  EXPECT_EQ(b.At(30, 10), kRed);    // top right
  EXPECT_EQ(b.At(10, 10), kWhite);  // top left
  EXPECT_EQ(b.At(30, 30), kWhite);  // bottom right

  Board cw;
  cw.canvas.SelectPen({kBlack, 1, PenStyle::Null});
  cw.canvas.SelectBrush({kRed});
  cw.canvas.SetArcDirection(ArcDirection::Clockwise);
  cw.canvas.Pie(circle, east, north);
  EXPECT_EQ(cw.At(30, 10), kWhite);
  EXPECT_EQ(cw.At(10, 10), kRed);
  EXPECT_EQ(cw.At(30, 30), kRed);
  Board whole;
  whole.canvas.SelectPen({kBlack, 1, PenStyle::Null});
  whole.canvas.SelectBrush({kRed});
  whole.canvas.Ellipse(circle);
  EXPECT_EQ(b.Count(kRed) + cw.Count(kRed), whole.Count(kRed));
}

TEST(CanvasShapes, ChordKeepsTheArcSideOfItsLineEvenPastHalfTheEllipse) {
  Board b;
  b.canvas.SelectPen({kBlack, 1, PenStyle::Null});
  b.canvas.SelectBrush({kRed});
  // East, counter-clockwise through north and west, to south: three quarters of the ellipse.
  b.canvas.Chord({0, 0, 40, 40}, {40, 20}, {20, 40});
  EXPECT_EQ(b.At(20, 20), kRed);
  EXPECT_EQ(b.At(26, 26), kRed);    // past the end radial, still on the arc's side
  EXPECT_EQ(b.At(31, 31), kWhite);  // beyond the chord
  Board half;
  half.canvas.SelectPen({kBlack, 1, PenStyle::Null});
  half.canvas.SelectBrush({kRed});
  half.canvas.Chord({0, 0, 40, 40}, {40, 20}, {0, 20});
  EXPECT_EQ(half.At(20, 10), kRed);
  EXPECT_EQ(half.At(20, 30), kWhite);
}

TEST(CanvasShapes, ArcDrawsOnlyItsPartOfTheEllipseOutline) {
  Board arc, ellipse;
  arc.canvas.Arc({0, 0, 40, 40}, {40, 20}, {20, 0});
  ellipse.canvas.SelectBrush({kWhite, BrushStyle::Null});
  ellipse.canvas.Ellipse({0, 0, 40, 40});
  EXPECT_EQ(arc.At(39, 19), kBlack);  // just above the start radial
  EXPECT_EQ(arc.At(39, 20), kWhite);  // just below it
  EXPECT_EQ(arc.At(0, 19), kWhite);
  EXPECT_EQ(arc.At(20, 20), kWhite);
  EXPECT_NEAR(arc.Count(kBlack), ellipse.Count(kBlack) / 4, 4);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      if (arc.At(x, y) == kBlack) {
        ASSERT_EQ(ellipse.At(x, y), kBlack);
      }
    }
  }

  Board smooth;
  smooth.canvas.SetSmoothing(true);
  smooth.canvas.Arc({0, 0, 40, 40}, {40, 20}, {20, 0});
  EXPECT_GT(smooth.Blended(kBlack, kWhite), 0);
  EXPECT_EQ(smooth.At(5, 30), kWhite);
}

TEST(CanvasShapes, DashedOutlinesAlternateAndOpaqueGapsTakeTheBackground) {
  Board dashed;
  dashed.canvas.SelectPen({kBlack, 1, PenStyle::Dot});
  dashed.canvas.SelectBrush({kRed, BrushStyle::Null});
  dashed.canvas.SetBackgroundColour(kBlue);
  dashed.canvas.SetBackgroundMode(BackgroundMode::Opaque);
  dashed.canvas.Rectangle({0, 0, 30, 30});
  const int perimeter = 4 * 29;
  EXPECT_NEAR(dashed.Count(kBlack), perimeter / 2, 3);
  EXPECT_EQ(dashed.Count(kBlack) + dashed.Count(kBlue), perimeter);

  Board transparent;
  transparent.canvas.SelectPen({kBlack, 1, PenStyle::Dash});
  transparent.canvas.SetBackgroundMode(BackgroundMode::Transparent);
  transparent.canvas.SelectBrush({kWhite, BrushStyle::Null});
  transparent.canvas.Ellipse({0, 0, 40, 40});
  EXPECT_GT(transparent.Count(kBlack), 0);
  EXPECT_EQ(transparent.Count(kBlue), 0);

  Board wide;  // a wide pen draws any dashed style solid
  wide.canvas.SelectPen({kBlack, 2, PenStyle::Dash});
  wide.canvas.SelectBrush({kRed, BrushStyle::Null});
  wide.canvas.Rectangle({0, 0, 30, 30});
  EXPECT_EQ(wide.Count(kBlack), 30 * 30 - 26 * 26);
}

TEST(CanvasShapes, WideSolidPensStraddleTheEdgeAndInsideFramePensStayWithin) {
  Board solid, inside;
  solid.canvas.SelectPen({kBlack, 5, PenStyle::Solid});
  inside.canvas.SelectPen({kBlack, 5, PenStyle::InsideFrame});
  for (Board* b : {&solid, &inside}) {
    b->canvas.SelectBrush({kRed});
    b->canvas.Rectangle({10, 10, 30, 30});
  }
  EXPECT_EQ(solid.At(8, 20), kBlack);
  EXPECT_EQ(solid.At(7, 20), kWhite);
  EXPECT_EQ(inside.At(9, 20), kWhite);
  EXPECT_EQ(inside.At(10, 20), kBlack);
  EXPECT_EQ(inside.At(14, 20), kBlack);
  EXPECT_EQ(inside.At(15, 20), kRed);
  EXPECT_EQ(inside.Count(kRed), 10 * 10);
}

TEST(CanvasShapes, DegenerateAndHugeShapesDrawSafely) {
  for (bool smooth : {false, true}) {
    Board b;
    b.canvas.SetSmoothing(smooth);
    b.canvas.SelectBrush({kRed});
    b.canvas.Pie({10, 10, 10, 30}, {0, 0}, {5, 5});
    b.canvas.Chord({5, 5, 20, 5}, {12, 12}, {0, 0});
    b.canvas.RoundRect({30, 30, 20, 20}, 4, 4);
    EXPECT_EQ(b.Count(kRed), 0);
    b.canvas.Ellipse({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
    b.canvas.Arc({-1 << 28, -5, 1 << 28, 5}, {0, 0}, {1, 1});
    b.canvas.RoundRect({-100000, -100000, 100000, 100000}, 500000, 500000);
    EXPECT_EQ(b.At(20, 20), kRed);
    b.canvas.SetClipRegion(Region());
    b.canvas.Ellipse({0, 0, 40, 40});
  }
}

}  // namespace
}  // namespace qorvexctl::platform
