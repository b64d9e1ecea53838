#include "qorvexctl/controls/helpers/clsBalloonTip.h"

#include <gtest/gtest.h>

#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/TextBox.h"
#include "qorvexctl/platform/widgets/TooltipWindow.h"

namespace qorvexctl {
namespace {

using platform::TooltipWindow;

struct BalloonTipFixture : ::testing::Test {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};
  platform::Form form{desktop, "Teste"};
  platform::TextBox& box = form.Add<platform::TextBox>("txtNIF");

  BalloonTipFixture() {
    form.SetBounds(platform::Rect::FromSize(50, 50, 400, 300));
    box.SetBounds(platform::Rect::FromSize(10, 10, 120, 21));
    form.Show();
  }
  TooltipWindow* WindowOf(const clsBalloonTip& tip) {
    return dynamic_cast<TooltipWindow*>(desktop.FromHandle(tip.lHwnd()));
  }
};

TEST_F(BalloonTipFixture, CreateWithoutAParentMakesNoWindow) {
  clsBalloonTip tip(library, desktop);
  EXPECT_FALSE(tip.Create());
  EXPECT_EQ(tip.lHwnd(), 0u);
  EXPECT_EQ(tip.TooltipCount(), 0);
}

TEST_F(BalloonTipFixture, TooltipCountFollowsCreatesAndDestroysAcrossInstances) {
  auto first = std::make_unique<clsBalloonTip>(library, desktop);
  clsBalloonTip second(library, desktop);
  first->ParentControl(&box);
  second.ParentControl(&form);
  EXPECT_FALSE(first->Create());
  second.Create();
  EXPECT_EQ(second.TooltipCount(), 2);
  first->Create();  // replaces its window
  EXPECT_EQ(second.TooltipCount(), 2);
  second.DestroyTip();
  EXPECT_EQ(second.lHwnd(), 0u);
  EXPECT_EQ(second.TooltipCount(), 1);
  second.DestroyTip();
  EXPECT_EQ(second.TooltipCount(), 1);
  const platform::HWND window = first->lHwnd();
  first.reset();
  EXPECT_EQ(library.TooltipCount(), 0);
  EXPECT_EQ(desktop.FromHandle(window), nullptr);
}

TEST_F(BalloonTipFixture, WithoutAWindowTipTextGoesToTheOrdinaryTooltipOnOneLine) {
  clsBalloonTip tip(library, desktop);
  tip.ParentControl(&box);
  tip.TipText("João Silva\n1000-001 Lisboa");
  EXPECT_EQ(box.ToolTipText(), "João Silva - 1000-001 Lisboa");

  tip.Create();
  tip.TipText("Outro\nTexto");
  EXPECT_EQ(box.ToolTipText(), "João Silva - 1000-001 Lisboa");
  EXPECT_EQ(WindowOf(tip)->WindowText(), "Outro\nTexto");
}

TEST_F(BalloonTipFixture, CreateSetsStyleToolFlagsTitleColoursAndDelays) {
  struct Case {
    ttStyleEnum style;
    bool popupOnDemand, centered;
    unsigned windowStyle, toolFlags;
  };
  for (const Case& c :
       {Case{TTBalloon, false, false, 67, 272}, Case{TTStandard, true, false, 3, 273},
        Case{TTBalloon, false, true, 67, 274}, Case{TTStandard, true, true, 3, 275}}) {
    clsBalloonTip tip(library, desktop);
    tip.ParentControl(&box);
    tip.Style(c.style);
    tip.PopupOnDemand(c.popupOnDemand);
    tip.Centered(c.centered);
    tip.Title("NIF");
    tip.ForeColor(RGB(0, 0, 128));
    tip.SetTimeout(250, 3000);
    tip.Create();
    const TooltipWindow* window = WindowOf(tip);
    ASSERT_NE(window, nullptr);
    SCOPED_TRACE(c.windowStyle);
    EXPECT_EQ(window->Style(), c.windowStyle);
    EXPECT_EQ(window->Tool()->flags, c.toolFlags);
    EXPECT_EQ(window->Tool()->rect, box.ClientRect());
    EXPECT_EQ(window->Title(), "NIF");
    EXPECT_EQ(window->Icon(), platform::TTI_INFO);
    EXPECT_EQ(window->TipTextColour(), RGB(0, 0, 128));
    EXPECT_EQ(window->TipBackColour(), 0u);
    EXPECT_EQ(window->DelayTime(platform::TTDT_INITIAL), 250);
    EXPECT_EQ(window->DelayTime(platform::TTDT_AUTOPOP), 3000);
  }
}

TEST_F(BalloonTipFixture, SettersReachACreatedTipOrWaitForTheNextCreate) {
  clsBalloonTip tip(library, desktop);
  tip.ParentControl(&box);
  tip.Create();
  TooltipWindow* window = WindowOf(tip);
  tip.BackColor(RGB(255, 255, 255));
  EXPECT_EQ(window->TipBackColour(), RGB(255, 255, 255));
  tip.Title("Aviso");
  tip.Icon(TTIconWarning);
  EXPECT_EQ(window->Title(), "Aviso");
  EXPECT_EQ(window->Icon(), platform::TTI_WARNING);
  tip.Icon(TTNoIcon);  // title and icon go together: no icon, nothing resent
  EXPECT_EQ(window->Icon(), platform::TTI_WARNING);
  tip.SetTimeout(100, 200);
  tip.Style(TTStandard);
  EXPECT_EQ(window->DelayTime(platform::TTDT_INITIAL), 500);
  EXPECT_EQ(window->Style() & platform::TTS_BALLOON, platform::TTS_BALLOON);
  tip.Create();
  EXPECT_EQ(WindowOf(tip)->DelayTime(platform::TTDT_INITIAL), 100);
  EXPECT_EQ(WindowOf(tip)->Style(), 3u);
}

TEST_F(BalloonTipFixture, TipShowsOnHoverAfterHalfASecondForTenSecondsAndOnDemand) {
  clsBalloonTip tip(library, desktop);
  tip.ParentControl(&box);
  tip.TipText("Número de contribuinte");
  tip.Create();
  desktop.Input().MoveTo(box);
  desktop.Wait(499);
  EXPECT_FALSE(WindowOf(tip)->IsTipShown());
  desktop.Wait(1);
  EXPECT_TRUE(WindowOf(tip)->IsTipShown());
  desktop.Wait(10000);
  EXPECT_FALSE(WindowOf(tip)->IsTipShown());
  tip.ShowNow();
  EXPECT_TRUE(WindowOf(tip)->IsTipShown());
}

TEST_F(BalloonTipFixture, CreatableByName) {
  Registry registry(library);
  ASSERT_TRUE(RegisterBalloonTip(registry, desktop));
  auto component = registry.Create("qorvexctl.CLSBALLOONTIP");
  auto* tip = dynamic_cast<clsBalloonTip*>(component.get());
  ASSERT_NE(tip, nullptr);
  tip->ParentControl(&box);
  tip->Create();
  EXPECT_EQ(library.TooltipCount(), 1);
  component.reset();
  EXPECT_EQ(library.TooltipCount(), 0);
}

}  // namespace
}  // namespace qorvexctl
