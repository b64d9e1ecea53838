#include "qorvexctl/controls/amount/calcForm.h"

#include <gtest/gtest.h>

#include <optional>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/amount/AmountFunctions.h"
#include "qorvexctl/controls/amount/eurbox.h"
#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/ModalScripts.h"
#include "qorvexctl/platform/desktop/SendKeys.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/services/SettingsStore.h"

namespace qorvexctl {
namespace {

struct CalculatorTest : ::testing::Test {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};

  // Types `keys` one keystroke at a time into the open calculator, each processed before the
  // next, as a person types.
  void Type(const std::string& keys) {
    for (const platform::KeyStroke& stroke : platform::ParseSendKeys(keys)) {
      desktop.PostKeyStroke(stroke);
      desktop.DoEvents();
    }
  }
};

std::string Lines(const calcForm& calculator) {
  std::vector<std::string> lines;
  for (const CalcTapeLine& line : calculator.Tape().Lines()) lines.push_back(line.Text());
  return Join(lines, " / ");
}

TEST_F(CalculatorTest, KeySequencesGiveTheDisplayTheOperatorAndTheTape) {
  struct Case {
    const char* keys;
    const char* display;
    const char* pending;
    const char* tape;
  } cases[] = {
      // Percentages, division, negative entries.
      {"100{+}10{%}~", "110", "", " |100|100 / +|10|10%"}, {"1/3~", "0,333", "", " |1|1 / ÷|3|3"},
      {"-5{+}3~", "-2", "", " |-5|-5 / +|3|3"}, {"0,0-5~", "-5", "", " |-5|5"},
      // Continuing after equals, an operator closing the pending one, a digit after equals.
      {"2{+}3~{+}4~", "9", "", " |2|2 / +|3|3 / +|4|4"}, {"2{+}3*", "5", "x", " |2|2 / +|3|3"},
      {"2{+}3~4", "54", "", " |2|2 / +|3|3"},
      // Entry limits: nine characters, nothing after "%", three decimals; clear entry.
      {"123456789{BS}1", "123456789", "", ""}, {"1234{BS}{BS},5{%}7", "12,5%", "", ""},
      {"7{+}5{DEL}1~", "8", "", " |7|7 / +|1|1"}, {"1234,5{+}1~", "1.235,5", "", " |1234,5|1234,5 / +|1|1"},
      {"12.345,6789", "12,345", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    calcForm calculator(library, desktop);
    calculator.Show();
    Type(c.keys);
    EXPECT_EQ(calculator.DisplayText(), c.display);
    EXPECT_EQ(calculator.PendingOperator(), c.pending);
    EXPECT_EQ(Lines(calculator), c.tape);
    desktop.Wait(1000);  // the next calculator's first Esc is not a double reset
  }
}

TEST_F(CalculatorTest, DivisionByZeroSignalsTheErrorThenResets) {
  calcForm calculator(library, desktop);
  calculator.Show();
  Type("10/0");
  const std::int64_t before = desktop.NowMs();
  Type("~");
  EXPECT_EQ(desktop.NowMs() - before, 20 * 150 + 50);  // ten pairs of 0.15 s, and the flash
  EXPECT_EQ(calculator.DisplayText(), "0");
  EXPECT_TRUE(calculator.Tape().Empty());
  EXPECT_EQ(calculator.sfinal.Tag(), "0");
  EXPECT_TRUE(calculator.Visible());
}

TEST_F(CalculatorTest, KeysColourTheirButtonsWhileDown) {
  calcForm calculator(library, desktop);
  calculator.Show();
  desktop.PostInput({.kind = platform::InputEvent::Kind::KeyDown, .keyCode = '7'});
  desktop.DoEvents();
  EXPECT_EQ(calculator.btNum(7).BackColor(), kCalcKeyColour);
  EXPECT_EQ(calculator.DisplayText(), "7");
  desktop.PostInput({.kind = platform::InputEvent::Kind::KeyUp, .keyCode = '7'});
  desktop.DoEvents();
  EXPECT_EQ(calculator.btNum(7).BackColor(), kCalcButtonFace);
  desktop.PostInput({.kind = platform::InputEvent::Kind::KeyDown, .keyCode = platform::vbKeyDelete});
  desktop.DoEvents();
  EXPECT_EQ(calculator.btCE().BackColor(), kCalcKeyColour);
  EXPECT_EQ(calculator.DisplayText(), "7");  // Delete acts on key-up
  desktop.PostInput({.kind = platform::InputEvent::Kind::KeyUp, .keyCode = platform::vbKeyDelete});
  desktop.DoEvents();
  EXPECT_EQ(calculator.DisplayText(), "0");
  Type("+5");  // Shift and "5" make "%"
  EXPECT_EQ(calculator.btPercent().BackColor(), kCalcButtonFace);
  EXPECT_EQ(calculator.DisplayText(), "0%");
}

TEST_F(CalculatorTest, ButtonsActAndHandTheFocusToTheHiddenEqualsButton) {
  calcForm calculator(library, desktop);
  calculator.Show();
  platform::UserInput& input = desktop.Input();
  for (cButton* button : {&calculator.btNum(7), &calculator.btOp(2), &calculator.btNum(6),
                          &calculator.btMem(0), &calculator.btOp(1)}) {
    input.Click(*button);
  }
  EXPECT_EQ(desktop.Focus(), &calculator.dummyEqual);
  EXPECT_EQ(calculator.PendingOperator(), "-");
  EXPECT_EQ(calculator.Memory(), Currency::FromInteger(6));
  input.Click(calculator.btNum(2));
  Type("~");  // Enter reaches the default button: equals
  EXPECT_EQ(calculator.DisplayText(), "40");
  input.Click(calculator.btList());
  EXPECT_EQ(calculator.Width(), kCalcWideWidth);
  input.Click(calculator.btOK());
  EXPECT_TRUE(calculator.Confirmed());
}

TEST_F(CalculatorTest, MemoryKeysKeepAnAmountApart) {
  calcForm calculator(library, desktop);
  calculator.Show();
  desktop.Wait(1000);
  EXPECT_EQ(calculator.memLabel.Caption(), "Memória vazia");
  Type("12,5{INSERT}{DEL}{INSERT}2{INSERT}{HOME}");
  EXPECT_EQ(calculator.Memory(), *Currency::FromDouble(12.5));
  EXPECT_EQ(calculator.memLabel.ToolTipText(), "Valor em memória: 12,5");
  EXPECT_EQ(calculator.memLabel.ForeColor(), 1779744u);
  Type("{ESC}");
  desktop.Wait(300);
  Type("{PGUP}");
  EXPECT_EQ(calculator.DisplayText(), "12,5");
  Type("{PGDN}");
  EXPECT_EQ(calculator.memLabel.Tag(), "0");
  EXPECT_EQ(calculator.memLabel.ToolTipText(), "Memória vazia");
  EXPECT_EQ(calculator.memLabel.ForeColor(), 8424581u);
}

TEST_F(CalculatorTest, TwoResetsWithinAQuarterOfASecondCloseWithoutConfirming) {
  calcForm calculator(library, desktop);
  std::optional<Currency> confirmed;
  calculator.SetValue.connect([&](Currency v) { confirmed = v; });
  calculator.Show();
  desktop.Wait(1000);
  Type("5{+}5~{ESC}");
  EXPECT_TRUE(calculator.Visible());
  EXPECT_EQ(calculator.DisplayText(), "0");
  desktop.Wait(249);
  Type("{ESC}");
  EXPECT_FALSE(calculator.Visible());
  EXPECT_FALSE(confirmed.has_value());
  EXPECT_FALSE(calculator.Confirmed());
}

TEST_F(CalculatorTest, ConfirmingHandsBackTheTapeTotalAndSavesTheOptions) {
  library.Settings().Set("Balverde", "Calculadora", "CheckEuro", "1");
  calcForm calculator(library, desktop);
  EXPECT_EQ(calculator.optEuro.Value(), 1);
  EXPECT_EQ(calculator.Width(), kCalcNarrowWidth);
  std::optional<Currency> confirmed;
  calculator.SetValue.connect([&](Currency v) { confirmed = v; });
  calculator.Show();
  Type("1234,5{+}1~");
  EXPECT_EQ(calculator.DisplayText(), "1.235,50 €");
  EXPECT_EQ(calculator.sfinal.Caption(), "1.235,50 €");
  EXPECT_EQ(calculator.sfinal.Tag(), "1235,5");
  Type("{+}2");  // pending and not in the tape: not handed back
  calculator.optPercent.Value(1);
  Type("{F1}");
  ASSERT_TRUE(confirmed.has_value());
  EXPECT_EQ(*confirmed, *Currency::FromDouble(1235.5));
  EXPECT_FALSE(calculator.Visible());
  EXPECT_EQ(library.Settings().Get("Balverde", "Calculadora", "CheckPercent", ""), "1");
}

TEST_F(CalculatorTest, PercentagesListAsTypedWithTheAmountAsTooltip) {
  calcForm calculator(library, desktop);
  calculator.Show();
  Type("200{+}15{%}~");
  const platform::ListItem& line = calculator.cList.Item(2);
  EXPECT_EQ(line.ColumnText(1), "30");
  calculator.optPercent.Value(1);
  EXPECT_EQ(calculator.cList.Item(2).ColumnText(1), "15%");
  EXPECT_EQ(calculator.cList.Item(2).ToolTipText(), "30");
  EXPECT_EQ(calculator.TapeAsText(), " \t200\t200\r\n+\t15%\t230");
}

TEST_F(CalculatorTest, LongTextsShrinkAndRaiseTheOverflowMark) {
  calcForm calculator(library, desktop);
  calculator.Value(*Currency::FromDouble(123456789.5));
  EXPECT_EQ(calculator.DisplayText(), "123456789,5");
  EXPECT_EQ(calculator.Display.Font().PointSize(), 10);
  EXPECT_EQ(calculator.eLabel.ForeColor(), 11254449u);
  calculator.Value(*Currency::FromDouble(-123456789.125));
  EXPECT_EQ(calculator.eLabel.ForeColor(), 0u);
  EXPECT_EQ(calculator.Display.ToolTipText(), "-123456789,125");
  calculator.ActionCE();
  EXPECT_EQ(calculator.Display.Font().PointSize(), 12);
  EXPECT_EQ(calculator.eLabel.ToolTipText(), "");
}

TEST_F(CalculatorTest, AStoredTapeComesBackWideWithItsTotal) {
  calcForm calculator(library, desktop);
  calculator.List(" |50|50\r\nx|2|2\r\nbroken\r\n\r\n+|1|1|1");
  EXPECT_EQ(calculator.List(), " |50|50\r\nx|2|2");
  EXPECT_EQ(calculator.DisplayText(), "100");
  EXPECT_EQ(calculator.Width(), kCalcWideWidth);
  EXPECT_EQ(calculator.Value(), Currency::FromInteger(100));
  calculator.List("");
  EXPECT_EQ(calculator.List(), "");
  EXPECT_EQ(calculator.Value(), Currency{});
}

// --- The hand-over with the amount field.

struct HandOverTest : CalculatorTest {
  platform::Form form{desktop, "Anexo"};
  std::vector<std::shared_ptr<eurbox>> fields;
  std::vector<std::string> log;

  eurbox& AddField(const std::string& name) {
    auto field = std::make_shared<eurbox>(library, desktop, &form);
    form.Adopt(field, name);
    field->Move(600, 300 + 400 * static_cast<double>(fields.size()), 2400, 315);
    field->TabIndex(static_cast<int>(fields.size()));
    field->InitProperties();
    field->ValueChanged.connect([this, name] { log.push_back(name + " ValueChanged"); });
    fields.push_back(field);
    return *field;
  }
  // Opens the calculator by typing `opener` into the field and types `keys` into it.
  void OpenAndType(eurbox& field, const std::string& opener, const std::string& keys) {
    form.Show();
    field.TextBox().SetFocus();
    desktop.Scripts().OnModalForm("calcForm", [this, keys](platform::Window&) { Type(keys); });
    desktop.Input().SendKeys(opener);
  }
};

TEST_F(HandOverTest, StarOpensWithTheAmountTimesAndEqualsDecides) {
  struct Case {
    const char* keys;
    double stored;
  } cases[] = {{"2~{F1}", 100}, {"2{F1}", 50}, {"2{ESC}", 50}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    eurbox& field = AddField("valor" + std::to_string(fields.size()));
    field.Value(50);
    desktop.Wait(1000);
    log.clear();
    desktop.Keyboard().NumLock(false);
    OpenAndType(field, "*", c.keys);
    EXPECT_EQ(field.Value(), c.stored);
    EXPECT_EQ(field.Text(), FormatEuroAmount(Variant(c.stored)));
    EXPECT_TRUE(desktop.Keyboard().NumLock());
    EXPECT_FALSE(log.empty());
    EXPECT_EQ(log.back(), field.Name() + " ValueChanged");
  }
}

TEST_F(HandOverTest, AStoredTapeOpensShownAndIsKeptOnlyWithTheOption) {
  eurbox& field = AddField("valor0");
  field.ShoppingData = " |50|50\r\nx|2|2";
  std::string seen;
  desktop.Scripts().OnModalForm("calcForm", [&](platform::Window& window) {
    auto& calculator = dynamic_cast<calcForm&>(window);
    seen = calculator.DisplayText() + " " + std::to_string(calculator.Width()) + " " +
           std::to_string(calculator.ListMemory());
    desktop.Wait(1000);
    Type("{+}5~{F1}");
  });
  field.OpenCalculator();
  EXPECT_EQ(seen, "100 5100 1");
  EXPECT_EQ(field.Value(), 105);
  EXPECT_EQ(field.ShoppingData, " |50|50\r\nx|2|2\r\n+|5|5");
  desktop.Scripts().OnModalForm("calcForm", [&](platform::Window& window) {
    dynamic_cast<calcForm&>(window).ListMemory(false);
    Type("{F1}");
  });
  field.OpenCalculator();
  EXPECT_EQ(field.ShoppingData, "");
  EXPECT_EQ(field.Value(), 105);
}

TEST_F(HandOverTest, SlashOpensWithADivisionAndEnterThenMovesToTheNextField) {
  eurbox& first = AddField("valor0");
  eurbox& second = AddField("valor1");
  first.Value(9);
  desktop.Wait(1000);
  OpenAndType(first, "/", "4~{F1}");
  EXPECT_EQ(first.Value(), 2.25);
  EXPECT_EQ(first.Text(), "2,25 €");
  desktop.Input().Click(first.TextBox());
  EXPECT_EQ(desktop.Focus(), &first.TextBox());
  desktop.Input().SendKeys("{ENTER}");
  EXPECT_EQ(desktop.Focus(), &second.TextBox());
}

}  // namespace
}  // namespace qorvexctl
