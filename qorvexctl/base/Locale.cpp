#include "qorvexctl/base/Locale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace qorvexctl {
namespace {

// What one pass over a candidate number found.
struct NumberScan {
  bool wellFormed = false;
  bool hasExponent = false;
  bool negativeExponent = false;
  int mantissaDigits = 0;
};

// Mantissas this long may overflow a double even without an exponent.
constexpr int kDigitsNeedingRangeCheck = 300;

bool IsAsciiDigit(char32_t c) { return c >= '0' && c <= '9'; }

template <typename Char>
std::size_t SkipBlanks(std::basic_string_view<Char> text, std::size_t i) {
  while (i < text.size() && text[i] == ' ') ++i;
  return i;
}

// Reads the exponent after "e"/"E" at `i`; returns the position after it, or npos when the
// exponent has no digit.
template <typename Char>
std::size_t ScanExponent(std::basic_string_view<Char> text, std::size_t i, NumberScan& scan,
                         std::string* normalized) {
  if (normalized) normalized->push_back('e');
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    scan.negativeExponent = text[i] == '-';
    if (normalized && scan.negativeExponent) normalized->push_back('-');
    ++i;
  }
  const std::size_t first = i;
  for (; i < text.size() && IsAsciiDigit(text[i]); ++i) {
    if (normalized) normalized->push_back(static_cast<char>(text[i]));
  }
  return i == first ? std::basic_string_view<Char>::npos : i;
}

// One pass of the lenient numeric grammar. When `normalized` is given it receives the number
// in the form std::from_chars reads ("-1234.5e6").
template <typename Char>
NumberScan ScanNumber(std::basic_string_view<Char> text, char decimal, char grouping,
                      std::string* normalized) {
  NumberScan scan;
  std::size_t i = SkipBlanks(text, 0);
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (normalized && text[i] == '-') normalized->push_back('-');
    ++i;
  }
  bool sawDecimal = false;
  int integerDigits = 0;
  for (; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (IsAsciiDigit(c)) {
      ++scan.mantissaDigits;
      if (!sawDecimal) ++integerDigits;
      if (normalized) normalized->push_back(static_cast<char>(c));
    } else if (c == static_cast<char32_t>(decimal) && !sawDecimal) {
      sawDecimal = true;
      if (normalized) normalized->push_back('.');
    } else if (!(c == static_cast<char32_t>(grouping) && !sawDecimal && integerDigits > 0)) {
      break;
    }
  }
  if (scan.mantissaDigits == 0) return scan;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    scan.hasExponent = true;
    i = ScanExponent(text, i + 1, scan, normalized);
    if (i == std::basic_string_view<Char>::npos) return scan;
  }
  scan.wellFormed = SkipBlanks(text, i) == text.size();
  return scan;
}

// Converts a well-formed number; nothing when it overflows a double (underflow gives 0).
std::optional<double> ConvertNormalized(const std::string& normalized, const NumberScan& scan) {
  double value = 0;
  const auto [end, error] =
      std::from_chars(normalized.data(), normalized.data() + normalized.size(), value);
  if (error == std::errc::result_out_of_range) {
    if (scan.hasExponent && scan.negativeExponent) return 0.0;
    return std::nullopt;
  }
  if (error != std::errc() || end != normalized.data() + normalized.size()) return std::nullopt;
  return value;
}

// Digits alone, too few to overflow: numeric in any locale, no grammar needed. Tax numbers and
// their parts are mostly such texts.
template <typename Char>
bool IsShortRunOfDigits(std::basic_string_view<Char> text) {
  return !text.empty() && text.size() < kDigitsNeedingRangeCheck &&
         std::all_of(text.begin(), text.end(), [](Char c) { return IsAsciiDigit(c); });
}

template <typename Char>
bool IsNumericText(std::basic_string_view<Char> text, char decimal, char grouping) {
  if (IsShortRunOfDigits(text)) return true;
  const NumberScan scan = ScanNumber(text, decimal, grouping, nullptr);
  if (!scan.wellFormed) return false;
  if (!scan.hasExponent && scan.mantissaDigits < kDigitsNeedingRangeCheck) return true;
  std::string normalized;
  ScanNumber(text, decimal, grouping, &normalized);
  return ConvertNormalized(normalized, scan).has_value();
}

// A value rounded to a number of decimals, as decimal digit strings.
struct RoundedDecimal {
  bool negative = false;
  std::string integerDigits;   // without leading zeros; empty when the integer part is 0
  std::string fractionDigits;  // exactly the requested number of decimals
};

