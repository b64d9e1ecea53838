#include "qorvexctl/platform/drawing/Region.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

namespace qorvexctl::platform {
namespace {

int Area(const Region& r) {
  int area = 0;
  for (const Rect& rect : r.Rects()) area += rect.Width() * rect.Height();
  return area;
}

TEST(Region, RectangleExcludesItsRightAndBottomEdges) {
  const Region r = Region::FromRect({2, 3, 6, 8});
  EXPECT_TRUE(r.Contains(2, 3));
  EXPECT_TRUE(r.Contains(5, 7));
  EXPECT_FALSE(r.Contains(6, 7));
  EXPECT_FALSE(r.Contains(5, 8));
  EXPECT_EQ(r.Bounds(), (Rect{2, 3, 6, 8}));
  EXPECT_TRUE(Region::FromRect({5, 5, 5, 9}).IsEmpty());
  EXPECT_TRUE(Region::FromRect({5, 5, 1, 1}).IsEmpty());
}

TEST(Region, EllipseHoldsThePixelsWhoseCentresAreInside) {
  const Region e = Region::FromEllipse({0, 0, 10, 10});
  EXPECT_TRUE(e.Contains(5, 5));
  EXPECT_TRUE(e.Contains(0, 4));
  EXPECT_TRUE(e.Contains(9, 5));
  EXPECT_FALSE(e.Contains(0, 0));
  EXPECT_FALSE(e.Contains(9, 9));
  EXPECT_FALSE(e.Contains(10, 5));
  EXPECT_EQ(e.Bounds(), (Rect{0, 0, 10, 10}));
  // Symmetric in both axes.
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      EXPECT_EQ(e.Contains(x, y), e.Contains(9 - x, y)) << x << "," << y;
      EXPECT_EQ(e.Contains(x, y), e.Contains(x, 9 - y)) << x << "," << y;
    }
  }
  EXPECT_NEAR(Area(Region::FromEllipse({0, 0, 100, 60})), 3.14159 * 50 * 30, 60);
  EXPECT_TRUE(Region::FromEllipse({0, 0, 0, 10}).IsEmpty());
}

TEST(Region, RoundRectRoundsOnlyItsCornersAndSpansSquareToEllipse) {
  const Region r = Region::FromRoundRect({0, 0, 40, 20}, 10, 8);
  EXPECT_FALSE(r.Contains(0, 0));
  EXPECT_FALSE(r.Contains(39, 19));
  EXPECT_TRUE(r.Contains(20, 0));
  EXPECT_TRUE(r.Contains(0, 10));
  EXPECT_TRUE(r.Contains(2, 1));
  EXPECT_EQ(r.Bounds(), (Rect{0, 0, 40, 20}));
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) {
      EXPECT_EQ(r.Contains(x, y), r.Contains(39 - x, 19 - y)) << x << "," << y;
    }
  }
  // Each corner loses what a quarter of a 10 x 8 ellipse leaves of its 5 x 4 box.
  EXPECT_NEAR(40 * 20 - Area(r), 4 * (20 - 3.14159 * 5 * 4 / 4), 4);
  EXPECT_EQ(Region::FromRoundRect({3, 4, 20, 9}, 0, 6), Region::FromRect({3, 4, 20, 9}));
  EXPECT_EQ(Region::FromRoundRect({3, 4, 20, 9}, 100, 100), Region::FromEllipse({3, 4, 20, 9}));
  EXPECT_TRUE(Region::FromRoundRect({3, 4, 3, 9}, 2, 2).IsEmpty());
}

TEST(Region, PolygonWithFractionalVerticesSamplesPixelCentres) {
  const std::array<PointF, 4> square = {{{0.4, 0.4}, {3.6, 0.4}, {3.6, 3.6}, {0.4, 3.6}}};
  const Region r = Region::FromPolygon(square, FillMode::Alternate);
  EXPECT_EQ(r, Region::FromRect({0, 0, 4, 4}));
  const std::array<PointF, 4> shifted = {{{0.6, 0.6}, {3.4, 0.6}, {3.4, 3.4}, {0.6, 3.4}}};
  EXPECT_EQ(Region::FromPolygon(shifted, FillMode::Alternate), Region::FromRect({1, 1, 3, 3}));
}

TEST(Region, TriangleMembership) {
  const std::array<Point, 3> triangle = {{{0, 0}, {10, 0}, {0, 10}}};
  const Region t = Region::FromPolygon(triangle, FillMode::Alternate);
  EXPECT_TRUE(t.Contains(0, 0));
  EXPECT_TRUE(t.Contains(8, 0));
  EXPECT_TRUE(t.Contains(4, 4));
  EXPECT_FALSE(t.Contains(5, 5));
  EXPECT_FALSE(t.Contains(9, 9));
  EXPECT_EQ(Area(t), 45);  // rows of 9, 8, ... 0 pixel centres
}

// A five-pointed star drawn in one stroke: its centre is crossed twice, so the alternate rule
// leaves a hole there and the winding rule fills it.
TEST(Region, SelfCrossingPolygonDependsOnTheFillMode) {
  const std::array<Point, 5> star = {{{50, 0}, {79, 90}, {2, 35}, {97, 35}, {21, 90}}};
  const Region alternate = Region::FromPolygon(star, FillMode::Alternate);
  const Region winding = Region::FromPolygon(star, FillMode::Winding);
  EXPECT_FALSE(alternate.Contains(50, 50));
  EXPECT_TRUE(winding.Contains(50, 50));
  EXPECT_TRUE(alternate.Contains(50, 10));  // a point of the star
  EXPECT_TRUE(winding.Contains(50, 10));
  EXPECT_FALSE(winding.Contains(5, 80));
}

