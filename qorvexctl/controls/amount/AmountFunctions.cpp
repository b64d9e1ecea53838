#include "qorvexctl/controls/amount/AmountFunctions.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <system_error>

#include "qorvexctl/base/Text.h"

namespace qorvexctl {
namespace {

// The decimal type holds 28 decimal places and magnitudes below 2^96.
constexpr int kDecimalMaxScale = 28;
constexpr double kDecimalLimit = 79228162514264337593543950336.0;  // 2^96

double PowerOfTen(int exponent) {
  static constexpr std::array<double, 23> kExact{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (exponent >= 0 && exponent < static_cast<int>(kExact.size())) return kExact[exponent];
  return std::pow(10.0, exponent);
}

// A decimal number text ("-12.5e3"), read with "." whatever the locale; nothing when it is too
// large for a double.
std::optional<double> ReadDecimalText(const std::string& text) {
  std::string_view body(text);
  const bool negative = !body.empty() && body.front() == '-';
  if (!body.empty() && (body.front() == '-' || body.front() == '+')) body.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), value);
  if (error == std::errc::result_out_of_range) {
    if (body.find("e-") != std::string_view::npos) return 0.0;  // too small: 0
    return std::nullopt;
  }
  if (error != std::errc{} || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

// A decimal number: an integer of up to 29 digits times 10^exponent.
struct DecimalNumber {
  bool negative = false;
  std::string digits;  // no leading zeros; "" for zero
  int exponent = 0;
};

// Drops the last `count` digits, rounding half to even on the dropped part.
void DropDigits(DecimalNumber& number, int count) {
  if (count <= 0) return;
  if (count > static_cast<int>(number.digits.size())) {
    number = {};
    return;
  }
  const std::string kept = number.digits.substr(0, number.digits.size() - count);
  const std::string dropped = number.digits.substr(number.digits.size() - count);
  const bool half = dropped[0] == '5' && dropped.find_first_not_of('0', 1) == std::string::npos;
  const bool up = dropped[0] > '5' || (dropped[0] == '5' && !half) ||
                  (half && !kept.empty() && (kept.back() - '0') % 2 == 1);
  std::string result = kept.empty() ? "0" : kept;
  for (auto it = result.rbegin(); up && it != result.rend(); ++it) {
    if (*it == '9') {
      *it = '0';
      if (it + 1 == result.rend()) result.insert(result.begin(), '1');
    } else {
      ++*it;
      break;
    }
  }
  const auto first = result.find_first_not_of('0');
  number.digits = first == std::string::npos ? "" : result.substr(first);
  number.exponent += count;
}

// Keeps at most 28 decimal places, as the decimal type does.
void LimitScale(DecimalNumber& number) { DropDigits(number, -kDecimalMaxScale - number.exponent); }

// The double at its 15 significant digits, as a decimal (the classic CDec of a double).
std::optional<DecimalNumber> ToDecimal(double value) {
  if (!std::isfinite(value) || !(std::fabs(value) < kDecimalLimit)) return std::nullopt;
  std::array<char, 40> buffer{};
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                 std::chars_format::scientific, 14)
                       .ptr;
  const std::string text(buffer.data(), end);  // d.dddddddddddddde+XX
  const auto e = text.find('e');
  DecimalNumber number;
  number.negative = value < 0;
  number.digits = text.substr(0, 1) + text.substr(2, e - 2);
  number.exponent = std::atoi(text.c_str() + e + 1) - 14;
  const auto last = number.digits.find_last_not_of('0');
  if (last == std::string::npos) return DecimalNumber{};
  number.exponent += static_cast<int>(number.digits.size() - 1 - last);
  number.digits.resize(last + 1);
  LimitScale(number);
  return number;
}

// value x 10^decimals in decimal arithmetic, back as a double; nothing when the product does
// not fit the decimal type.
std::optional<double> DecimalScaled(double value, int decimals) {
  const std::optional<DecimalNumber> factor = ToDecimal(PowerOfTen(decimals));
  std::optional<DecimalNumber> number = ToDecimal(value);
  if (!factor || !number) return std::nullopt;
  if (factor->digits.empty() || number->digits.empty()) return 0.0;
  number->exponent += factor->exponent;  // the factor is 1 x 10^k
  LimitScale(*number);
  if (number->digits.empty()) return 0.0;
  const std::optional<double> scaled = ReadDecimalText(
      (number->negative ? "-" : "") + number->digits + "e" + std::to_string(number->exponent));
  if (!scaled || !(std::fabs(*scaled) < kDecimalLimit)) return std::nullopt;
  return scaled;
}

struct RoundMemo {
  bool filled = false;
  std::int32_t decimals = 0;
  double value = 0;
  double result = 0;
  bool factorKnown = false;
  std::int32_t factorDecimals = 0;
  double factor = 1;
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// "&H" and "&O" whole numbers: 16 bits up to 4 hexadecimal (6 octal) digits, else 32 bits.
std::optional<double> ReadRadixNumber(std::string_view digits, int radix) {
  std::uint64_t value = 0;
  std::size_t count = 0;
  for (char c : digits) {
    const int digit = (c >= '0' && c <= '9')   ? c - '0'
                      : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                      : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                               : 99;
    if (digit >= radix) break;
    value = value * radix + digit;
    if (++count > 22 || value > 0xFFFFFFFFu) return std::nullopt;
  }
  if (value <= 0xFFFF && count <= (radix == 16 ? 4u : 6u))
    return static_cast<double>(static_cast<std::int16_t>(value));
  return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

// The characters of a decimal number at the start of `text`, exponent marker written "e".
std::string DecimalPrefix(std::string_view text) {
  std::string out;
  std::size_t i = 0;
  auto digitsAt = [&] {
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') out += text[i++];
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
  digitsAt();
  if (i < text.size() && text[i] == '.') {
    out += text[i++];
    digitsAt();
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    std::string exponent = "e";
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
    const std::size_t start = j;
    while (j < text.size() && text[j] >= '0' && text[j] <= '9') exponent += text[j++];
    if (j > start) out += exponent;
  }
  return out;
}

}  // namespace

double RoundHalfAway(double value, std::int32_t decimals) {
  if (value == 0) return 0;
  thread_local RoundMemo memo;
  if (memo.filled && memo.decimals == decimals && memo.value == value) return memo.result;
  if (!memo.factorKnown || memo.factorDecimals != decimals) {
    memo.factor = decimals == 0 ? 1.0 : PowerOfTen(decimals);
    memo.factorDecimals = decimals;
    memo.factorKnown = true;
  }
  double scaled = value;
  if (memo.factor != 1.0) scaled = DecimalScaled(value, decimals).value_or(0.0);
  double whole = std::trunc(scaled);
  if (std::floor(std::fabs((scaled - whole) * 10)) > 4) whole += scaled >= 0 ? 1 : -1;
  const double result = whole / memo.factor;
  memo = {true, decimals, value, result, true, decimals, memo.factor};
  return result;
}

double RoundTiesEven(double value, int decimals) {
  const double factor = PowerOfTen(decimals);
  return std::nearbyint(value * factor) / factor;
}

std::string FormatEuroAmount(const Variant& value, const Locale& locale) {
  Currency ignored;
  std::string text = FormatEuroAmount(value, ignored, locale);
  return text;
}

std::string FormatEuroAmount(const Variant& value, Currency& total, const Locale& locale) {
  double number = 0;
  switch (value.Type()) {
    case VarType::Empty:
    case VarType::Null:
    case VarType::ByteArray:
      return {};
    case VarType::String: {
      const std::optional<double> read = locale.ToNumber(value.ToString(locale));
      if (!read) return {};
      number = *read;
      break;
    }
    default:
      number = value.ToDouble(locale);
  }
  std::string text = locale.Format(number, "#,##0.00") + " €";
  if (const auto rounded = Currency::FromDouble(RoundHalfAway(number, 2))) {
    try {
      total += *rounded;
    } catch (const std::exception&) {
      // A total out of range stays as it was.
    }
  }
  return text;
}

Currency ParseEuroAmount(std::string_view text) {
  if (text.empty() || text == "0") return {};
  if (Len(text) == 1) {
    if (text[0] < '0' || text[0] > '9') return {};
    return Currency::FromInteger(text[0] - '0');
  }
  std::string cleaned = Replace(Replace(Replace(text, "€", ""), " ", ""), "%", "");
  const std::size_t dot = InStr(text, ".");
  const std::size_t comma = InStr(text, ",");
  if (dot > 0 && comma > 0 && dot > comma) {
    cleaned = Replace(cleaned, ",", "");
  } else if (dot > 0 && comma > 0) {
    cleaned = Replace(Replace(cleaned, ".", ""), ",", ".");
  } else if (comma > 0) {
    cleaned = Replace(cleaned, ",", ".");
  }
  const std::optional<double> number = ReadLeadingNumber(cleaned);
  if (!number) return {};
  return Currency::FromDouble(*number).value_or(Currency{});
}

std::optional<double> ReadLeadingNumber(std::string_view text) {
  std::string compact;
  for (char c : text) {
    if (!IsBlank(c)) compact += c;
  }
  if (compact.size() > 2 && compact[0] == '&') {
    const char kind = compact[1];
    if (kind == 'h' || kind == 'H') return ReadRadixNumber(std::string_view(compact).substr(2), 16);
    if (kind == 'o' || kind == 'O') return ReadRadixNumber(std::string_view(compact).substr(2), 8);
  }
  const std::string number = DecimalPrefix(compact);
  if (number.find_first_of("0123456789") == std::string::npos) return 0.0;
  return ReadDecimalText(number);
}

std::string ShortestNumberText(double value) {
  if (value == 0) return "0";
  std::array<char, 40> buffer{};
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
  return std::string(buffer.data(), end);
}

std::string PlainAmountText(Currency amount) { return amount.ToString("."); }

}  // namespace qorvexctl
