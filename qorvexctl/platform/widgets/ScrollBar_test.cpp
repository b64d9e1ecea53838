#include "qorvexctl/platform/widgets/ScrollBar.h"

#include <gtest/gtest.h>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl::platform {
namespace {

// A vertical bar 16 x 200: arrows of 16 pixels at both ends, a track of 168 between them.
struct ScrollBarFixture : ::testing::Test {
  Desktop desktop;
  Form form{desktop, "Teste"};
  ScrollBar& bar = form.Add<ScrollBar>("VScroll1");
  int changes = 0;
  int scrolls = 0;

  ScrollBarFixture() {
    bar.SetBounds(Rect::FromSize(10, 10, 16, 200));
    bar.Max(100);
    bar.LargeChange(10);
    form.Show();
    bar.Change.connect([this] { ++changes; });
    bar.Scroll.connect([this] { ++scrolls; });
  }
  static constexpr Point kLowArrow{8, 8};
  static constexpr Point kHighArrow{8, 192};
};

TEST_F(ScrollBarFixture, ValueStaysWithinTheRangeAndChangeFiresOnlyWhenItMoves) {
  bar.Value(150);
  EXPECT_EQ(bar.Value(), 100);
  bar.Value(100);
  bar.Value(-3);
  EXPECT_EQ(bar.Value(), 0);
  EXPECT_EQ(changes, 2);

  bar.Value(80);
  bar.Max(50);  // a smaller range pulls the value in, which is a change
  EXPECT_EQ(bar.Value(), 50);
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(scrolls, 0);
}

TEST_F(ScrollBarFixture, ArrowsStepBySmallChangeAndTheTrackByLargeChange) {
  bar.SmallChange(2);
  desktop.Input().Click(bar, kHighArrow);
  EXPECT_EQ(bar.Value(), 2);
  desktop.Input().Click(bar, Point{8, 150});  // below the thumb
  EXPECT_EQ(bar.Value(), 12);
  desktop.Input().Click(bar, kLowArrow);
  EXPECT_EQ(bar.Value(), 10);
  desktop.Input().Click(bar, Point{8, 17});  // above the thumb
  EXPECT_EQ(bar.Value(), 0);
  EXPECT_EQ(changes, 4);
  desktop.Input().Click(bar, kLowArrow);  // already at Min
  EXPECT_EQ(changes, 4);
}

TEST_F(ScrollBarFixture, AHeldArrowRepeatsUntilReleased) {
  desktop.Input().MouseDown(bar, kHighArrow);
  desktop.Wait(1000);
  desktop.Input().MouseUp(bar, kHighArrow);
  const int held = bar.Value();
  // One step at the press, one after the first delay, then one per repeat interval.
  EXPECT_GT(held, 10);
  EXPECT_EQ(changes, held);
  desktop.Wait(1000);
  EXPECT_EQ(bar.Value(), held);
}

TEST_F(ScrollBarFixture, AHeldTrackStopsWhenTheThumbReachesThePointer) {
  desktop.Input().MouseDown(bar, Point{8, 100});
  desktop.Wait(5000);
  desktop.Input().MouseUp(bar, Point{8, 100});
  const ScrollBar::Layout layout = bar.GetLayout();
  EXPECT_LE(layout.thumb.top, 100);
  EXPECT_LT(bar.Value(), 100);
}

TEST_F(ScrollBarFixture, DraggingTheThumbRaisesScrollThenOneChangeOnRelease) {
  const Rect thumb = bar.GetLayout().thumb;
  ASSERT_FALSE(thumb.IsEmpty());
  const Point grab{8, thumb.top + 4};
  const int travel = bar.GetLayout().track.Height() - thumb.Height();
  desktop.Input().MouseDown(bar, grab);
  desktop.Input().MoveTo(bar, Point{8, grab.y + travel / 4});
  desktop.Input().MoveTo(bar, Point{8, grab.y + travel / 2});
  EXPECT_EQ(bar.Value(), 50);
  EXPECT_EQ(scrolls, 2);
  EXPECT_EQ(changes, 0);
  desktop.Input().MouseUp(bar, Point{8, grab.y + travel / 2});
  EXPECT_EQ(changes, 1);

  desktop.Input().MouseDown(bar, Point{8, bar.GetLayout().thumb.top + 4});
  desktop.Input().MoveTo(bar, Point{8, 1000});  // far past the end: the thumb stops at Max
  desktop.Input().MouseUp(bar, Point{8, 1000});
  EXPECT_EQ(bar.Value(), 100);
}

TEST_F(ScrollBarFixture, MinAboveMaxRunsReversed) {
  bar.Min(100);
  bar.Max(0);
  bar.Value(0);
  EXPECT_EQ(bar.GetLayout().thumb.bottom, bar.GetLayout().track.bottom);
  desktop.Input().Click(bar, kLowArrow);  // towards Min
  EXPECT_EQ(bar.Value(), 1);
  bar.Value(250);
  EXPECT_EQ(bar.Value(), 100);
  EXPECT_EQ(bar.GetLayout().thumb.top, bar.GetLayout().track.top);
}

TEST_F(ScrollBarFixture, KeysMoveTheFocusedBar) {
  bar.SetFocus();
  desktop.Input().PressKey(vbKeyDown);
  desktop.Input().PressKey(vbKeyPageDown);
  EXPECT_EQ(bar.Value(), 11);
  desktop.Input().PressKey(vbKeyEnd);
  EXPECT_EQ(bar.Value(), 100);
  desktop.Input().PressKey(vbKeyHome);
  EXPECT_EQ(bar.Value(), 0);
}

TEST_F(ScrollBarFixture, AnEmptyRangeHasNoThumbAndIgnoresClicks) {
  bar.Max(0);
  EXPECT_TRUE(bar.GetLayout().thumb.IsEmpty());
  desktop.Input().Click(bar, kHighArrow);
  EXPECT_EQ(bar.Value(), 0);
  EXPECT_EQ(changes, 0);
}

TEST(ScrollBar, HorizontalBarsLayOutAlongTheWidth) {
  Desktop desktop;
  Form form{desktop, "Teste"};
  auto& bar = form.Add<ScrollBar>("HScroll1", nullptr, ScrollBarOrientation::Horizontal);
  bar.SetBounds(Rect::FromSize(0, 0, 120, 16));
  bar.Max(10);
  form.Show();
  EXPECT_EQ(bar.TypeName(), "HScrollBar");
  EXPECT_EQ(bar.GetLayout().highArrow, Rect::FromSize(104, 0, 16, 16));
  desktop.Input().Click(bar, Point{110, 8});
  EXPECT_EQ(bar.Value(), 1);
}

}  // namespace
}  // namespace qorvexctl::platform