// Rounds half away from zero on the value's 15-significant-digit decimal form.
RoundedDecimal RoundToDecimals(double value, int decimals) {
  RoundedDecimal out;
  char buffer[40];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific, 14);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  std::string digits = std::string(text.substr(0, 1)) + std::string(text.substr(2, 14));
  int exponent = std::atoi(std::string(text.substr(text.find('e') + 1)).c_str());
  // digits × 10^(exponent - 14); keep the digits down to 10^-decimals.
  const int keep = exponent + 1 + decimals;
  if (keep < 0) {
    digits.clear();
  } else if (keep < static_cast<int>(digits.size())) {
    const bool roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    int i = keep - 1;
    for (; roundUp && i >= 0; --i) {
      if (digits[static_cast<std::size_t>(i)] != '9') {
        ++digits[static_cast<std::size_t>(i)];
        break;
      }
      digits[static_cast<std::size_t>(i)] = '0';
    }
    if (roundUp && i < 0) {
      digits.insert(digits.begin(), '1');
      ++exponent;
    }
  } else {
    digits.append(static_cast<std::size_t>(keep) - digits.size(), '0');
  }
  // Now digits × 10^(exponent + 1 - digits.size()) with exactly `decimals` fraction digits
  // when exponent + 1 >= 0; pad on the left so the fraction is complete.
  const int fractionStart = static_cast<int>(digits.size()) - decimals;
  if (fractionStart < 0) digits.insert(0, static_cast<std::size_t>(-fractionStart), '0');
  const std::size_t split = digits.size() - static_cast<std::size_t>(decimals);
  out.fractionDigits = digits.substr(split);
  out.integerDigits = digits.substr(0, split);
  const auto firstNonZero = out.integerDigits.find_first_not_of('0');
  out.integerDigits.erase(
      0, firstNonZero == std::string::npos ? out.integerDigits.size() : firstNonZero);
  const bool isZero =
      out.integerDigits.empty() && out.fractionDigits.find_first_not_of('0') == std::string::npos;
  out.negative = value < 0 && !isZero;
  return out;
}

// The placeholders of a number pattern such as "###,##0.00".
struct NumberPattern {
  std::string_view prefix, suffix;
  int minimumIntegerDigits = 0;
  int minimumDecimals = 0;
  int maximumDecimals = 0;
  bool grouped = false;
  bool hasDecimalPoint = false;
};

NumberPattern ParsePattern(std::string_view pattern) {
  NumberPattern p;
  const std::size_t start = pattern.find_first_of("0#.,");
  if (start == std::string_view::npos) {
    p.prefix = pattern;
    return p;
  }
  std::size_t end = pattern.find_first_not_of("0#.,", start);
  if (end == std::string_view::npos) end = pattern.size();
  p.prefix = pattern.substr(0, start);
  p.suffix = pattern.substr(end);
  for (char c : pattern.substr(start, end - start)) {
    if (c == '.') {
      p.hasDecimalPoint = true;
    } else if (c == ',' && !p.hasDecimalPoint) {
      p.grouped = true;
    } else if (c == '0' || c == '#') {
      int& count = p.hasDecimalPoint ? p.maximumDecimals : p.minimumIntegerDigits;
      if (c == '0' || p.hasDecimalPoint) ++count;
      if (c == '0' && p.hasDecimalPoint) ++p.minimumDecimals;
    }
  }
  return p;
}

std::string GroupDigits(const std::string& digits, char grouping) {
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out.push_back(grouping);
    out.push_back(digits[i]);
  }
  return out;
}

}  // namespace

Locale Locale::Portuguese() { return Locale("pt-PT", ',', '.'); }
Locale Locale::UnitedStates() { return Locale("en-US", '.', ','); }

Locale Locale::FromName(std::string_view name) {
  const std::string_view base = name.substr(0, name.find('.'));
  return base == "en-US" || base == "en_US" ? UnitedStates() : Portuguese();
}

bool Locale::IsNumeric(std::string_view text) const {
  return IsNumericText(text, m_decimal, m_grouping);
}

bool Locale::IsNumeric(std::u32string_view text) const {
  return IsNumericText(text, m_decimal, m_grouping);
}

std::optional<double> Locale::ToNumber(std::string_view text) const {
  std::string normalized;
  const NumberScan scan = ScanNumber(text, m_decimal, m_grouping, &normalized);
  if (!scan.wellFormed) return std::nullopt;
  return ConvertNormalized(normalized, scan);
}

std::string Locale::FormatGeneral(double value) const {
  if (value == 0) return "0";
  char buffer[40];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string out(buffer, result.ptr);
  for (char& c : out) {
    if (c == '.') c = m_decimal;
    if (c == 'e') c = 'E';
  }
  return out;
}

std::string Locale::Format(double value, std::string_view pattern) const {
  if (!std::isfinite(value)) return {};
  const NumberPattern p = ParsePattern(pattern);
  RoundedDecimal number = RoundToDecimals(value, p.maximumDecimals);
  while (static_cast<int>(number.fractionDigits.size()) > p.minimumDecimals &&
         number.fractionDigits.back() == '0') {
    number.fractionDigits.pop_back();
  }
  std::string integer = number.integerDigits;
  if (static_cast<int>(integer.size()) < p.minimumIntegerDigits) {
    integer.insert(0, static_cast<std::size_t>(p.minimumIntegerDigits) - integer.size(), '0');
  }
  std::string out(number.negative ? "-" : "");
  out += p.prefix;
  out += p.grouped ? GroupDigits(integer, m_grouping) : integer;
  if (p.hasDecimalPoint) out.push_back(m_decimal);
  out += number.fractionDigits;
  out += p.suffix;
  return out;
}

const Locale& DefaultLocale() {
  static const Locale locale = [] {
    const char* name = std::getenv("QORVEXCTL_LOCALE");
    return Locale::FromName(name ? name : "");
  }();
  return locale;
}

bool IsCalendarDate(int year, int month, int day) {
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  static constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  const int days = kDaysInMonth[month - 1] + (month == 2 && leap ? 1 : 0);
  return day <= days;
}

}  // namespace qorvexctl
