// cButton behaviour: access keys, modes and option groups, mouse, hover timer, keyboard,
// refusals in design mode, tooltips and the persisted properties.

#include "qorvexctl/controls/button/cButton.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "qorvexctl/controls/button/ButtonTest.h"
#include "qorvexctl/controls/button/ButtonText.h"
#include "qorvexctl/controls/button/OptionGroup.h"
#include "qorvexctl/frame/FormStore.h"
#include "qorvexctl/frame/PropertyBag.h"
#include "qorvexctl/frame/Registry.h"

namespace qorvexctl {
namespace {

using Log = std::vector<std::string>;

TEST(ButtonText, TheAccessKeyFollowsTheLastSingleAmpersand) {
  const struct {
    const char* caption;
    char32_t key;
  } cases[] = {
      {"Save && &Close", U'c'}, {"&Gravar", U'g'}, {"A&b &Cd", U'c'},
      {"Fish && Chips", 0},     {"End&", 0},       {"", 0},
      {"&&&X", U'x'},           {"&Ção", U'ç'},
  };
  for (const auto& c : cases) EXPECT_EQ(AccessKeyOf(c.caption), c.key) << c.caption;
}

TEST(ButtonText, LinesBreakAtDoubleBarsAndTipsAtBackslashThirteen) {
  EXPECT_EQ(CaptionLines("Um||Dois"), (std::vector<std::string>{"Um", "Dois"}));
  EXPECT_EQ(CaptionLines("Só"), (std::vector<std::string>{"Só"}));
  EXPECT_EQ(CaptionWithoutAmpersands("Save && &Close"), "Save  Close");
  EXPECT_EQ(TooltipWithLineBreaks("Linha 1\\13Linha 2"), "Linha 1\nLinha 2");
}

TEST_F(ButtonTest, AltAndTheAccessKeyClicksTheButton) {
  cButton& save = MakeButton("cmdSave");
  save.Caption("Save && &Close");
  input.PressKey('C', platform::vbAltMask);
  EXPECT_EQ(log, Log{"cmdSave Click"});
}

TEST_F(ButtonTest, AClickRaisesMouseDownMouseUpThenClick) {
  cButton& b = MakeButton("cmd");
  input.Click(b);
  EXPECT_EQ(log, (Log{"cmd MouseOnButton True", "cmd MouseDown 1", "cmd MouseUp 1", "cmd Click"}));
  EXPECT_FALSE(b.IsPressed());
}

TEST_F(ButtonTest, ADoubleClickReportsTheButtonAndShowsTheSecondPress) {
  cButton& b = MakeButton("cmd");
  std::vector<int> doubleClicks;
  b.DoubleClick.connect([&](int& button) { doubleClicks.push_back(button); });
  input.DoubleClick(b);
  EXPECT_EQ(doubleClicks, std::vector<int>{1});
  // The second press is a press of its own: down, up and a second Click.
  EXPECT_EQ(std::count(log.begin(), log.end(), "cmd MouseDown 1"), 2);
  EXPECT_EQ(std::count(log.begin(), log.end(), "cmd Click"), 2);
  EXPECT_FALSE(b.IsPressed());
}

TEST_F(ButtonTest, ACheckButtonClickedTwiceRaisesTwoClicksAndEndsOff) {
  cButton& b = MakeButton("chk");
  b.Mode(efbxp_CheckBox);
  input.Click(b);
  EXPECT_TRUE(b.Value());
  input.Click(b);
  EXPECT_FALSE(b.Value());
  EXPECT_EQ(std::count(log.begin(), log.end(), "chk Click"), 2);
}

TEST_F(ButtonTest, ValueTrueIsRefusedInCommandModeWithABoxOnlyInDesignMode) {
  cButton& b = MakeButton("cmd");
  b.Value(true);
  EXPECT_FALSE(b.Value());
  EXPECT_TRUE(BoxesShown().empty());
  DesignMode(b);
  b.Value(true);
  EXPECT_FALSE(b.Value());
  ASSERT_EQ(BoxesShown().size(), 1u);
  EXPECT_EQ(BoxesShown()[0].text, "This property is not applicable for command button modes.");
  EXPECT_EQ(BoxesShown()[0].icon, platform::MessageBoxIcon::Information);
}

TEST_F(ButtonTest, LeavingCheckOrOptionModeClearsTheValue) {
  cButton& b = MakeButton("b");
  b.Mode(efbxp_CheckBox);
  b.Value(true);
  b.Mode(efbxp_CheckBox);
  EXPECT_TRUE(b.Value());
  b.Mode(efbxp_CommandButton);
  EXPECT_FALSE(b.Value());
  b.Mode(efbxp_OptionButton);
  b.Value(true);
  b.Mode(efbxp_CheckBox);
  EXPECT_FALSE(b.Value());
  b.Mode(static_cast<ButtonModeConstants>(3));
  EXPECT_EQ(b.Mode(), efbxp_CheckBox);
}

TEST_F(ButtonTest, OptionButtonsOfOneContainerFormAGroup) {
  cButton& first = MakeButton("opt1", {10, 10, 110, 40});
  cButton& second = MakeButton("opt2", {10, 50, 110, 80});
  cButton& third = MakeButton("opt3", {10, 90, 110, 120});
  for (cButton* b : {&first, &second, &third}) b->Mode(efbxp_OptionButton);
  EXPECT_EQ(form.GetProp(kOptCountProperty), 3);
  first.Value(true);
  second.Value(true);
  third.Value(true);
  EXPECT_FALSE(first.Value());
  EXPECT_FALSE(second.Value());
  EXPECT_TRUE(third.Value());

  second.Mode(efbxp_CommandButton);
  EXPECT_EQ(form.GetProp(kOptCountProperty), 2);
  EXPECT_EQ(form.GetProp("efbxp_Obj1"), static_cast<std::intptr_t>(first.hWnd()));
  EXPECT_EQ(form.GetProp("efbxp_Obj2"), static_cast<std::intptr_t>(third.hWnd()));
  EXPECT_EQ(form.GetProp("efbxp_Obj3"), 0);
}

TEST_F(ButtonTest, TheGroupPropertiesGoWithTheLastMember) {
  {
    cButton& only = MakeButton("opt");
    only.Mode(efbxp_OptionButton);
    EXPECT_EQ(form.GetProp(kOptCountProperty), 1);
    buttons.clear();
  }
  EXPECT_EQ(form.GetProp(kOptCountProperty), 0);
  EXPECT_EQ(form.GetProp("efbxp_Obj1"), 0);
}

TEST_F(ButtonTest, AnOptionButtonThatIsOnRaisesNoClickWhenClickedAgain) {
  cButton& b = MakeButton("opt");
  b.Mode(efbxp_OptionButton);
  input.Click(b);
  EXPECT_TRUE(b.Value());
  log.clear();
  input.Click(b);
  EXPECT_EQ(std::count(log.begin(), log.end(), "opt Click"), 0);
}

TEST_F(ButtonTest, FocusTurnsOnAnOptionButtonWhenNoneOfItsGroupIsOn) {
  cButton& first = MakeButton("opt1", {10, 10, 110, 40});
  cButton& second = MakeButton("opt2", {10, 50, 110, 80});
  first.Mode(efbxp_OptionButton);
  second.Mode(efbxp_OptionButton);
  first.SetFocus();
  EXPECT_TRUE(first.Value());
  EXPECT_EQ(log, Log{"opt1 Click"});
  second.SetFocus();
  EXPECT_FALSE(second.Value());  // a member is already on
}

TEST_F(ButtonTest, ArrowKeysGoToTheContainerWithTheirScanCodes) {
  cButton& b = MakeButton("cmd");
  b.SetFocus();
  const struct {
    int key;
    platform::LPARAM lParam;
  } arrows[] = {{platform::vbKeyLeft, 0x4B0001},
                {platform::vbKeyUp, 0x480001},
                {platform::vbKeyRight, 0x4D0001},
                {platform::vbKeyDown, 0x500001}};
  for (const auto& arrow : arrows) {
    form.messages.clear();
    input.PressKey(arrow.key);
    const auto found = std::ranges::find_if(form.messages, [&](const platform::Message& m) {
      return m.msg == platform::WM_KEYDOWN && m.wParam == static_cast<platform::WPARAM>(arrow.key);
    });
    ASSERT_NE(found, form.messages.end()) << arrow.key;
    EXPECT_EQ(found->lParam, arrow.lParam) << arrow.key;
  }
  EXPECT_TRUE(log.empty());  // no KeyDown, no KeyUp
}

TEST_F(ButtonTest, AnArrowKeyUpTurnsOnAnOptionButtonThatIsOff) {
  cButton& first = MakeButton("opt1", {10, 10, 110, 40});
  cButton& second = MakeButton("opt2", {10, 50, 110, 80});
  first.Mode(efbxp_OptionButton);
  second.Mode(efbxp_OptionButton);
  first.SetFocus();
  second.SetFocus();
  log.clear();
  input.PressKey(platform::vbKeyDown);
  EXPECT_TRUE(second.Value());
  EXPECT_FALSE(first.Value());
  EXPECT_EQ(log, Log{"opt2 Click"});
}

TEST_F(ButtonTest, TheSpaceBarPressesAndReleaseClicks) {
  cButton& cmd = MakeButton("cmd", {10, 10, 110, 40});
  cButton& chk = MakeButton("chk", {10, 50, 110, 80});
  chk.Mode(efbxp_CheckBox);
  cmd.SetFocus();
  input.KeyDown(platform::vbKeySpace);
  EXPECT_TRUE(cmd.IsPressed());
  input.KeyUp(platform::vbKeySpace);
  EXPECT_FALSE(cmd.IsPressed());
  chk.SetFocus();
  input.PressKey(platform::vbKeySpace);
  EXPECT_TRUE(chk.Value());
  // Command mode redraws and clicks; check mode raises KeyUp before its Click.
  EXPECT_EQ(log, (Log{"cmd Click", "chk KeyUp 32", "chk Click"}));
}

TEST_F(ButtonTest, OtherKeysAreReportedAndShiftUpIsSwallowed) {
  cButton& b = MakeButton("cmd");
  b.SetFocus();
  input.PressKey('A');
  input.PressKey(platform::vbKeyShift);
  EXPECT_EQ(log, (Log{"cmd KeyDown 65", "cmd KeyUp 65", "cmd KeyDown 16"}));
}

TEST_F(ButtonTest, EnterAndEscapeClickTheDefaultAndCancelButtonsOnlyInCommandMode) {
  cButton& ok = MakeButton("cmdOK", {10, 10, 110, 40});
  cButton& cancel = MakeButton("cmdCancel", {120, 10, 220, 40});
  cButton& other = MakeButton("txt", {10, 50, 110, 80});
  form.SetDefaultButton(&ok);
  form.SetCancelButton(&cancel);
  other.SetFocus();
  input.PressKey(platform::vbKeyReturn);
  input.PressKey(platform::vbKeyEscape);
  EXPECT_EQ(std::count(log.begin(), log.end(), "cmdOK Click"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "cmdCancel Click"), 1);
  ok.Mode(efbxp_CheckBox);
  cancel.Mode(efbxp_OptionButton);
  log.clear();
  input.PressKey(platform::vbKeyReturn);
  input.PressKey(platform::vbKeyEscape);
  EXPECT_EQ(std::count(log.begin(), log.end(), "cmdOK Click"), 0);
  EXPECT_EQ(std::count(log.begin(), log.end(), "cmdCancel Click"), 0);
}

// A custom shape is the picture's solid pixels; while pressed it moves two pixels towards its
// CustomClick direction, and it comes back on release.
TEST_F(ButtonTest, APressedCustomShapeMovesTowardsItsCustomClickDirection) {
  cButton& b = MakeButton("cmd", {10, 10, 42, 42});
  platform::Surface pixels(4, 4, 32);
  pixels.Fill(0);  // transparent
  pixels.SetPixelValue(1, 1, pixels.ValueOf(RGB(255, 0, 0)));
  b.Picture(std::make_shared<platform::Picture>(std::move(pixels)));
  b.ButtonShape(efbxp_CustomFlat);
  b.CustomClick(efbxp_cSouthEast);
  ASSERT_NE(b.WindowRegion(), nullptr);
  const platform::Rect resting = b.WindowRegion()->Bounds();
  input.MouseDown(b, platform::Point{resting.left + 1, resting.top + 1});
  EXPECT_EQ(b.WindowRegion()->Bounds(), resting.Offset(2, 2));
  input.MouseUp(b, platform::Point{resting.left + 3, resting.top + 3});
  EXPECT_EQ(b.WindowRegion()->Bounds(), resting);
}

TEST_F(ButtonTest, TheHoverTimerNoticesThePointerEnteringAndLeaving) {
  cButton& b = MakeButton("cmd");
  input.MoveTo(b);
  EXPECT_TRUE(b.IsHot());
  EXPECT_TRUE(b.IsHovering());
  EXPECT_EQ(b.GetProp("efbxp_TimerID"), 237);
  EXPECT_EQ(b.GetProp("efbxp_ClassID"), static_cast<std::intptr_t>(b.hWnd()));
  desktop.Wait(200);  // still over it: nothing happens
  EXPECT_EQ(log, Log{"cmd MouseOnButton True"});

  input.MoveTo(form, platform::Point{300, 200});
  EXPECT_TRUE(b.IsHot());  // until the timer looks
  desktop.Wait(50);
  EXPECT_FALSE(b.IsHot());
  EXPECT_FALSE(b.IsHovering());
  EXPECT_EQ(log, (Log{"cmd MouseOnButton True", "cmd MouseOnButton False"}));
  EXPECT_FALSE(desktop.KillTimer(b.hWnd(), kHoverTimerId));  // the timer is gone
}

TEST_F(ButtonTest, TheTipIsABalloonTitledWithTheCaption) {
  cButton& b = MakeButton("cmd");
  b.Caption("&Gravar");
  b.Tooltip("Grava a declaração\\13e sai");
  input.MoveTo(b);
  ASSERT_NE(b.Tip(), nullptr);
  EXPECT_EQ(b.Tip()->Title(), "Gravar");
  EXPECT_EQ(b.Tip()->TipText(), "Grava a declaração\ne sai");
  EXPECT_EQ(b.Tip()->Style(), TTBalloon);
  EXPECT_EQ(b.Tip()->Icon(), TTIconInfo);
  input.Click(b);
  EXPECT_EQ(b.Tip(), nullptr);  // a click takes it away
}

TEST_F(ButtonTest, NoTipWhenTheUserTurnedTooltipsOff) {
  desktop.Settings().Set("Balverde", "Settings", "No_Tooltips", "1");
  cButton& b = MakeButton("cmd");
  b.Tooltip("Ajuda");
  input.MoveTo(b);
  EXPECT_EQ(b.Tip(), nullptr);
}

TEST_F(ButtonTest, DesignModeRefusalsShowTheirInformationBoxes) {
  cButton& b = MakeButton("cmd");
  DesignMode(b);
  auto picture = std::make_shared<platform::Picture>(platform::Surface(16, 16, 32));
  auto icon = std::make_shared<platform::Picture>(platform::Surface(16, 16, 32),
                                                  platform::PictureType::Icon);
  b.ButtonShape(efbxp_CustomFlat);  // no picture yet
  EXPECT_EQ(b.ButtonShape(), efbxp_Rectangular);
  b.CustomClick(efbxp_cNorth);  // stored, but has no effect on a rectangle
  EXPECT_EQ(b.CustomClick(), efbxp_cNorth);
  b.Picture(picture);
  b.PictureAlign(efbxp_TopCenter);
  b.CaptionAlign(0);
  EXPECT_EQ(b.CaptionAlign(), 2);
  b.ButtonShape(efbxp_Custom3DBorder);
  EXPECT_EQ(b.ButtonShape(), efbxp_Custom3DBorder);
  EXPECT_EQ(b.PictureSize(), efbxp_Fill_ScaleUpDown);
  b.PictureSize(efbxp_16x16);
  EXPECT_EQ(b.PictureSize(), efbxp_Fill_ScaleUpDown);
  b.Picture(icon);
  EXPECT_EQ(b.ButtonShape(), efbxp_Rectangular);

  std::vector<std::string> texts;
  for (const auto& shown : BoxesShown()) texts.push_back(shown.text);
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "The Picture Property must be assigned first and must be a bitmap or JPEG.",
                       "This property has no effect unless the Button Shape is a custom shape.",
                       "When button images are aligned top/bottom center, \nbutton captions can "
                       "only be center aligned",
                       "The picture size cannot be changed for Shaped buttons",
                       "Icons cannot be used for custom buttons. Only use bitmaps or JPEGs.\n"
                       "Button was changed to Rectangular shaped.",
                   }));
}

