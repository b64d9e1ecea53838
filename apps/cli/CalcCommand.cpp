// `qorvexctl calc KEYS`: the amount field's calculator, freshly opened on a headless desktop,
// the keys typed into it one keystroke at a time, and what it shows afterwards as one JSON
// object.

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include "apps/cli/Commands.h"
#include "play/PlayOutput.h"
#include "qorvexctl/controls/amount/AmountFunctions.h"
#include "qorvexctl/controls/amount/calcForm.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/ModalScripts.h"
#include "qorvexctl/platform/desktop/SendKeys.h"

namespace qorvexctl::cli {
namespace {

using play::Json;

// An amount as a JSON number ("110", "0.333").
Json AmountJson(Currency amount) { return Json::parse(PlainAmountText(amount)); }

// Each keystroke is processed before the next is typed; once the window has closed the rest
// of the keys are not typed.
void TypeKeys(platform::Desktop& desktop, const calcForm& calculator,
              const std::vector<platform::KeyStroke>& strokes) {
  for (const platform::KeyStroke& stroke : strokes) {
    if (!calculator.Visible()) return;
    desktop.PostKeyStroke(stroke);
    desktop.DoEvents();
  }
}

Json CalculatorState(const calcForm& calculator, const std::optional<Currency>& handed) {
  Json tape = Json::array();
  for (const CalcTapeLine& line : calculator.Tape().Lines()) tape.push_back(line.Text());
  return Json{{"display", calculator.DisplayText()},
              {"operator", calculator.PendingOperator()},
              {"tape", tape},
              {"memory", AmountJson(calculator.Memory())},
              {"value", handed ? AmountJson(*handed) : Json(nullptr)}};
}

int RunCalc(const Arguments& args) {
  const Locale* locale = nullptr;
  std::optional<std::string> keys;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--system" && i + 1 < args.size() && (args[i + 1] == "pt" || args[i + 1] == "us")) {
      static const Locale kPortuguese = Locale::Portuguese();
      static const Locale kUnitedStates = Locale::UnitedStates();
      locale = args[++i] == "pt" ? &kPortuguese : &kUnitedStates;
    } else if (!keys) {
      keys = args[i];
    } else {
      keys.reset();
      break;
    }
  }
  const auto strokes = platform::ParseSendKeys(keys.value_or(""));
  if (!keys || (strokes.empty() && !keys->empty())) {
    std::fputs("usage: qorvexctl calc KEYS [--system pt|us] (KEYS in SendKeys notation)\n", stderr);
    return 2;
  }
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  if (locale) library.SetLocale(*locale);
  calcForm calculator(library, desktop);
  std::optional<Currency> handed;
  calculator.SetValue.connect([&handed](Currency value) { handed = value; });
  desktop.Scripts().OnModalForm(
      "", [&](platform::Window&) { TypeKeys(desktop, calculator, strokes); });
  calculator.ShowModal();
  std::cout << CalculatorState(calculator, handed).dump() << "\n";
  return 0;
}

}  // namespace

const Command kCalcCommand = {
    "calc", "the amount field's calculator driven by keys",
    "qorvexctl calc KEYS [--system pt|us]\n"
    "    Opens a fresh calculator, types KEYS into it (SendKeys notation: \"12{+}3~\" is 12 + 3\n"
    "    Enter, {F1} confirms, {ESC} resets, {DEL} clears the entry, {INSERT} {HOME} {PGUP}\n"
    "    {PGDN} are M+ M- MR MC, {%} is a percentage) and prints one JSON object: the display\n"
    "    text, the pending operator (\"\" when none), the tape lines, the memory, and the value\n"
    "    handed back on confirming (null when the window closed without it).\n"
    "  --system pt|us  the Portuguese or American number conventions; by default\n"
    "                  QORVEXCTL_LOCALE decides\n",
    RunCalc};

}  // namespace qorvexctl::cli
