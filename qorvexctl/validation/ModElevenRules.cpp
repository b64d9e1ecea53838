// Rules whose check digit comes from a weighted sum modulo 11: DE, DK, EL, FI, LT, NL, PL, RO,
// SI.

#include <array>

#include "qorvexctl/validation/CountryRules.h"
#include "qorvexctl/validation/RuleTables.h"

namespace qorvexctl {

bool ValidateGermanNumber(const TaxText& t) {
  if (t.Length() != 9 || !t.IsNumericFrom(1) || t.AllZeros(1, 8)) return false;
  int product = 10;
  for (std::size_t i = 1; i <= 8; ++i) {
    int sum = (t.Digit(i) + product) % 10;
    if (sum == 0) sum = 10;
    product = (2 * sum) % 11;
  }
  int check = 11 - product;
  if (check == 10) check = 0;
  return t.Digit(9) == check;
}

bool ValidateDanishNumber(const TaxText& t) {
  static constexpr std::array kWeights = {2, 7, 6, 5, 4, 3, 2, 1};
  if (t.Length() != 8 || !t.IsNumericFrom(1) || t.Digit(1) == 0) return false;
  return t.WeightedSum(kWeights) % 11 == 0;
}

bool ValidateGreekNumber(const TaxText& t) {
  static constexpr std::array kWeights = {256, 128, 64, 32, 16, 8, 4, 2};
  if (t.Length() != 9 || !t.IsNumericFrom(1) || t.AllZeros(1, 9)) return false;
  int check = t.WeightedSum(kWeights) % 11;
  if (check == 10) check = 0;
  return t.Digit(9) == check;
}

bool ValidateFinnishNumber(const TaxText& t) {
  if (t.Length() != 8 || !t.IsNumericFrom(1) || t.AllZeros(1, 8)) return false;
  const int remainder = t.WeightedSum(rule_tables::kFinnishWeights) % 11;
  if (remainder == 1) return false;
  const int check = remainder == 0 ? 0 : 11 - remainder;
  return t.Digit(8) == check;
}

namespace {

// The Lithuanian two-pass remainder: the first weights, and when they give 10 the second
// weights, 10 then counting as 0.
template <std::size_t N>
int LithuanianRemainder(const TaxText& t, const std::array<int, N>& first,
                        const std::array<int, N>& second) {
  int remainder = t.WeightedSum(first) % 11;
  if (remainder == 10) remainder = t.WeightedSum(second) % 11;
  return remainder == 10 ? 0 : remainder;
}

}  // namespace

bool ValidateLithuanianNumber(const TaxText& t) {
  if (!t.IsNumericFrom(1)) return false;
  if (t.Length() == 9) {
    static constexpr std::array kFirst = {1, 2, 3, 4, 5, 6, 7, 8};
    static constexpr std::array kSecond = {3, 4, 5, 6, 7, 8, 9, 1};
    return t.Digit(8) == 1 && t.Digit(9) == LithuanianRemainder(t, kFirst, kSecond);
  }
  if (t.Length() == 12) {
    static constexpr std::array kFirst = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2};
    static constexpr std::array kSecond = {3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4};
    return t.Digit(11) == 1 && t.Digit(12) == LithuanianRemainder(t, kFirst, kSecond);
  }
  return false;
}

bool ValidateDutchNumber(const TaxText& t) {
  static constexpr std::array kWeights = {9, 8, 7, 6, 5, 4, 3, 2};
  if (t.Length() != 12 || t.At(10) != 'B' || !t.IsNumericFrom(11) || t.Value(11, 12) < 1) {
    return false;
  }
  if (!t.IsNumeric(1, 9) || t.AllZeros(1, 9)) return false;
  const int remainder = t.WeightedSum(kWeights) % 11;
  return remainder != 10 && t.Digit(9) == remainder;
}

bool ValidatePolishNumber(const TaxText& t) {
  static constexpr std::array kWeights = {6, 5, 7, 2, 3, 4, 5, 6, 7};
  if (t.Length() != 10 || !t.IsNumericFrom(1)) return false;
  const int remainder = t.WeightedSum(kWeights) % 11;
  return remainder != 10 && t.Digit(10) == remainder;
}

bool ValidateRomanianNumber(const TaxText& t) {
  static constexpr std::array kWeights = {7, 5, 3, 2, 1, 7, 5, 3, 2};
  if (t.Length() < 2 || t.Length() > 10 || !t.IsNumericFrom(1)) return false;
  // Padding with zeros on the left shifts the digits to the right end of ten positions.
  const std::size_t padding = 10 - t.Length();
  int sum = 0;
  for (std::size_t p = padding + 1; p <= 9; ++p) sum += kWeights[p - 1] * t.Digit(p - padding);
  int check = (10 * sum) % 11;
  if (check == 10) check = 0;
  return t.Digit(t.Length()) == check;
}

bool ValidateSlovenianNumber(const TaxText& t) {
  static constexpr std::array kWeights = {8, 7, 6, 5, 4, 3, 2};
  if (t.Length() != 8 || !t.IsNumericFrom(1)) return false;
  int check = 11 - t.WeightedSum(kWeights) % 11;
  if (check == 11) return false;
  if (check == 10) check = 0;
  return t.Digit(8) == check;
}

}  // namespace qorvexctl