TEST_F(ButtonTest, PictureSizeIsStoredAsPixels) {
  cButton& b = MakeButton("cmd");
  const struct {
    ImageSizeConstants size;
    int pixels;
  } sizes[] = {{efbxp_16x16, 16},
               {efbxp_24x24, 24},
               {efbxp_32x32, 32},
               {efbxp_Fill_Stretch, 40},
               {efbxp_Fill_ScaleUpDown, 48}};
  for (const auto& s : sizes) {
    b.PictureSize(s.size);
    PropertyBag bag;
    b.WriteProperties(bag);
    EXPECT_EQ(bag.ReadProperty("ImgSize", std::int32_t{16}).ToLong(), s.pixels);
    EXPECT_EQ(b.PictureSize(), s.size);
  }
  b.PictureSize(static_cast<ImageSizeConstants>(5));
  EXPECT_EQ(b.PictureSize(), efbxp_Fill_ScaleUpDown);
}

TEST_F(ButtonTest, HoverColoursFollowTheNormalOnesWhileLocked) {
  cButton& b = MakeButton("cmd");
  b.BackColor(RGB(10, 20, 30));
  EXPECT_EQ(b.HoverBackColor(), RGB(10, 20, 30));
  b.HoverColorLocks(efbxp_NoLocks);
  b.HoverBackColor(RGB(200, 0, 0));
  b.BackColor(RGB(1, 2, 3));
  EXPECT_EQ(b.HoverBackColor(), RGB(200, 0, 0));
  input.MoveTo(b);
  EXPECT_EQ(b.PaintColours().face, RGB(200, 0, 0));
  b.ResetDefaultColors(true);
  EXPECT_EQ(b.BackColor(), 0x8000000Fu);
  EXPECT_EQ(b.HoverColorLocks(), efbxp_LockTextandBackColor);
}

