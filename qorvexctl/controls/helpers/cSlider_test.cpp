// cSlider: widths folded and unfolded, the handle's place and captions, Slided.

#include "qorvexctl/controls/helpers/cSlider.h"

#include <gtest/gtest.h>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl {
namespace {

struct SliderTest : ::testing::Test {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};
  platform::Form form{desktop, "Painel"};
  cSlider panel{library, desktop, &form};
  int slided = 0;

  SliderTest() {
    form.SetBounds(platform::Rect::FromSize(0, 0, 600, 300));
    panel.Move(0, 0, 3000, 1500);
    panel.Slided.connect([this] { ++slided; });
  }
};

TEST_F(SliderTest, AnEmptyPanelUnfoldsToTheButtonAndTheMargin) {
  EXPECT_TRUE(panel.SlideOpen());
  panel.SlideOpen(false);
  panel.SlideOpen(true);
  EXPECT_EQ(panel.Width(), panel.cc().Width() + kSlideMarginTwips);
  EXPECT_EQ(slided, 2);
}

TEST_F(SliderTest, FoldingAndUnfoldingMovesOnlyTheWidthAndTheHandle) {
  platform::TextBox box(panel);
  box.Move(120, 300, 2400, 300);
  platform::TextBox other(panel);
  other.Move(600, 900, 900, 300);
  const int button = panel.cc().Width();

  panel.SlideOpen(false);
  EXPECT_EQ(panel.Width(), button);
  EXPECT_EQ(panel.cc().Left(), 0);
  EXPECT_EQ(panel.cc().Caption(), kUnfoldCaption);

  panel.SlideOpen(true);
  EXPECT_EQ(panel.Width(), 2520 + button + kSlideMarginTwips);
  EXPECT_EQ(panel.cc().Left(), panel.Width() - button);
  EXPECT_EQ(panel.cc().Caption(), kFoldCaption);
  EXPECT_EQ(panel.cc().Height(), panel.Height());
  EXPECT_EQ(box.Left(), 120);
  EXPECT_EQ(other.Top(), 900);
  EXPECT_EQ(panel.Children().back(), &panel.cc());
  EXPECT_EQ(slided, 2);
}

TEST_F(SliderTest, SettingTheSameStateRaisesNothing) {
  panel.SlideOpen(true);
  EXPECT_EQ(slided, 0);
  panel.cc().Click();
  EXPECT_FALSE(panel.SlideOpen());
  EXPECT_EQ(slided, 1);
}

TEST_F(SliderTest, HoverLookOfTheHandle) {
  EXPECT_EQ(panel.cc().ButtonStyle(), efbxp_hover);
  EXPECT_EQ(panel.cc().GradientMode(), efbxp_NoGradient);
  bool over = true;
  panel.cc().MouseOnButton(over);
  EXPECT_EQ(panel.cc().ButtonStyle(), efbxp_XP);
  EXPECT_EQ(panel.cc().GradientMode(), efbxp_Top2Bottom);
  EXPECT_EQ(panel.cc().ForeColor(), RGB(0, 0, 0xC0));
}

// The captions are symbol-font characters: drawn in that font they are arrows, not letters.
TEST_F(SliderTest, TheHandleDrawsItsCaptionsAsArrows) {
  EXPECT_EQ(panel.cc().Font().Face(), kArrowFontFace);
  const platform::Font arrows = panel.cc().Font();
  const platform::Font letters("DejaVu Sans", arrows.PointSize(), arrows.Bold());
  EXPECT_EQ(arrows.Rasterise(kFoldCaption).coverage, letters.Rasterise("⬅").coverage);
  EXPECT_EQ(arrows.Rasterise(kUnfoldCaption).coverage, letters.Rasterise("➡").coverage);
}

}  // namespace
}  // namespace qorvexctl
