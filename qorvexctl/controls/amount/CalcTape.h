#pragma once
// The arithmetic of the calculator, without its window: how display and tape texts are read,
// the two ways amounts are written, the rules for a typed character, and the paper tape with
// its left-to-right evaluation.
//
//   CalcTape tape;
//   tape.Add(" ", "100", locale);        // first line: 100
//   tape.Add("+", "10%", locale);        // 10 % of the running total: + 10
//   tape.Evaluate()->total;              // 110
//   CalcNumberForm(tape.Total());        // "110"; 1234.5 gives "1.234,5"
//
// Totals are rounded to 3 decimals after every line (RoundAmount, ties to even).
//
// A tape line is "operator|operand|typed text": the operand is the amount in the system's
// decimal notation, the typed text what the display showed ("10%").

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/base/Currency.h"
#include "qorvexctl/base/Locale.h"

namespace qorvexctl {

// The four operators as the tape and the pending-operator label show them.
inline constexpr std::string_view kCalcAdd = "+";
inline constexpr std::string_view kCalcSubtract = "-";
inline constexpr std::string_view kCalcMultiply = "x";
inline constexpr std::string_view kCalcDivide = "÷";

// A display or tape text as an amount: "%" and "€" removed and blanks trimmed; when the rest
// is numeric, a system with the decimal comma drops every "." first, any other system reads
// each "," as its decimal separator. Anything else reads 0.
Currency ParseCalcText(std::string_view text, const Locale& locale);
// The amount as the system writes it: no grouping, its decimal separator, no trailing zeros.
std::string CalcAmountText(Currency amount, const Locale& locale);
// Up to 3 decimals, "." grouping, "," decimals, trailing zeros dropped: 1234.5 gives "1.234,5".
std::string CalcNumberForm(Currency amount);
// Two decimals and the euro sign: 1234.5 gives "1.234,50 €".
std::string CalcEuroForm(Currency amount);
// Rounded to 0 to 4 decimals, ties to even, exactly on the ten-thousandths (1271.535 to 2
// decimals is 1271.54).
Currency RoundAmount(Currency amount, int decimals);

// The entry after a typed character: a digit, ",", "%" or "<" (Backspace). Nothing when the
// character is refused (a ninth character, a fourth decimal, a second comma, anything after
// "%"). `entry` is what the display holds ("0" when the next digit starts a new entry).
std::optional<std::string> EnterCalcCharacter(const std::string& entry, char32_t character,
                                              const Locale& locale);

struct CalcTapeLine {
  std::string op;       // "+", "-", "x", "÷", or " " for the first line
  std::string operand;  // the amount in the system's notation
  std::string typed;    // the display text it came from
  std::string Text() const { return op + "|" + operand + "|" + typed; }
  // A line of exactly three "|"-separated fields; nothing for any other text.
  static std::optional<CalcTapeLine> FromText(std::string_view text);
};

// What evaluating the tape gave: the running total after each line, and the last.
struct CalcEvaluation {
  std::vector<Currency> running;
  Currency total;
};

class CalcTape {
 public:
  const std::vector<CalcTapeLine>& Lines() const { return m_lines; }
  bool Empty() const { return m_lines.empty(); }
  void Clear() { m_lines.clear(); }
  // Appends a line as it stands (a stored tape being loaded).
  void Append(CalcTapeLine line) { m_lines.push_back(std::move(line)); }
  // Adds the line (operator, display text) the way the keys do: a percentage of the running
  // total, the first line's operator " " (a first "-" negating the operand), unknown operators
  // refused on a tape that has lines. False when nothing was added.
  bool Add(std::string_view op, const std::string& text, const Locale& locale);
  // Left to right without precedence, rounding the total to 3 decimals after every line.
  // Nothing when a step fails (division by zero, an amount out of range).
  std::optional<CalcEvaluation> Evaluate(const Locale& locale) const;
  // The total of the last successful evaluation (0 for an empty tape).
  Currency Total(const Locale& locale) const;
  // The lines joined by CR LF.
  std::string Joined() const;

 private:
  std::vector<CalcTapeLine> m_lines;
};

}  // namespace qorvexctl
