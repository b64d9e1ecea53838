#include "qorvexctl/controls/helpers/InfoButton.h"

#include <gtest/gtest.h>

#include "qorvexctl/frame/FormFile.h"
#include "qorvexctl/frame/FormStore.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Compositor.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/TooltipWindow.h"

namespace qorvexctl {
namespace {

using platform::Rect;
using platform::TooltipWindow;

struct InfoButtonFixture : ::testing::Test {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};
  platform::Form form{desktop, "Teste"};
  InfoButton& button = form.Add<InfoButton>("ibAjuda", nullptr, library);
  platform::RecordingShellOpener* shell = nullptr;
  int clicks = 0;

  InfoButtonFixture() {
    auto opener = std::make_unique<platform::RecordingShellOpener>();
    shell = opener.get();
    desktop.SetShellOpener(std::move(opener));
    form.SetBounds(Rect::FromSize(50, 50, 400, 300));
    button.InitProperties();
    button.Move(600, 600);
    button.Click.connect([this] { ++clicks; });
    form.Show();
  }
  TooltipWindow* Tip() {
    return dynamic_cast<TooltipWindow*>(desktop.FromHandle(button.GetTooltipClass().lHwnd()));
  }
};

TEST_F(InfoButtonFixture, KeepsSixteenBySixteenPixelsWhateverSizeItIsGiven) {
  button.Move(300, 450, 2000, 900);
  EXPECT_EQ(button.Bounds(), Rect::FromSize(20, 30, 16, 16));
  button.SetBounds(Rect::FromSize(5, 5, 1, 40));
  EXPECT_EQ(button.Width(), 240);
  EXPECT_EQ(button.Height(), 240);
}

TEST_F(InfoButtonFixture, PointerOverTheButtonBuildsTheTipWithLineBreaks) {
  button.Style(IB_WARNING);
  button.TipText("  Primeira||Segunda\\nTerceira  ");
  desktop.Input().MoveTo(button);
  TooltipWindow* tip = Tip();
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(tip->WindowText(), "Primeira\nSegunda\nTerceira");
  EXPECT_EQ(tip->Title(), "Informação");
  EXPECT_EQ(tip->Icon(), platform::TTI_WARNING);
  EXPECT_EQ(tip->Style(), 67u);
  EXPECT_FALSE(tip->IsTipShown());
  desktop.Wait(500);
  EXPECT_TRUE(tip->IsTipShown());

  // The same text again keeps the same tip; a change builds a new one.
  desktop.Input().MoveTo(button, platform::Point{3, 3});
  EXPECT_EQ(Tip(), tip);
  button.ToolTipStyle(TTS_DEFAULT);
  desktop.Input().MoveTo(button, platform::Point{4, 4});
  ASSERT_NE(Tip(), nullptr);
  EXPECT_EQ(Tip()->Style(), 3u);
  EXPECT_EQ(library.TooltipCount(), 1);
}

TEST_F(InfoButtonFixture, OrdinaryTooltipTextIsTakenOverAndBlankTextRemovesTheTip) {
  button.ToolTipText("Ajuda do campo");
  desktop.Input().MoveTo(button);
  EXPECT_EQ(button.TipText(), "Ajuda do campo");
  EXPECT_EQ(button.ToolTipText(), "");
  ASSERT_NE(Tip(), nullptr);

  button.TipText("   ");
  desktop.Input().MoveTo(button, platform::Point{2, 2});
  EXPECT_EQ(button.GetTooltipClass().lHwnd(), 0u);
  EXPECT_EQ(library.TooltipCount(), 0);
}

TEST_F(InfoButtonFixture, ClickFollowsTheAction) {
  struct Case {
    const char* action;
    int clicks;
    bool tipShown;
    std::vector<std::string> opened;
  };
  const Case cases[] = {
      {"", 1, true, {}},
      {"Click", 1, false, {}},
      {"NoThInG", 0, false, {}},
      {"https://info.example.pt/Artigo 12", 1, false, {"https://info.example.pt/Artigo 12"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.action);
    InfoButton& b = form.Add<InfoButton>("ib", nullptr, library);
    b.InitProperties();
    b.Move(1500, 1500);
    b.TipText("Texto");
    b.Action(c.action);
    clicks = 0;
    b.Click.connect([this] { ++clicks; });
    const std::size_t openedBefore = shell->Opened().size();
    desktop.Input().Click(b);
    EXPECT_EQ(clicks, c.clicks);
    const auto* tip = dynamic_cast<TooltipWindow*>(desktop.FromHandle(b.GetTooltipClass().lHwnd()));
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->IsTipShown(), c.tipShown);
    EXPECT_EQ(
        std::vector<std::string>(shell->Opened().begin() + openedBefore, shell->Opened().end()),
        c.opened);
    b.Visible(false);
  }
}

TEST_F(InfoButtonFixture, PictureFollowsStyleAndEnabled) {
  EXPECT_EQ(button.PictureName(), "IB_INFO");
  button.Style(IB_ERROR);
  EXPECT_EQ(button.PictureName(), "IB_ERROR");
  button.Enabled(false);
  EXPECT_EQ(button.PictureName(), "IB_ERROR_DISABLED");

  for (const char* name : {"IB_INFO", "IB_WARNING", "IB_ERROR"}) {
    const platform::Surface enabled = InfoButtonPicture(name);
    const platform::Surface disabled = InfoButtonPicture(std::string(name) + "_DISABLED");
    ASSERT_EQ(enabled.Width(), 16);
    ASSERT_EQ(disabled.Height(), 16);
    EXPECT_NE(enabled.PixelValue(8, 8), disabled.PixelValue(8, 8)) << name;
    EXPECT_EQ(enabled.PixelValue(0, 0) >> 24, 0u) << name << ": see-through corner";
  }
  EXPECT_TRUE(InfoButtonPicture("IB_OTHER").IsEmpty());
}

TEST_F(InfoButtonFixture, PropertiesRoundTripThroughAFormFile) {
  button.Action("click");
  button.Style(IB_WARNING);
  button.ToolTipStyle(TTS_DEFAULT);
  button.ToolTipTitle("Atenção");
  button.Enabled(false);
  button.TipText("Valor||em euros");
  button.Transparent(true);
  FormFile file;
  file.name = "frmTeste";
  FormControl control{"InfoButton", "ibAjuda", std::nullopt, 0, 0, 240, 240, {}};
  button.WriteProperties(control.properties);
  file.controls.push_back(control);
  const auto loaded = FormFile::FromText(file.ToText());
  ASSERT_TRUE(loaded.has_value());

  InfoButton& copy = form.Add<InfoButton>("ibCopia", nullptr, library);
  copy.ReadProperties(loaded->controls.at(0).properties);
  EXPECT_EQ(copy.Action(), "click");
  EXPECT_EQ(copy.Style(), IB_WARNING);
  EXPECT_EQ(copy.ToolTipStyle(), TTS_DEFAULT);
  EXPECT_EQ(copy.ToolTipTitle(), "Atenção");
  EXPECT_FALSE(copy.Enabled());
  EXPECT_EQ(copy.TipText(), "Valor||em euros");
  EXPECT_TRUE(copy.Transparent());

  // Defaults are not stored; TipText falls back to the stored ordinary tooltip text.
  PropertyBag defaults;
  button.InitProperties();
  button.TipText("");
  button.WriteProperties(defaults);
  EXPECT_EQ(defaults.Count(), 0u);
  defaults.WriteProperty("ToolTipText", "Dica antiga");
  copy.ReadProperties(defaults);
  EXPECT_EQ(copy.TipText(), "Dica antiga");
  EXPECT_EQ(copy.ToolTipTitle(), "Informação");
  EXPECT_TRUE(copy.Enabled());
}

TEST_F(InfoButtonFixture, RestingPointerShowsTheYellowBalloonOnTheDesktop) {
  button.TipText("Indique o NIF do sujeito passivo A||Nove algarismos");
  const platform::Surface before = platform::ComposeDesktop(desktop);
  desktop.Input().MoveTo(button, platform::Point{8, 12});
  desktop.Wait(600);
  ASSERT_TRUE(Tip() && Tip()->IsTipShown());
  const platform::Surface screen = platform::ComposeDesktop(desktop);
  const Rect tip = Tip()->ScreenBounds();
  const Colour yellow = desktop.Colours().Resolve(SystemColour(platform::COLOR_INFOBK));
  int yellowPixels = 0;
  for (int y = tip.top; y < tip.bottom; ++y) {
    for (int x = tip.left; x < tip.right; ++x) yellowPixels += screen.PixelColour(x, y) == yellow;
  }
  EXPECT_GT(yellowPixels, tip.Width() * tip.Height() / 2);
  // The rounded corner away from the stem shows what lies beneath the balloon.
  const platform::Point corner{tip.right - 1, tip.bottom - 1};
  EXPECT_EQ(screen.PixelColour(corner.x, corner.y), before.PixelColour(corner.x, corner.y));
  // The button itself shows its picture.
  const Rect at = button.ScreenBounds();
  EXPECT_NE(screen.PixelColour(at.left + 8, at.top + 8),
            before.PixelColour(at.left - 1, at.top - 1));
}

// The registry makes the button by name, and a form file brings it back with its properties.
TEST_F(InfoButtonFixture, TheRegistryMakesItAndAFormFileBringsItBack) {
  Registry registry(library);
  RegisterInfoButton(registry, desktop);
  EXPECT_NE(dynamic_cast<InfoButton*>(registry.Create("QORVEXCTL.InfoButton").get()), nullptr);

  button.Action("ajuda/guia.pdf");
  button.Style(IB_ERROR);
  button.TipText("Valor||em euros");
  const FormStore store(registry, IntrinsicControls::Standard());
  const FormFile file = FormFile::FromText(store.Capture(form).ToText()).value();
  platform::Form again(desktop, "Cópia");
  const FormLoadReport report = store.Restore(file, again);
  EXPECT_EQ(report.created, 1);
  EXPECT_TRUE(report.skipped.empty());
  auto* copy = dynamic_cast<InfoButton*>(again.FindControl("ibAjuda"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Parent(), &again);
  EXPECT_EQ(copy->Bounds(), button.Bounds());
  EXPECT_EQ(copy->Action(), "ajuda/guia.pdf");
  EXPECT_EQ(copy->Style(), IB_ERROR);
  EXPECT_EQ(copy->TipText(), "Valor||em euros");
}

// A relative Action is opened from the application folder, not the process's folder.
TEST_F(InfoButtonFixture, AnActionIsOpenedFromTheApplicationFolder) {
  library.SetRootFolderCache("/srv/irs/");
  button.Action("ajuda/guia.pdf");
  desktop.Input().Click(button);
  ASSERT_FALSE(shell->Opened().empty());
  EXPECT_EQ(shell->Opened().back(), "ajuda/guia.pdf");
  EXPECT_EQ(shell->WorkingFolders().back(), "/srv/irs/");
  EXPECT_EQ(clicks, 1);
}

TEST_F(InfoButtonFixture, TerminateRemovesTheTip) {
  button.TipText("Texto");
  desktop.Input().MoveTo(button);
  EXPECT_EQ(library.TooltipCount(), 1);
  button.Terminate();
  EXPECT_EQ(library.TooltipCount(), 0);
}

}  // namespace
}  // namespace qorvexctl