TEST_F(ButtonTest, DelayDrawingBatchesChangesIntoOneRedraw) {
  cButton& b = MakeButton("cmd");
  b.ButtonStyle(efbxp_Flat);
  const Colour before = b.OffscreenSurface().PixelColour(50, 15);
  b.DelayDrawing(true);
  b.BackColor(RGB(0, 0, 255));
  EXPECT_EQ(b.OffscreenSurface().PixelColour(50, 15), before);
  b.DelayDrawing(false);
  EXPECT_EQ(b.OffscreenSurface().PixelColour(50, 15), RGB(0, 0, 255));
}

TEST_F(ButtonTest, PropertiesSurviveAFormFile) {
  cButton& b = MakeButton("cmdGravar");
  b.Caption("Gravar||e sair");
  b.ButtonStyle(efbxp_Java);
  b.ButtonShape(efbxp_Round3D);
  b.Mode(efbxp_CheckBox);
  b.Value(true);
  b.GradientMode(efbxp_Top2Bottom);
  b.GradientColor(RGB(0, 0, 128));
  b.PictureSize(efbxp_24x24);
  b.Tooltip("Ajuda");
  b.FontStyle(efbxp_BoldItalic);
  b.HoverColorLocks(efbxp_NoLocks);
  b.HoverBackColor(RGB(255, 255, 0));
  platform::Surface pixels(8, 6, 32);
  pixels.Fill(pixels.ValueOf(RGB(200, 10, 10)));
  b.Picture(std::make_shared<platform::Picture>(std::move(pixels)));

  Registry registry(library);
  RegisterButton(registry, desktop);
  FormStore store(registry, IntrinsicControls::Standard());
  const auto path = std::filesystem::path(::testing::TempDir()) / "botoes.json";
  ASSERT_TRUE(store.Save(form, path));
  platform::Form copy(desktop);
  const auto report = store.Load(path, copy);
  ASSERT_TRUE(report);
  EXPECT_EQ(report->created, 1);
  auto* restored = dynamic_cast<cButton*>(
      copy.FindWindow([](const platform::Window& w) { return w.Name() == "cmdGravar"; }));
  ASSERT_NE(restored, nullptr);
  EXPECT_EQ(restored->Caption(), "Gravar||e sair");
  EXPECT_EQ(restored->ButtonStyle(), efbxp_Java);
  EXPECT_EQ(restored->ButtonShape(), efbxp_Round3D);
  EXPECT_EQ(restored->Mode(), efbxp_CheckBox);
  EXPECT_TRUE(restored->Value());
  EXPECT_EQ(restored->GradientMode(), efbxp_Top2Bottom);
  EXPECT_EQ(restored->GradientColor(), RGB(0, 0, 128));
  EXPECT_EQ(restored->PictureSize(), efbxp_24x24);
  EXPECT_EQ(restored->Tooltip(), "Ajuda");
  EXPECT_EQ(restored->FontStyle(), efbxp_BoldItalic);
  EXPECT_EQ(restored->Font().PointSize(), b.Font().PointSize());  // 8.25, whatever the locale
  EXPECT_EQ(restored->HoverBackColor(), RGB(255, 255, 0));
  EXPECT_EQ(restored->Bounds(), b.Bounds());
  ASSERT_NE(restored->Picture(), nullptr);
  EXPECT_EQ(restored->Picture()->Width(), 8);
  EXPECT_EQ(restored->Picture()->Pixels().PixelColour(3, 3), RGB(200, 10, 10));
}

