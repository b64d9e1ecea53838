#include "qorvexctl/controls/amount/CalcTape.h"

#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/amount/AmountFunctions.h"

namespace qorvexctl {
namespace {

constexpr std::size_t kMaxEntryLength = 9;
constexpr std::size_t kMaxDecimals = 3;
constexpr int kTotalDecimals = 3;

bool IsCalcOperator(std::string_view op) {
  return op == kCalcAdd || op == kCalcSubtract || op == kCalcMultiply || op == kCalcDivide;
}

// The written forms are fixed ("." groups, "," separates decimals), whatever the system uses.
const Locale& FixedForms() {
  static const Locale kForms = Locale::Portuguese();
  return kForms;
}

// The whole part of an entry read as a number (leading zeros dropped); a part that is no
// number yet (a lone "-") stays as it is.
std::string NormalisedWhole(const std::string& whole, const Locale& locale) {
  const std::string bare = Trim(Replace(Replace(whole, "%", ""), "€", ""));
  if (!locale.IsNumeric(bare)) return whole;
  return CalcAmountText(ParseCalcText(whole, locale), locale);
}

std::optional<Currency> Product(Currency a, Currency b) {
  return Currency::FromDouble(a.ToDouble() * b.ToDouble());
}

std::optional<Currency> Quotient(Currency a, Currency b) {
  if (b == Currency{}) return std::nullopt;
  return Currency::FromDouble(a.ToDouble() / b.ToDouble());
}

// The running total after one more line; nothing when the step fails.
std::optional<Currency> Step(Currency total, std::string_view op, Currency operand) {
  try {
    if (op == kCalcAdd) return total + operand;
    if (op == kCalcSubtract) return total - operand;
    if (op == kCalcMultiply || op == "*") return Product(total, operand);
    if (op == kCalcDivide || op == "/") return Quotient(total, operand);
    return total;
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
}

}  // namespace

Currency ParseCalcText(std::string_view text, const Locale& locale) {
  std::string bare = Trim(Replace(Replace(text, "%", ""), "€", ""));
  if (!locale.IsNumeric(bare)) return {};
  if (locale.DecimalSeparator() == ',') {
    bare = Replace(bare, ".", "");
  } else {
    bare = Replace(bare, ",", std::string(1, locale.DecimalSeparator()));
  }
  const std::optional<double> number = locale.ToNumber(bare);
  if (!number) return {};
  return Currency::FromDouble(*number).value_or(Currency{});
}

std::string CalcAmountText(Currency amount, const Locale& locale) {
  return amount.ToString(std::string(1, locale.DecimalSeparator()));
}

std::string CalcNumberForm(Currency amount) {
  std::string text = FixedForms().Format(amount.ToDouble(), "#,##0.000");
  while (text.ends_with('0')) text.pop_back();
  if (text.ends_with(',')) text.pop_back();
  return text;
}

std::string CalcEuroForm(Currency amount) {
  return FixedForms().Format(amount.ToDouble(), "#,##0.00") + " €";
}

Currency RoundAmount(Currency amount, int decimals) {
  std::int64_t unit = 1;
  for (int d = decimals; d < 4; ++d) unit *= 10;
  const std::int64_t raw = amount.Raw();
  std::int64_t units = raw / unit;
  const std::int64_t rest = raw % unit;
  const std::int64_t size = rest < 0 ? -rest : rest;
  if (2 * size > unit || (2 * size == unit && units % 2 != 0)) units += raw < 0 ? -1 : 1;
  return Currency::FromRaw(units * unit);
}

std::optional<std::string> EnterCalcCharacter(const std::string& entry, char32_t character,
                                              const Locale& locale) {
  if (Len(entry) >= kMaxEntryLength) return std::nullopt;
  if (character == U'<') {
    const std::string shorter = Left(entry, Len(entry) - 1);
    return shorter.empty() ? std::string("0") : shorter;
  }
  if (entry.find('%') != std::string::npos) return std::nullopt;
  const std::size_t comma = entry.find(',');
  if (character == U'%') return entry.empty() ? std::nullopt : std::optional(entry + "%");
  if (character == U',') return comma != std::string::npos ? std::nullopt : std::optional(entry + ",");
  if (character < U'0' || character > U'9') return std::nullopt;
  const char digit = static_cast<char>(character);
  if (comma == std::string::npos) {
    return CalcAmountText(ParseCalcText(entry + digit, locale), locale);
  }
  const std::string decimals = entry.substr(comma + 1);
  if (Len(decimals) >= kMaxDecimals) return std::nullopt;
  return NormalisedWhole(entry.substr(0, comma), locale) + "," + decimals + digit;
}

std::optional<CalcTapeLine> CalcTapeLine::FromText(std::string_view text) {
  const std::size_t first = text.find('|');
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t second = text.find('|', first + 1);
  if (second == std::string_view::npos || text.find('|', second + 1) != std::string_view::npos) {
    return std::nullopt;
  }
  return CalcTapeLine{std::string(text.substr(0, first)),
                      std::string(text.substr(first + 1, second - first - 1)),
                      std::string(text.substr(second + 1))};
}

bool CalcTape::Add(std::string_view op, const std::string& text, const Locale& locale) {
  Currency operand;
  if (text.ends_with('%')) {
    const Currency total = Total(locale);
    if (total == Currency{}) return false;
    const double percentage = ParseCalcText(text, locale).ToDouble();
    const auto part = Currency::FromDouble(RoundTiesEven(total.ToDouble() * (percentage / 100), 3));
    if (!part) return false;
    operand = *part;
  } else {
    operand = ParseCalcText(text, locale);
  }
  const bool first = m_lines.empty();
  if (!first && !IsCalcOperator(op)) return false;
  if (first && op == kCalcSubtract) operand = Currency::FromRaw(-operand.Raw());
  CalcTapeLine line;
  line.op = first ? std::string(" ") : std::string(op);
  line.operand = CalcAmountText(operand, locale);
  line.typed = text;
  m_lines.push_back(std::move(line));
  return true;
}

std::optional<CalcEvaluation> CalcTape::Evaluate(const Locale& locale) const {
  CalcEvaluation result;
  for (std::size_t i = 0; i < m_lines.size(); ++i) {
    const Currency operand = ParseCalcText(m_lines[i].operand, locale);
    const std::optional<Currency> total =
        i == 0 ? std::optional(operand) : Step(result.total, m_lines[i].op, operand);
    if (!total) return std::nullopt;
    result.total = RoundAmount(*total, kTotalDecimals);
    result.running.push_back(result.total);
  }
  return result;
}

Currency CalcTape::Total(const Locale& locale) const {
  const std::optional<CalcEvaluation> evaluation = Evaluate(locale);
  return evaluation ? evaluation->total : Currency{};
}

std::string CalcTape::Joined() const {
  std::string text;
  for (const CalcTapeLine& line : m_lines) {
    if (!text.empty()) text += "\r\n";
    text += line.Text();
  }
  return text;
}

}  // namespace qorvexctl
