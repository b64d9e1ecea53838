// The NIB field on a form beside other controls, driven by keys and clicks through the
// headless desktop, and stored in a form file.

#include "qorvexctl/controls/nib/cNIB.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "qorvexctl/frame/Members.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Compositor.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/services/MessageBoxService.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "testsupport/FormRoundTrip.h"

namespace qorvexctl {
namespace {

// Bank 0035, branch 0123, account 00012345678: check digits 18.
constexpr char kAccount[] = "0035012300012345678";
constexpr char kValidNib[] = "003501230001234567818";
constexpr char kWrongNib[] = "003501230001234567819";

struct NibFieldTest : ::testing::Test {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};
  platform::Form form{desktop, "Reembolso"};
  platform::UserInput input{desktop};
  platform::TextBox& name = form.Add<platform::TextBox>("txtNome");
  std::shared_ptr<cNIB> field = std::make_shared<cNIB>(library, desktop, &form);
  platform::CommandButton& ok = form.Add<platform::CommandButton>("cmdOK");
  int changed = 0;

  NibFieldTest() {
    name.SetBounds(platform::Rect::FromSize(10, 10, 200, 22));
    name.TabIndex(0);
    form.Adopt(field, "nibReembolso");
    field->SetBounds(platform::Rect::FromSize(10, 40, 220, 22));
    field->TabIndex(1);
    field->InitProperties();
    ok.SetBounds(platform::Rect::FromSize(10, 70, 80, 26));
    ok.TabIndex(2);
    field->Changed.connect([this] { ++changed; });
    form.Show();
  }

  // Which box has the focus: 0 to 3, or -1 when none of them.
  int FocusedBox() {
    for (int index = 0; index < cNIB::kBoxCount; ++index) {
      if (field->nib(index).HasFocus()) return index;
    }
    return -1;
  }
  std::vector<std::string> Boxes() {
    std::vector<std::string> texts;
    for (int index = 0; index < cNIB::kBoxCount; ++index) texts.push_back(field->nib(index).Text());
    return texts;
  }
  // The indicator as the user sees it: "valid", "invalid" or "" (neither picture).
  std::string Indicator() {
    if (field->validpic().Visible()) return field->Image1().Visible() ? "both" : "valid";
    return field->Image1().Visible() ? "invalid" : "";
  }
  const std::vector<platform::MessageBoxRequest>& MessageBoxes() {
    return dynamic_cast<platform::HeadlessMessageBoxService&>(desktop.MessageBoxes()).Shown();
  }
};

TEST_F(NibFieldTest, NineteenDigitsAndLeavingTheFieldFillInTheCheckDigits) {
  input.Click(field->nib(0));
  input.Type(kAccount);
  EXPECT_EQ(FocusedBox(), 3);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"0035", "0123", "00012345678", ""}));
  EXPECT_EQ(Indicator(), "");
  EXPECT_EQ(changed, 0);

  input.SendKeys("{TAB}");
  EXPECT_TRUE(ok.HasFocus());
  EXPECT_EQ(field->nib(3).Text(), "18");
  EXPECT_EQ(field->Text(), kValidNib);
  EXPECT_TRUE(field->Valid());
  EXPECT_EQ(Indicator(), "valid");
  EXPECT_EQ(changed, 1);
}

TEST_F(NibFieldTest, TwentyOneDigitsWithAWrongCheckShowTheInvalidImageAtOnce) {
  input.Click(field->nib(0));
  input.Type(std::string(kWrongNib).substr(0, 20));
  EXPECT_EQ(changed, 0);
  input.Type("9");
  EXPECT_EQ(Indicator(), "invalid");
  EXPECT_EQ(changed, 1);
  EXPECT_FALSE(field->Valid());
  // The second check digit keeps the caret in the last box; leaving changes nothing.
  EXPECT_EQ(FocusedBox(), 3);
  input.Click(name);
  EXPECT_EQ(field->Text(), kWrongNib);
  EXPECT_EQ(Indicator(), "invalid");

  // Correcting the check digits turns the indicator at once; coming back into the last box
  // from the button selects its two digits, so typing replaces them.
  input.Click(ok);
  input.SendKeys("+{TAB}");
  ASSERT_EQ(FocusedBox(), 3);
  input.Type("18");
  EXPECT_EQ(Indicator(), "valid");
  EXPECT_EQ(changed, 2);
}

TEST_F(NibFieldTest, TheCaretMovesOnWhenABoxFillsUp) {
  input.Click(field->nib(0));
  const struct {
    const char* typed;
    int focusAfter;
  } steps[] = {{"003", 0},        {"5", 1}, {"012", 1}, {"3", 2},
               {"0001234567", 2}, {"8", 3}, {"1", 3},   {"8", 3}};
  std::string typed;
  for (const auto& step : steps) {
    input.Type(step.typed);
    typed += step.typed;
    SCOPED_TRACE(typed);
    EXPECT_EQ(FocusedBox(), step.focusAfter);
  }
  EXPECT_EQ(field->Text(), kValidNib);
}

