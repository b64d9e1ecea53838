#pragma once
// Currency: a signed 64-bit count of ten-thousandths (4 fixed decimals), the amount type of the
// controls. Conversions from double round to 4 decimals, ties to even. Arithmetic that leaves
// the range throws RuntimeError with the classic "Overflow" number (6).

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qorvexctl {

class Currency {
 public:
  static constexpr std::int64_t kScale = 10000;

  constexpr Currency() = default;

  // The amount of `raw` ten-thousandths.
  static constexpr Currency FromRaw(std::int64_t raw) { return Currency(raw); }
  // A whole number of units; throws on overflow.
  static Currency FromInteger(std::int64_t units);
  // The double rounded to 4 decimals, ties to even (the double product value x 10000 is what
  // is rounded, as the platform's own converter does); nothing for NaN, infinities and values
  // out of range.
  static std::optional<Currency> FromDouble(double value);
  static constexpr Currency Max() { return Currency(INT64_MAX); }
  static constexpr Currency Min() { return Currency(INT64_MIN); }

  constexpr std::int64_t Raw() const { return m_raw; }
  double ToDouble() const { return static_cast<double>(m_raw) / kScale; }
  // The text the classic runtime gives: no grouping, "-" for negatives, at most 4 decimals
  // without trailing zeros, after the given decimal separator.
  std::string ToString(std::string_view decimalSeparator = ",") const;

  constexpr auto operator<=>(const Currency&) const = default;

  Currency operator-() const;
  Currency& operator+=(Currency other);
  Currency& operator-=(Currency other);

 private:
  constexpr explicit Currency(std::int64_t raw) : m_raw(raw) {}
  std::int64_t m_raw = 0;
};

Currency operator+(Currency a, Currency b);
Currency operator-(Currency a, Currency b);
// Exact product with a whole number.
Currency operator*(Currency a, std::int64_t factor);
// Product of two amounts rounded to 4 decimals, ties to even.
Currency operator*(Currency a, Currency b);
// Quotient of two amounts as a double (the classic "/" of two amounts); throws "Division by
// zero" (11) when b is zero.
double operator/(Currency a, Currency b);

}  // namespace qorvexctl
