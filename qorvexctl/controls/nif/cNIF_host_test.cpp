// The NIF field on a form with other controls: what a right click, the balloon tip, the
// record and the library's locale do as a user and a host see them.

#include <gtest/gtest.h>

#include <string>

#include "qorvexctl/controls/nif/NifFieldTest.h"
#include "qorvexctl/platform/desktop/Menu.h"
#include "qorvexctl/validation/PortugueseNIF.h"

namespace qorvexctl {
namespace {

using platform::Rect;
using platform::vbRightButton;

// Two NIF fields and a text box; the host logs every focus event and the first field's
// Validated.
struct TwoFieldsTest : NifFieldTest {
  std::unique_ptr<cNIF> first = MakeField();
  std::unique_ptr<cNIF> second = MakeField();
  platform::TextBox& name = form.Add<platform::TextBox>("Nome");
  Log seen;

  void SetUp() override {
    second->SetBounds(Rect::FromSize(10, 40, 120, 21));
    name.SetBounds(Rect::FromSize(10, 70, 120, 21));
    first->TabIndex(0);
    second->TabIndex(1);
    name.TabIndex(2);
    first->Value(kValidPT);
    second->Value(kValidPT);
    Watch("first", *first);
    Watch("second", *second);
    Watch("box", second->NumberBox());
    Watch("Nome", name);
    first->Validated.connect([this] { seen.push_back("first Validated"); });
    desktop.Scripts().OnPopupMenu([this](platform::Menu&) -> platform::Menu* {
      seen.push_back("menu");
      return nullptr;
    });
    form.Show();
  }

  void Watch(const std::string& who, platform::Control& w) {
    w.GotFocus.connect([this, who] { seen.push_back(who + " got"); });
    w.LostFocus.connect([this, who] { seen.push_back(who + " lost"); });
  }
};

TEST_F(TwoFieldsTest, ARightClickOnTheFocusedFieldMovesNoFocusAndValidatesNoOtherField) {
  second->NumberBox().SetFocus();
  seen.clear();
  input.Click(second->NumberBox(), std::nullopt, vbRightButton);
  EXPECT_EQ(seen, Log{"menu"});
  EXPECT_EQ(desktop.Focus(), &second->NumberBox());
  EXPECT_TRUE(second->NumberBox().Enabled());
  // The box takes keys again once the menu is gone.
  input.SendKeys("{END}{BS}");
  EXPECT_EQ(second->NumberBox().Text(), std::string(kValidPT).substr(0, 8));
}

TEST_F(TwoFieldsTest, ARightClickFromAnotherControlMovesTheFocusOnceBeforeTheMenu) {
  name.SetFocus();
  seen.clear();
  input.Click(second->NumberBox(), std::nullopt, vbRightButton);
  EXPECT_EQ(seen, (Log{"Nome lost", "second got", "box got", "menu"}));
  EXPECT_EQ(desktop.Focus(), &second->NumberBox());
}

// With a name known, every tip rebuild checks the number again; the tip is empty only for an
// empty field or without a name.
TEST_F(NifFieldTest, ANameShowsInTheTipWhateverTheVerdictAndEachRebuildValidates) {
  auto field = MakeField();
  field->Value(kInvalidPT);
  log.clear();
  field->Nome("Ana Lima");
  EXPECT_EQ(log, (Log{"Validated", "Name Ana Lima"}));
  EXPECT_EQ(field->BalloonTipText(),
            std::string("Ana Lima\nNIF: ") + kInvalidPT + "\nPaís: " + field->CountryName());

  auto empty = MakeField();
  log.clear();
  empty->Nome("Rui Sá");
  EXPECT_EQ(log, (Log{"Validated", "Name Rui Sá"}));
  EXPECT_EQ(empty->BalloonTipText(), "");
}

TEST_F(NifFieldTest, AbrirFichaRequestsTheNumberAsGivenOrTheCurrentValue) {
  auto field = MakeField();
  Log edits;
  field->RequestEdit.connect([&](const std::string& n) { edits.push_back(n); });
  field->AbrirFicha(kValidPT);
  field->AbrirFicha();
  field->AbrirFicha("ES12345678Z");
  EXPECT_EQ(edits, (Log{kValidPT, std::string("PT") + kValidPT, "ES12345678Z"}));
  EXPECT_EQ(field->Value(), "ES12345678Z");
}

// A field placed and sized by the host, then given its initial properties: Portugal and the
// Portugal-only filter, no check, no tip window, the frame as the resize drew it.
TEST_F(NifFieldTest, InitPropertiesSetsCountryAndFilterOnly) {
  auto field = std::make_unique<cNIF>(library, desktop);
  Record(*field);
  field->SetParent(&form);
  field->SetBounds(Rect::FromSize(10, 10, 120, 21));
  field->CountryID("ES");
  log.clear();
  field->InitProperties();
  EXPECT_EQ(log, Log{});
  EXPECT_EQ(field->CountryID(), "PT");
  EXPECT_EQ(field->Countries(), GSEL_OnlyPT);
  EXPECT_EQ(library.TooltipCount(), 0);
  EXPECT_EQ(field->FrameShape().BorderColor(), RGB(64, 64, 192));
}

// The other keys are written only off their defaults: a white field leaves BackColor out.
TEST_F(NifFieldTest, EnabledCountriesAndCustomCountryListAreWrittenEvenAtTheirDefaults) {
  auto field = MakeField();
  field->BackColor(RGB(255, 255, 255));
  PropertyBag bag;
  field->WriteProperties(bag);
  EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"Enabled", "Countries", "CustomCountryList"}));
  EXPECT_EQ(bag.ReadProperty("Countries").ToLong(), GSEL_OnlyPT);
  EXPECT_EQ(bag.ReadProperty("CustomCountryList").ToString(), "");
}

// ",1234567" and a check digit is a number in Portuguese (a leading decimal comma) and not in
// United States English, so its verdict follows the locale the host sets at run time.
TEST_F(NifFieldTest, TheVerdictFollowsTheLocaleTheHostSets) {
  std::string number;
  for (char digit = '0'; digit <= '9' && number.empty(); ++digit) {
    const std::string candidate = std::string(",1234567") + digit;
    if (ValidatePortugueseNIF(candidate, Locale::Portuguese())) number = candidate;
  }
  ASSERT_FALSE(number.empty());
  auto field = MakeField();
  ASSERT_EQ(library.CurrentLocale().DecimalSeparator(), ',');
  field->Value("PT" + number);
  EXPECT_EQ(field->NumberBox().ForeColor(), RGB(0, 128, 0));
  library.SetLocale(Locale::UnitedStates());
  EXPECT_FALSE(field->IsValid());
  field->RefreshMe();
  EXPECT_EQ(field->NumberBox().BackColor(), RGB(255, 0, 0));
  library.SetLocale(Locale::Portuguese());
  EXPECT_TRUE(field->IsValid());
}

}  // namespace
}  // namespace qorvexctl