TEST_F(NibFieldTest, BackspaceAtTheStartOfABoxDeletesTheLastCharacterOfThePreviousOne) {
  input.Click(field->nib(0));
  input.Type("0035");
  ASSERT_EQ(FocusedBox(), 1);
  input.SendKeys("{BS}");
  EXPECT_EQ(FocusedBox(), 0);
  EXPECT_EQ(field->nib(0).Text(), "003");
  EXPECT_EQ(field->nib(0).SelStart(), 3);
  EXPECT_EQ(field->nib(0).SelLength(), 0);
  EXPECT_EQ(field->nib(1).Text(), "");
  // Typing goes on where the deleted digit was, and moves on again.
  input.Type("9");
  EXPECT_EQ(field->nib(0).Text(), "0039");
  EXPECT_EQ(FocusedBox(), 1);

  // Backspace in the empty first box has nowhere to go.
  field->Text("");
  input.Click(field->nib(0));
  input.SendKeys("{BS}");
  EXPECT_EQ(FocusedBox(), 0);
  // In a box with text it deletes there, as in any text box.
  input.Click(field->nib(2));
  input.Type("12");
  input.SendKeys("{BS}");
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"", "", "1", ""}));
}

TEST_F(NibFieldTest, EnteringABoxSelectsItsWholeText) {
  field->Text(kValidNib);
  input.Click(field->nib(1));
  input.SendKeys("{TAB}");
  ASSERT_EQ(FocusedBox(), 2);
  EXPECT_EQ(field->nib(2).SelStart(), 0);
  EXPECT_EQ(field->nib(2).SelLength(), 11);
  input.Type("9");
  EXPECT_EQ(field->nib(2).Text(), "9");
  input.SendKeys("{TAB}");
  EXPECT_EQ(FocusedBox(), 3);
  EXPECT_EQ(field->nib(3).SelLength(), 2);
}

