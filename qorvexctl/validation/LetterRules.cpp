// Rules with letters in the number: CY and IE end in a check letter, FR has a two-character
// key that may hold letters.

#include <array>
#include <string>

#include "qorvexctl/validation/CountryRules.h"
#include "qorvexctl/validation/RuleTables.h"

namespace qorvexctl {

bool ValidateCypriotNumber(const TaxText& t) {
  if (t.Length() != 9 || !t.IsNumeric(1, 8) || !IsAsciiLetter(t.At(9))) return false;
  const int first = t.Digit(1);
  if (first == 2 || (first >= 6 && first <= 8)) return false;
  const auto& oddValue = rule_tables::kCypriotOddPositionValues;
  int sum = 0;
  for (std::size_t p = 1; p <= 8; p += 2) {
    sum += oddValue[static_cast<std::size_t>(t.Digit(p))] + t.Digit(p + 1);
  }
  return t.At(9) == static_cast<char32_t>('A' + sum % 26);
}

namespace {

// The Irish check letter of an 8-character text: weights 8 to 2 modulo 23.
bool HasIrishCheckLetter(const TaxText& t) {
  static constexpr std::array kWeights = {8, 7, 6, 5, 4, 3, 2};
  if (t.AllZeros(1, 8)) return false;
  const auto remainder = static_cast<std::size_t>(t.WeightedSum(kWeights) % 23);
  return t.At(8) == static_cast<char32_t>(rule_tables::kIrishCheckLetters[remainder]);
}

// An old-style number (a digit of 7 or more, then "+", "*" or a letter) becomes "0",
// positions 3–7, the first digit and the final letter.
bool IsIrishOldStyleNumber(const TaxText& t) {
  const char32_t second = t.At(2);
  if (second != '+' && second != '*' && !IsAsciiLetter(second)) return false;
  if (t.At(1) < '7') return false;
  std::u32string rearranged = U"0";
  rearranged += t.Chars().substr(2, 5);
  rearranged += t.At(1);
  rearranged += t.At(8);
  return HasIrishCheckLetter(TaxText(rearranged, t.locale()));
}

}  // namespace

bool ValidateIrishNumber(const TaxText& t) {
  if (t.Length() != 8 || !t.IsDigit(1) || !t.IsNumeric(3, 7) || !IsAsciiLetter(t.At(8))) {
    return false;
  }
  return t.IsDigit(2) ? HasIrishCheckLetter(t) : IsIrishOldStyleNumber(t);
}

namespace {

// Where the digits of a French number start (1, 2 or 3), or 0 when its shape is wrong.
std::size_t FrenchDigitStart(const TaxText& t) {
  if (t.IsNumericFrom(1)) return 1;
  if (t.IsDigit(1)) return 0;
  const std::size_t start = t.IsDigit(2) ? 2 : 3;
  return t.IsNumericFrom(start) ? start : 0;
}

}  // namespace

bool ValidateFrenchNumber(const TaxText& t) {
  using rule_tables::kFrenchKeyAlphabet;
  if (t.Length() != 11) return false;
  const std::size_t digitStart = FrenchDigitStart(t);
  if (digitStart == 0 || t.AllZeros(digitStart, 11)) return false;
  if (!IsOneOf(t.At(1), kFrenchKeyAlphabet) || !IsOneOf(t.At(2), kFrenchKeyAlphabet)) {
    return false;
  }
  const std::int64_t siren = t.Value(3, 11);
  if (t.IsDigit(1)) return t.Value(1, 2) == (siren * 100 + 12) % 97;
  const auto c1 = static_cast<std::int64_t>(kFrenchKeyAlphabet.find(static_cast<char>(t.At(1))));
  const auto c2 = static_cast<std::int64_t>(kFrenchKeyAlphabet.find(static_cast<char>(t.At(2))));
  const std::int64_t s = 34 * c1 + c2 - 100;
  return (siren + s / 11 + 1) % 11 == s % 11;
}

}  // namespace qorvexctl