TEST_F(ButtonTest, StoredKeysMatchWithoutRegardToCase) {
  PropertyBag bag;
  bag.WriteProperty("imgsize", std::int32_t{32});
  bag.WriteProperty("MODE", std::int32_t{efbxp_OptionButton});
  bag.WriteProperty("caption", std::string("&Sim"));
  cButton b(library, desktop, &form);
  b.ReadProperties(bag);
  EXPECT_EQ(b.PictureSize(), efbxp_32x32);
  EXPECT_EQ(b.Mode(), efbxp_OptionButton);
  EXPECT_EQ(b.Caption(), "&Sim");
  EXPECT_EQ(form.GetProp(kOptCountProperty), 1);  // joined its group when read
}

TEST_F(ButtonTest, ANewButtonTakesItsNameAsCaptionAndTheContainersColour) {
  cButton& b = MakeButton("cButton1");
  EXPECT_EQ(b.Caption(), "cButton1");
  EXPECT_EQ(b.BackColor(), RGB(0, 128, 0));
  EXPECT_EQ(b.HoverBackColor(), RGB(0, 128, 0));
}

TEST_F(ButtonTest, TheRegistryCreatesItByName) {
  Registry registry(library);
  RegisterButton(registry, desktop);
  auto created = registry.Create("QORVEXCTL.cButton");
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->ClassName(), "cButton");
}

TEST_F(ButtonTest, ItIsReachedByNameThroughItsMemberTable) {
  cButton& b = MakeButton("chk");
  const ObjectRef ref{&b, &cButton::Members()};
  CallByName(ref, "Mode", CallType::Let, {Variant(std::int32_t{efbxp_CheckBox})});
  CallByName(ref, "Caption", CallType::Let, {Variant(std::string("&Sim"))});
  std::vector<std::string> events;
  auto connections = ConnectAllEvents(ref, [&](std::string_view event, std::vector<Variant>& args) {
    events.push_back(std::string(event) + (args.empty() ? "" : " " + args[0].ToString()));
  });
  input.Click(b);
  EXPECT_TRUE(CallByName(ref, "Value", CallType::Get).ToBoolean());
  EXPECT_EQ(CallByName(ref, "Caption", CallType::Get).ToString(), "&Sim");
  EXPECT_EQ(events, (std::vector<std::string>{"MouseOnButton True", "MouseMove 0", "MouseDown 1",
                                              "MouseUp 1", "Click"}));
  for (Connection& c : connections) c.Disconnect();
}

}  // namespace
}  // namespace qorvexctl