TEST_F(NibFieldTest, TextLetFillsTheBoxesOnlyFromTwentyOneCharacters) {
  const struct {
    std::string given;
    std::vector<std::string> boxes;
  } cases[] = {
      {kValidNib, {"0035", "0123", "00012345678", "18"}},
      {std::string(kValidNib) + "77", {"0035", "0123", "00012345678", "18"}},
      {std::string(kValidNib).substr(0, 20), {"", "", "", ""}},
      {"", {"", "", "", ""}},
      {"0035-0123-000123456-18", {"0035", "-012", "3-000123456", "-1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.given);
    field->Text(kWrongNib);
    field->Text(c.given);
    EXPECT_EQ(Boxes(), c.boxes);
  }
}

TEST_F(NibFieldTest, TextLetOfAWholeNumberUpdatesTheIndicatorAndRaisesChangedOnce) {
  field->Text(kWrongNib);
  EXPECT_EQ(Indicator(), "invalid");
  EXPECT_EQ(changed, 1);
  field->Text(kValidNib);
  EXPECT_EQ(Indicator(), "valid");
  EXPECT_EQ(changed, 2);
  field->Text("");
  EXPECT_EQ(Indicator(), "");
  EXPECT_EQ(changed, 3);
  // Setting the text does not pull the focus into the field.
  EXPECT_FALSE(field->HasFocusWithin());
}

TEST_F(NibFieldTest, LeavingWithAnIncompleteNumberShowsTheInvalidImage) {
  input.Click(field->nib(0));
  input.Type("00350");
  input.Click(name);
  EXPECT_EQ(Indicator(), "invalid");
  // Typing again hides the indicator until the number is whole or the field is left.
  input.Click(field->nib(1));
  input.SendKeys("{END}{BS}");
  EXPECT_EQ(Indicator(), "");
  input.SendKeys("{BS}");
  EXPECT_EQ(field->Text(), "003");
  field->Text("");
  EXPECT_EQ(Indicator(), "");
}

TEST_F(NibFieldTest, NonDigitsCanBeTypedAndCountAsZero) {
  input.Click(field->nib(0));
  input.Type("003A0123000123456X8");  // the A and the X count 0
  input.SendKeys("{TAB}");
  EXPECT_EQ(field->nib(3).Text(), cNIB::CalculateCheckDigits("0030012300012345608"));
  EXPECT_TRUE(field->Valid());
}

TEST_F(NibFieldTest, ValidAndCalculateCheckDigitsReadTheFirstNineteenCharacters) {
  EXPECT_EQ(cNIB::CalculateCheckDigits(std::string(kAccount).substr(0, 18)), "");
  EXPECT_EQ(cNIB::CalculateCheckDigits(kAccount), "18");
  EXPECT_EQ(cNIB::CalculateCheckDigits(kWrongNib), "18");
  EXPECT_EQ(cNIB::CalculateCheckDigits("0010000000000000000"), "09");
  EXPECT_FALSE(field->Valid());
  field->nib(0).Text("0035");
  field->nib(1).Text("0123");
  field->nib(2).Text("00012345678");
  field->nib(3).Text("1");
  EXPECT_FALSE(field->Valid());  // 20 characters
  field->nib(3).Text("18");
  EXPECT_TRUE(field->Valid());
}

TEST_F(NibFieldTest, ClickingTheInvalidImageExplainsTheFault) {
  field->Text(kWrongNib);
  desktop.DoEvents();
  input.Click(field->Image1());
  ASSERT_EQ(MessageBoxes().size(), 1u);
  const platform::MessageBoxRequest& box = MessageBoxes().front();
  EXPECT_EQ(box.title, "NIB incorrecto");
  EXPECT_EQ(box.text,
            "O número de identificação bancário (NIB) não se encontra correcto.\n"
            "Por favor verifique o NIB inserido");
  EXPECT_EQ(box.icon, platform::MessageBoxIcon::Information);
  EXPECT_EQ(box.buttons, platform::MessageBoxButtons::OK);
}

TEST_F(NibFieldTest, TheIndicatorIsDrawnAfterTheBoxes) {
  const platform::Rect last = field->nib(3).Bounds();
  const platform::Rect picture = field->validpic().Bounds();
  EXPECT_GE(picture.left, last.right);
  EXPECT_LE(picture.right, field->Bounds().Width());
  EXPECT_EQ(field->Image1().Bounds(), picture);
  for (int index = 1; index < cNIB::kBoxCount; ++index) {
    EXPECT_GT(field->nib(index).Bounds().left, field->nib(index - 1).Bounds().right - 1);
  }
  // A point of each disc clear of its mark, as the form shows it: green for a correct number,
  // red for a wrong one.
  const platform::Point probe{picture.left + 8, picture.top + 3};
  field->Text(kValidNib);
  desktop.DoEvents();
  Colour shown = platform::ComposeWindow(*field).PixelColour(probe.x, probe.y);
  EXPECT_GT(GreenOf(shown), 100);
  EXPECT_LT(RedOf(shown), 100);
  field->Text(kWrongNib);
  desktop.DoEvents();
  shown = platform::ComposeWindow(*field).PixelColour(probe.x, probe.y);
  EXPECT_GT(RedOf(shown), 150);
  EXPECT_LT(GreenOf(shown), 100);
}

TEST_F(NibFieldTest, MembersReachTheFieldByName) {
  const ObjectRef ref{field.get(), &cNIB::Members()};
  std::vector<std::string> events;
  auto connections = ConnectAllEvents(
      ref, [&](std::string_view event, std::vector<Variant>&) { events.emplace_back(event); });
  CallByName(ref, "Text", CallType::Let, {Variant(std::string(kValidNib))});
  EXPECT_EQ(CallByName(ref, "text", CallType::Get).ToString(), kValidNib);
  EXPECT_TRUE(CallByName(ref, "Valid", CallType::Method).ToBoolean());
  EXPECT_EQ(
      CallByName(ref, "CalculateCheckDigits", CallType::Method, {Variant(kAccount)}).ToString(),
      "18");
  EXPECT_EQ(CallByName(ref, "hwnd", CallType::Get).ToLong(),
            static_cast<std::int32_t>(field->hWnd()));
  EXPECT_EQ(events, std::vector<std::string>{"Changed"});
  const PartMember* part = cNIB::Members().FindPart("nib");
  ASSERT_NE(part, nullptr);
  EXPECT_EQ(part->find(field.get(), 3), &field->nib(3));
  EXPECT_EQ(part->find(field.get(), 4), nullptr);
  EXPECT_EQ(cNIB::Members().FindPart("Image1")->find(field.get(), 0), &field->Image1());
}

TEST_F(NibFieldTest, BackColorIsAlwaysWrittenAndComesBackFromAFormFile) {
  PropertyBag defaults;
  field->WriteProperties(defaults);
  EXPECT_TRUE(defaults.Contains("BackColor"));

  field->ClearPropertiesChanged();
  CallByName({field.get(), &cNIB::Members()}, "BackColor", CallType::Let,
             {Variant(static_cast<std::int32_t>(RGB(230, 240, 255)))});
  EXPECT_TRUE(field->PropertiesChanged());
  field->Text(kValidNib);

  Registry registry(library);
  RegisterNibField(registry, desktop);
  EXPECT_EQ(registry.Create("qorvexctl.cnib")->ClassName(), "cNIB");
  platform::Form copy(desktop, "Cópia");
  const auto report = testsupport::SaveAndLoad(registry, form, copy);
  ASSERT_TRUE(report.has_value());
  EXPECT_TRUE(report->skipped.empty());

  auto* again = dynamic_cast<cNIB*>(copy.FindControl("nibReembolso"));
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->BackColor(), RGB(230, 240, 255));
  EXPECT_EQ(again->Bounds(), field->Bounds());
  EXPECT_FALSE(again->PropertiesChanged());
  // The number itself is not stored.
  EXPECT_EQ(again->Text(), "");
  EXPECT_NE(copy.FindControl("txtNome"), nullptr);

  // A bag without the key keeps the background the control has.
  const Colour before = again->BackColor();
  again->ReadProperties(PropertyBag{});
  EXPECT_EQ(again->BackColor(), before);
}

}  // namespace
}  // namespace qorvexctl
