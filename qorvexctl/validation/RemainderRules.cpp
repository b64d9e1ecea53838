// Rules that compare remainders of the number's own value or of a weighted sum against digits
// of the number: BE, GB, LU, MT, SK.

#include <array>

#include "qorvexctl/validation/CountryRules.h"
#include "qorvexctl/validation/RuleTables.h"

namespace qorvexctl {

bool ValidateBelgianNumber(const TaxText& t) {
  if (t.Length() != 10 || !t.IsNumericFrom(1) || t.At(1) != '0' || t.Digit(2) < 2) return false;
  return 97 - t.Value(2, 8) % 97 == t.Value(9, 10);
}

namespace {

// The five-character government department ("GD" 0–499) and health authority ("HA" 500–999)
// numbers.
bool IsBritishGovernmentNumber(const TaxText& t) {
  const std::int64_t value = t.Value(3, 5);
  if (t.At(1) == 'G' && t.At(2) == 'D') return value <= 499;
  if (t.At(1) == 'H' && t.At(2) == 'A') return value >= 500 && value <= 999;
  return false;
}

}  // namespace

int BritishCheckRemainder(const TaxText& t) {
  static constexpr std::array kWeights = {8, 7, 6, 5, 4, 3, 2};
  static constexpr int kLargestSuffix = 96;
  if ((t.Length() != 9 && t.Length() != 12) || !t.IsNumericFrom(1)) return -1;
  if (t.At(1) == '0' && (t.At(2) != '0' || !IsOneOf(t.At(3), "012"))) return -1;
  if (t.AllZeros(1, t.Length())) return -1;
  if (t.Length() == 12 && t.Value(10, 12) <= 0) return -1;
  const std::int64_t suffix = t.Value(8, 9);
  if (suffix > kLargestSuffix) return -1;
  return static_cast<int>((t.WeightedSum(kWeights) + suffix) % 97);
}

bool ValidateBritishNumber(const TaxText& t) {
  if (t.Length() == 5) return IsBritishGovernmentNumber(t);
  return BritishCheckRemainder(t) == 0;
}

bool ValidateLuxembourgNumber(const TaxText& t) {
  if (t.Length() != 8 || !t.IsNumericFrom(1) || t.AllZeros(1, 8)) return false;
  return t.Value(1, 6) % 89 == t.Value(7, 8);
}

bool ValidateMalteseNumber(const TaxText& t) {
  static constexpr std::array kWeights = {3, 4, 6, 7, 8, 9};
  if (t.Length() != 8 || !t.IsNumericFrom(1) || t.At(1) == '0') return false;
  if (t.Chars().substr(0, 6) == U"100000") return false;
  return t.Value(7, 8) == 37 - t.WeightedSum(kWeights) % 37;
}

bool ValidateSlovakNumber(const TaxText& t) {
  if (t.Length() != 10 || !t.IsNumericFrom(1) || t.Digit(1) == 0) return false;
  if (IsOneOf(t.At(3), rule_tables::kSlovakForbiddenThirdDigits)) return false;
  return t.Value(1, 10) % 11 == 0;
}

}  // namespace qorvexctl
