#include "qorvexctl/base/Currency.h"

#include <cmath>
#include <cstdlib>

#include "qorvexctl/base/RuntimeError.h"

namespace qorvexctl {

namespace {

constexpr int kErrDivisionByZero = 11;

[[noreturn]] void ThrowOverflow() { throw RuntimeError(kErrOverflow, "Currency", "Overflow"); }

// `numerator / divisor` (divisor > 0) rounded to the nearest whole number, ties to even.
__int128 DivideRoundingToEven(__int128 numerator, __int128 divisor) {
  __int128 quotient = numerator / divisor;
  const __int128 remainder = numerator % divisor;
  const __int128 twice = 2 * (remainder < 0 ? -remainder : remainder);
  if (twice > divisor || (twice == divisor && quotient % 2 != 0)) {
    quotient += numerator < 0 ? -1 : 1;
  }
  return quotient;
}

}  // namespace

Currency Currency::FromInteger(std::int64_t units) {
  std::int64_t raw = 0;
  if (__builtin_mul_overflow(units, kScale, &raw)) ThrowOverflow();
  return Currency(raw);
}

std::optional<Currency> Currency::FromDouble(double value) {
  // nearbyint rounds with the default mode, to nearest with ties to even.
  const double scaled = std::nearbyint(value * static_cast<double>(kScale));
  // 2^63 is the first double outside the range; every double below it converts exactly.
  constexpr double kLimit = 9223372036854775808.0;
  if (!(scaled >= -kLimit && scaled < kLimit)) return std::nullopt;
  return Currency(static_cast<std::int64_t>(scaled));
}

std::string Currency::ToString(std::string_view decimalSeparator) const {
  const bool negative = m_raw < 0;
  const auto raw = static_cast<unsigned long long>(m_raw);
  const unsigned long long magnitude = negative ? 0ULL - raw : raw;
  std::string text = negative ? "-" : "";
  text += std::to_string(magnitude / kScale);
  std::string decimals = std::to_string(magnitude % kScale + kScale).substr(1);
  while (!decimals.empty() && decimals.back() == '0') decimals.pop_back();
  if (!decimals.empty()) text.append(decimalSeparator).append(decimals);
  return text;
}

Currency Currency::operator-() const {
  if (m_raw == INT64_MIN) ThrowOverflow();
  return Currency(-m_raw);
}

Currency& Currency::operator+=(Currency other) {
  std::int64_t raw = 0;
  if (__builtin_add_overflow(m_raw, other.m_raw, &raw)) ThrowOverflow();
  m_raw = raw;
  return *this;
}

Currency& Currency::operator-=(Currency other) {
  std::int64_t raw = 0;
  if (__builtin_sub_overflow(m_raw, other.m_raw, &raw)) ThrowOverflow();
  m_raw = raw;
  return *this;
}

Currency operator+(Currency a, Currency b) { return a += b; }

Currency operator-(Currency a, Currency b) { return a -= b; }

Currency operator*(Currency a, std::int64_t factor) {
  std::int64_t raw = 0;
  if (__builtin_mul_overflow(a.Raw(), factor, &raw)) ThrowOverflow();
  return Currency::FromRaw(raw);
}

Currency operator*(Currency a, Currency b) {
  const __int128 product = static_cast<__int128>(a.Raw()) * b.Raw();
  const __int128 raw = DivideRoundingToEven(product, Currency::kScale);
  if (raw > INT64_MAX || raw < INT64_MIN) ThrowOverflow();
  return Currency::FromRaw(static_cast<std::int64_t>(raw));
}

double operator/(Currency a, Currency b) {
  if (b.Raw() == 0) throw RuntimeError(kErrDivisionByZero, "Currency", "Division by zero");
  return static_cast<double>(a.Raw()) / static_cast<double>(b.Raw());
}

}  // namespace qorvexctl
