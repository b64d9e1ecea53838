#include "qorvexctl/controls/selection/SelectorGeometry.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace qorvexctl {
namespace {

using platform::Rect;

TEST(SelectorGeometry, NearestTakesHalvesToTheEvenNeighbour) {
  const struct {
    double x;
    int expected;
  } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {1136.67, 1137}, {1116.4, 1116}};
  for (const auto& c : cases) EXPECT_EQ(NearestEven(c.x), c.expected) << c.x;
}

TEST(SelectorGeometry, TheDialogIsPlacedFromTheParentsRectangle) {
  const Rect parent{100, 200, 300, 260};
  const struct {
    GFXPositioning relation;
    int width, height;
    Rect expected;
  } cases[] = {
      // Centred on the parent's top-left corner; halves of odd sizes are taken downwards.
      {GFXPositionCenterObject, 400, 300, {-100, 50, 300, 350}},
      {GFXPositionDefault, 400, 300, {-100, 50, 300, 350}},
      {GFXPositionDefault, 401, 301, {-100, 50, 300, 350}},
      {GFXPositionObjectBelow, 400, 300, {100, 260, 500, 560}},
      {GFXPositionObjectAbove, 400, 300, {100, -100, 500, 200}},
      {GFXPositionObjectLeft, 400, 300, {-300, 200, 100, 500}},
      {GFXPositionObjectRight, 400, 300, {300, 200, 700, 500}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PlacedNextTo(c.relation, parent, c.width, c.height), c.expected)
        << "relation " << c.relation << ", " << c.width << " x " << c.height;
  }
}

TEST(SelectorGeometry, TheOpeningGrowsInSevenStepsThenTakesTheTarget) {
  const Rect from{100, 200, 300, 260};
  const Rect to{-100, 50, 300, 350};
  const std::vector<TwipsBox> frames = ZoomFrames(from, to, 6000, 4500);
  ASSERT_EQ(frames.size(), 8u);
  // Step i: the corner moves i sevenths of the way (pixels to twips), the size grows to i
  // sevenths of the form's, plus one twip.
  const struct {
    std::size_t step;
    TwipsBox expected;
  } cases[] = {
      {0, {1500 - 3000.0 / 7, 3000 - 2250.0 / 7, 6000.0 / 7 + 1, 4500.0 / 7 + 1}},
      {3, {1500 - 4 * 3000.0 / 7, 3000 - 4 * 2250.0 / 7, 4 * 6000.0 / 7 + 1, 4 * 4500.0 / 7 + 1}},
      {6, {-1500, 750, 6001, 4501}},
      {7, {-1500, 750, 6000, 4500}},  // the final placement: the target rectangle in twips
  };
  for (const auto& c : cases) {
    const TwipsBox& f = frames[c.step];
    EXPECT_NEAR(f.left, c.expected.left, 1e-6) << c.step;
    EXPECT_NEAR(f.top, c.expected.top, 1e-6) << c.step;
    EXPECT_NEAR(f.width, c.expected.width, 1e-6) << c.step;
    EXPECT_NEAR(f.height, c.expected.height, 1e-6) << c.step;
  }
}

// A frame of `width` x `height` twips with a 450-twip OK button and no labels.
GridFrame Frame(double width, double height, int buttons) {
  return GridFrame{width, height, 450, false, 0, false, 0, buttons};
}

TEST(SelectorGeometry, TheGridFillsRowsLeftToRight) {
  const struct {
    const char* name;
    GridFrame frame;
    std::vector<TwipsBox> expected;
  } cases[] = {
      // G = 5000 - 450 - 120 - 840 = 3590: three buttons of 1117 fit in one column as wide as
      // the form allows (6880).
      {"one column under both labels",
       GridFrame{7000, 5000, 450, true, 480, true, 300, 3},
       {{60, 840, 6880, 1117}, {60, 2017, 6880, 1117}, {60, 3194, 6880, 1117}}},
      {"title only", GridFrame{7000, 5000, 450, true, 480, false, 300, 1}, {{60, 540, 6880, 3770}}},
      {"subtitle only", GridFrame{7000, 5000, 450, false, 480, true, 300, 1},
       {{60, 360, 6880, 3950}}},
      // G = 1000: one column would give buttons of 273; two give 1.5 rows, taken as 2.
      {"three buttons in two columns",
       Frame(5000, 1630, 3),
       {{60, 60, 2440, 567}, {2560, 60, 2440, 567}, {60, 687, 2440, 567}}},
      // G = 1500: 2.5 rows are taken as 2 (halves to even), so the fifth button is left out.
      {"five buttons in two columns reach four",
       Frame(5000, 2130, 5),
       {{60, 60, 2440, 516}, {2560, 60, 2440, 516}, {60, 636, 2440, 516}, {2560, 636, 2440, 516}}},
      // WA = 2500 exactly and G = 500: three columns of 833 are widened to 1250, past the
      // form's right edge.
      {"narrowest grid keeps the narrowest button",
       Frame(2620, 1130, 3),
       {{60, 60, 1250, 380}, {1370, 60, 1250, 380}, {2680, 60, 1250, 380}}},
  };
  for (const auto& c : cases) {
    const auto places = ButtonGrid(c.frame);
    ASSERT_TRUE(places) << c.name;
    EXPECT_EQ(*places, c.expected) << c.name;
  }
}

TEST(SelectorGeometry, AFormTooNarrowOrTooLowHasNoGrid) {
  const struct {
    const char* name;
    GridFrame frame;
    bool grid;
  } cases[] = {
      {"available width 2480", Frame(2600, 3000, 1), false},
      {"available width 2500", Frame(2620, 3000, 1), true},
      {"grid height 374", Frame(5000, 1004, 1), false},
      {"grid height 375", Frame(5000, 1005, 1), true},
  };
  for (const auto& c : cases) EXPECT_EQ(ButtonGrid(c.frame).has_value(), c.grid) << c.name;
}

}  // namespace
}  // namespace qorvexctl