TEST(Region, CombineModes) {
  const Region a = Region::FromRect({0, 0, 10, 10});
  const Region b = Region::FromRect({5, 5, 15, 15});
  EXPECT_EQ(Area(Region::Combine(a, b, CombineMode::And)), 25);
  EXPECT_EQ(Area(Region::Combine(a, b, CombineMode::Or)), 175);
  EXPECT_EQ(Area(Region::Combine(a, b, CombineMode::Xor)), 150);
  EXPECT_EQ(Area(Region::Combine(a, b, CombineMode::Diff)), 75);
  EXPECT_EQ(Region::Combine(a, b, CombineMode::Copy), a);
  const Region diff = Region::Combine(a, b, CombineMode::Diff);
  EXPECT_TRUE(diff.Contains(4, 9));
  EXPECT_FALSE(diff.Contains(5, 5));
  // Touching rectangles merge into one.
  const Region joined = Region::Combine(a, Region::FromRect({10, 0, 20, 10}), CombineMode::Or);
  EXPECT_EQ(joined.Rects().size(), 1u);
  EXPECT_EQ(joined, Region::FromRect({0, 0, 20, 10}));
}

TEST(Region, CombiningWithEmptyRegions) {
  const Region a = Region::FromRect({0, 0, 10, 10});
  const Region empty;
  EXPECT_EQ(Region::Combine(a, empty, CombineMode::Or), a);
  EXPECT_TRUE(Region::Combine(a, empty, CombineMode::And).IsEmpty());
  EXPECT_EQ(Region::Combine(a, empty, CombineMode::Diff), a);
  EXPECT_TRUE(Region::Combine(empty, empty, CombineMode::Xor).IsEmpty());
  EXPECT_EQ(empty.Bounds(), Rect{});
  EXPECT_FALSE(empty.Contains(0, 0));
  EXPECT_TRUE(empty.Frame(2, 2).IsEmpty());
}

TEST(Region, OffsetMovesEverySpan) {
  Region e = Region::FromEllipse({0, 0, 10, 10});
  const Region original = e;
  e.Offset(100, -50);
  EXPECT_EQ(e.Bounds(), (Rect{100, -50, 110, -40}));
  EXPECT_EQ(e.Contains(105, -45), original.Contains(5, 5));
  EXPECT_EQ(e.Contains(100, -50), original.Contains(0, 0));
}

TEST(Region, FrameIsAnOutlineOfTheGivenWidth) {
  const Region ring = Region::FromRect({0, 0, 10, 8}).Frame(2, 1);
  EXPECT_TRUE(ring.Contains(0, 4));
  EXPECT_TRUE(ring.Contains(1, 4));
  EXPECT_FALSE(ring.Contains(2, 4));
  EXPECT_TRUE(ring.Contains(8, 4));
  EXPECT_TRUE(ring.Contains(4, 0));
  EXPECT_FALSE(ring.Contains(4, 1));
  EXPECT_TRUE(ring.Contains(4, 7));
  EXPECT_EQ(Area(ring), 80 - 6 * 6);
  // An ellipse outline one pixel wide is closed and thin.
  const Region e = Region::FromEllipse({0, 0, 21, 21});
  const Region outline = e.Frame(1, 1);
  EXPECT_TRUE(outline.Contains(10, 0));
  EXPECT_FALSE(outline.Contains(10, 1));
  EXPECT_FALSE(outline.Contains(10, 10));
}

TEST(Region, HugeCoordinatesAreClampedNotOverflowed) {
  const Region huge = Region::FromRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
  EXPECT_TRUE(huge.Contains(0, 0));
  EXPECT_TRUE(huge.Contains(-1000000, 1000000));
  Region moved = huge;
  moved.Offset(INT_MAX, INT_MAX);
  EXPECT_FALSE(moved.IsEmpty());
  const Region bigEllipse =
      Region::FromEllipse({INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2});
  EXPECT_TRUE(bigEllipse.Contains(0, 0));
  const std::array<Point, 3> wild = {{{INT_MIN, INT_MIN}, {INT_MAX, 0}, {0, INT_MAX}}};
  EXPECT_TRUE(Region::FromPolygon(wild, FillMode::Winding).Contains(0, 0));
  EXPECT_TRUE(huge.Intersects({5, 5, 6, 6}));
  EXPECT_FALSE(Region::FromRect({0, 0, 4, 4}).Intersects({4, 0, 8, 4}));
}

TEST(Region, ForEachSpanStaysInsideTheWindow) {
  const Region e = Region::FromEllipse({-10, -10, 30, 30});
  int pixels = 0;
  e.ForEachSpan({0, 0, 8, 8}, [&](int y, int left, int right) {
    EXPECT_GE(y, 0);
    EXPECT_LT(y, 8);
    EXPECT_GE(left, 0);
    EXPECT_LE(right, 8);
    pixels += right - left;
  });
  EXPECT_EQ(pixels, 64);
}

}  // namespace
}  // namespace qorvexctl::platform
