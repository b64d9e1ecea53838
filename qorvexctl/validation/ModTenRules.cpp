// Rules whose check digit brings a sum to a multiple of 10: AT, EE, HU, IT, SE. The current
// Italian rule is the classic one without its office test.

#include <array>

#include "qorvexctl/validation/CountryRules.h"
#include "qorvexctl/validation/CurrentRules.h"

namespace qorvexctl {

bool ValidateAustrianNumber(const TaxText& t) {
  if (t.Length() != 9 || t.At(1) != 'U' || !t.IsNumericFrom(2)) return false;
  const int sum = 4 + t.DoubledDigitSum(3, 7) + t.AlternateDigitSum(2, 8);
  return t.Digit(9) == DistanceToNextTen(sum);
}

bool ValidateEstonianNumber(const TaxText& t) {
  static constexpr std::array kWeights = {3, 7, 1, 3, 7, 1, 3, 7};
  if (t.Length() != 9 || !t.IsNumericFrom(1)) return false;
  const int sum = t.WeightedSum(kWeights);
  return sum != 0 && t.Digit(9) == DistanceToNextTen(sum);
}

bool ValidateHungarianNumber(const TaxText& t) {
  static constexpr std::array kWeights = {9, 7, 3, 1, 9, 7, 3};
  if (t.Length() != 8 || !t.IsNumericFrom(1)) return false;
  const int sum = t.WeightedSum(kWeights);
  return sum != 0 && t.Digit(8) == DistanceToNextTen(sum);
}

bool ValidateCurrentItalianNumber(const TaxText& t) {
  if (t.Length() != 11 || !t.IsNumericFrom(1) || t.AllZeros(1, 11)) return false;
  const int sum = t.DoubledDigitSum(2, 10) + t.AlternateDigitSum(1, 9);
  return t.Digit(11) == DistanceToNextTen(sum);
}

bool ValidateItalianNumber(const TaxText& t) {
  static constexpr int kClosedOffice = 999;
  return t.Value(8, 10) != kClosedOffice && ValidateCurrentItalianNumber(t);
}

bool ValidateSwedishNumber(const TaxText& t) {
  if (t.Length() != 12 || !t.IsNumericFrom(1) || t.At(11) != '0' || t.At(12) != '1') {
    return false;
  }
  const int sum = t.DoubledDigitSum(1, 9) + t.AlternateDigitSum(2, 8);
  return t.Digit(10) == DistanceToNextTen(sum);
}

}  // namespace qorvexctl
