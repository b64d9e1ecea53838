// The euro field typed into key by key: text, caret, stored amount and events after each key,
// in both locales; the value members; the keys the field handles itself.

#include "qorvexctl/controls/amount/AmountFieldTest.h"

namespace qorvexctl {
namespace {

constexpr char kTyped[] = "KeyDown 49, KeyPress 49, Change";

TEST_F(AmountFieldTest, TypingAnAmountInPortugueseReformatsAfterEveryKey) {
  auto field = MakeField();
  Record(*field);
  ExpectSteps(
      TypeEach(*field, {"1", "2", "3", "4", ",", "5"}),
      {
          {"1", "1,00 €", 1, 0, 10000, kTyped},
          {"2", "12,00 €", 2, 0, 120000, "KeyDown 50, KeyPress 50, Change"},
          {"3", "123,00 €", 3, 0, 1230000, "KeyDown 51, KeyPress 51, Change"},
          {"4", "1.234,00 €", 5, 0, 12340000, "KeyDown 52, KeyPress 52, Change"},
          // ",," moves the caret past the comma onto the first decimal, selected.
          {",", "1.234,00 €", 6, 1, 12340000, "KeyDown 188, KeyPress 44, ValueChanged, Change"},
          {"5", "1.234,50 €", 7, 1, 12345000, "KeyDown 53, KeyPress 53, ValueChanged, Change"},
      });
  EXPECT_EQ(field->Value(), 1234.5);
  EXPECT_EQ(field->TextBox().ForeColor(), RGB(0, 64, 0));
}

TEST_F(AmountFieldTest, TypingAnAmountInAmericanUsesTheDot) {
  auto field = MakeField(0, Locale::UnitedStates());
  EXPECT_TRUE(field->AmericanCurrency());
  ExpectSteps(TypeEach(*field, {"1", "2", "3", "4", ".", "5"}),
              {
                  {"1", "1.00 €", 1, 0, 10000, ""},
                  {"2", "12.00 €", 2, 0, 120000, ""},
                  {"3", "123.00 €", 3, 0, 1230000, ""},
                  {"4", "1,234.00 €", 5, 0, 12340000, ""},
                  {".", "1,234.00 €", 6, 1, 12340000, ""},
                  {"5", "1,234.50 €", 7, 1, 12345000, ""},
              });
}

TEST_F(AmountFieldTest, TypedHalfCentsGoToEvenButTheValueSetterRoundsAway) {
  auto typed = MakeField(0);
  auto set = MakeField(1);
  ExpectSteps(TypeEach(*typed, {"0", ",", "1", "2", "5"}), {
                                                               {"0", "0,00 €", 1, 0, 0, ""},
                                                               {",", "0,00 €", 2, 1, 0, ""},
                                                               {"1", "0,10 €", 3, 1, 1000, ""},
                                                               {"2", "0,12 €", 4, 1, 1200, ""},
                                                               {"5", "0,12 €", 4, 1, 1200, ""},
                                                           });
  Record(*set);
  set->Value(0.125);
  EXPECT_EQ(set->Text(), "0,13 €");
  EXPECT_EQ(set->CurrentValue.Raw(), 1300);
  EXPECT_EQ(TakeLog(), "ValueChanged");
  set->Value(0.1251);  // the same amount once rounded: nothing happens
  EXPECT_EQ(TakeLog(), "");
}

TEST_F(AmountFieldTest, WholeEuroModeRoundsToEvenAndMovesTheCaretOffTheComma) {
  auto field = MakeField();
  field->Centimos(false);
  EXPECT_EQ(field->Text(), "0 €");
  Record(*field);
  // Typing a comma sends the caret back onto the last digit, which the next key replaces.
  ExpectSteps(TypeEach(*field, {"1", "2", ",", "5"}),
              {
                  {"1", "1 €", 1, 0, 10000, "KeyDown 49, KeyPress 49, ValueChanged, Change"},
                  {"2", "12 €", 2, 0, 120000, "KeyDown 50, KeyPress 50, ValueChanged, Change"},
                  {",", "12 €", 1, 1, 120000, "KeyDown 188, KeyPress 44, ValueChanged, Change"},
                  {"5", "15 €", 2, 0, 150000, "KeyDown 53, KeyPress 53, ValueChanged, Change"},
              });
  field->Text("12,5");  // assigned: ties to even
  EXPECT_EQ(field->Text(), "12 €");
  EXPECT_EQ(field->CurrentValue.Raw(), 120000);
  field->EuroEsquerda(true);
  EXPECT_EQ(field->Text(), "€ 12");
}

TEST_F(AmountFieldTest, AMinusTypedAfterTheDigitsCountsAtTheKeypadMinusKeyUp) {
  auto field = MakeField();
  TypeEach(*field, {"1", "2"});
  Record(*field);
  input.PressKey(platform::vbKeySubtract);
  EXPECT_EQ(field->Text(), "-12,00 €");
  EXPECT_EQ(field->CurrentValue.Raw(), -120000);
  EXPECT_EQ(TakeLog(), "KeyDown 109, KeyPress 45, Change, ValueChanged");
  EXPECT_EQ(field->TextBox().ForeColor(), RGB(128, 0, 0));
}

TEST_F(AmountFieldTest, TheMainKeyboardMinusShowsTheSignButKeepsThePositiveAmount) {
  auto field = MakeField();
  TypeEach(*field, {"1", "2", "-"});
  EXPECT_EQ(field->Text(), "-12,00 €");
  EXPECT_EQ(field->CurrentValue.Raw(), 120000);
  field->FormatText();
  EXPECT_EQ(field->CurrentValue.Raw(), -120000);
}

TEST_F(AmountFieldTest, DeleteCannotRemoveTheDecimalComma) {
  auto field = MakeField();
  TypeEach(*field, {"1", "2"});
  Record(*field);
  field->TextBox().SelStart(2);  // just left of the comma
  input.PressKey(platform::vbKeyDelete);
  EXPECT_EQ(field->Text(), "12,00 €");
  EXPECT_EQ(TakeLog(), "");
  field->TextBox().SelStart(0);  // at the start the key is the text box's
  input.PressKey(platform::vbKeyDelete);
  EXPECT_EQ(field->Text(), "2,00 €");
  EXPECT_EQ(TakeLog(), "KeyDown 46, Change");
}

TEST_F(AmountFieldTest, KeypadDecimalIsReportedAsTheCommaKeyInPortuguese) {
  auto field = MakeField();
  TypeEach(*field, {"7"});
  Record(*field);
  input.PressKey(platform::vbKeyDecimal);
  EXPECT_EQ(log.front(), "KeyDown 44");
  auto american = MakeField(1, Locale::UnitedStates());
  TypeEach(*american, {"7"});
  Record(*american);
  input.PressKey(platform::vbKeyDecimal);
  EXPECT_EQ(log.front(), "KeyDown 110");
}

TEST_F(AmountFieldTest, TheNineteenthCharacterIsCutWhileTheFieldIsEnabled) {
  const std::string nineteen = "1,5 €€€€€€€€€€€€€€-";  // the minus is character 19
  ASSERT_EQ(Len(nineteen), 19u);
  auto enabled = MakeField(0);
  enabled->Text(nineteen);
  EXPECT_EQ(enabled->Text(), "1,50 €");
  auto disabled = MakeField(1);
  disabled->Enabled(false);
  disabled->Text(nineteen);
  EXPECT_EQ(disabled->Text(), "-1,50 €");
  EXPECT_TRUE(disabled->TextBox().Locked());
  EXPECT_EQ(disabled->TextBox().BackColor(), RGB(225, 225, 225));
}

TEST_F(AmountFieldTest, TheAlwaysEnabledSettingKeepsTheFieldEditable) {
  desktop.Settings().Set("Balverde", "IRSBox", "AllwaysEnabled", "1");
  auto field = MakeField();
  field->Enabled(false);
  EXPECT_TRUE(field->Enabled());
  EXPECT_FALSE(field->TextBox().Locked());
}

TEST_F(AmountFieldTest, DerivedAmountsFollowMultipliersAndBounds) {
  auto field = MakeField();
  field->Value(1000);
  field->mult(0.5);
  field->max(300);
  EXPECT_EQ(field->RVal(), 300);
  field->max(0);
  EXPECT_EQ(field->RVal(), 500);
  field->max(300);
  field->max98(0);  // one flag for both maxima
  EXPECT_EQ(field->RVal(), 500);
  field->Min(600);
  EXPECT_EQ(field->RVal(), 600);
  field->mult98(2);
  field->min98(0);
  EXPECT_EQ(field->RVal98(), 2000);
  EXPECT_EQ(field->RealValue(), 4.99);
  field->Curr = "c";
  EXPECT_EQ(field->RealValue(), 1);
  field->Curr = "$";
  EXPECT_EQ(field->RealValue(), 1000);
  field->Curr = "x";
  EXPECT_EQ(field->RealValue(), 0);
  field->Cur("$");
  EXPECT_EQ(field->Cur(), "€");
}

TEST_F(AmountFieldTest, BoundSettersRaiseValueChangedOnlyWhenRValMoves) {
  auto field = MakeField();
  field->Value(1000);
  Record(*field);
  field->max(2000);  // RVal stays 1000
  EXPECT_EQ(TakeLog(), "");
  field->max(500);
  EXPECT_EQ(TakeLog(), "ValueChanged");
  field->max(500);  // unchanged: nothing at all
  field->max98(500);
  EXPECT_EQ(TakeLog(), "");
  field->mult98(3);
  EXPECT_EQ(TakeLog(), "ValueChanged");
  field->VisibleValue(12);
  EXPECT_EQ(field->CurrentValue.Raw(), 120000);
  EXPECT_EQ(TakeLog(), "Change");
}

TEST_F(AmountFieldTest, TheAmountOverItsMaximumIsColouredByTheBound) {
  auto field = MakeField();
  field->max(100);
  field->Text("250");
  EXPECT_EQ(field->TextBox().ForeColor(), RGB(0, 92, 0));  // RVal cut to the maximum
  field->Text("50");
  EXPECT_EQ(field->TextBox().ForeColor(), RGB(0, 0, 92));
}

TEST_F(AmountFieldTest, AmericanCurrencyIsSharedByTheFieldsOfTheThread) {
  auto first = MakeField(0);
  auto second = MakeField(1);
  first->Value(1234.5);
  first->AmericanCurrency(true);
  EXPECT_TRUE(second->AmericanCurrency());
  EXPECT_EQ(first->Text(), "1.234,50 €");  // FormatEuroAmount keeps the system's form
  second->AmericanCurrency(false);
  EXPECT_FALSE(first->AmericanCurrency());
}

TEST_F(AmountFieldTest, TheContextMenuCommandsWorkOnTheText) {
  auto field = MakeField();
  field->Value(42);
  desktop.Scripts().ChoosePopupItem("Copiar...");
  field->PopupContextMenu();
  EXPECT_EQ(desktop.GetClipboard().GetText(), "42,00 €");
  desktop.Scripts().ChoosePopupItem("Repor a zero");
  field->PopupContextMenu();
  EXPECT_EQ(field->CurrentValue.Raw(), 0);
  desktop.GetClipboard().SetText("1.234,56 €");
  desktop.Scripts().ChoosePopupItem("Colar...");
  field->PopupContextMenu();
  EXPECT_EQ(field->CurrentValue.Raw(), 12345600);
  desktop.Scripts().ChoosePopupItem("Cortar");
  field->PopupContextMenu();
  EXPECT_EQ(desktop.GetClipboard().GetText(), "1.234,56 €");
  EXPECT_EQ(field->Text(), "0,00 €");
}

// The locale is the host's, on the library: a field made before the host changes it formats in
// the new one, and so does every other field of that library.
TEST_F(AmountFieldTest, FieldsFormatInTheLocaleTheHostSetsOnTheLibrary) {
  auto first = MakeField(0);
  auto second = MakeField(1);
  library.SetLocale(Locale::UnitedStates());
  first->Value(1234.5);
  second->Value(-2);
  EXPECT_EQ(first->Text(), "1,234.50 €");
  EXPECT_EQ(second->Text(), "-2.00 €");
  library.SetLocale(Locale::Portuguese());
  first->Value(7.25);
  EXPECT_EQ(first->Text(), "7,25 €");
}

}  // namespace
}  // namespace qorvexctl
