// The Spanish rule: companies (with a digit or a letter control), residents and foreigners.

#include <algorithm>
#include <array>
#include <string_view>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/validation/CountryRules.h"
#include "qorvexctl/validation/RuleTables.h"

namespace qorvexctl {
namespace {

constexpr std::size_t kSpanishLength = 9;

// The text without surrounding blanks.
std::u32string_view Trimmed(std::u32string_view chars) {
  const std::size_t first = chars.find_first_not_of(U' ');
  if (first == std::u32string_view::npos) return {};
  return chars.substr(first, chars.find_last_not_of(U' ') - first + 1);
}

// (A + B) mod 10 of the company sums over the body (positions 2–8).
int CompanyRemainder(const TaxText& t) {
  return (t.DoubledDigitSum(2, 8) + t.AlternateDigitSum(3, 7)) % 10;
}

bool HasCompanyControlDigit(const TaxText& t) {
  return t.Digit(9) == DistanceToNextTen(CompanyRemainder(t));
}

bool HasCompanyControlLetter(const TaxText& t) {
  const auto position = static_cast<std::size_t>(9 - CompanyRemainder(t));
  return t.At(9) == static_cast<char32_t>(rule_tables::kSpanishCompanyControlLetters[position]);
}

// Residents (a leading digit, "Y" or "Z" counting 1 and 2) and foreigners ("K", "L", "M", "X"
// with the body alone) end in the letter of their number modulo 23.
bool HasPersonalLetter(const TaxText& t) {
  char32_t first = t.At(1);
  if (first == 'Y') first = '1';
  if (first == 'Z') first = '2';
  std::int64_t number = t.Value(2, 8);
  if (first >= '0' && first <= '9') {
    number += TaxText::DigitValue(first) * std::int64_t{10'000'000};
  } else if (!IsOneOf(first, rule_tables::kSpanishForeignerFirstLetters)) {
    return false;
  }
  const auto index = static_cast<std::size_t>(number % 23);
  return t.At(9) == static_cast<char32_t>(rule_tables::kSpanishPersonalLetters[index]);
}

}  // namespace

bool ValidateSpanishNumber(const TaxText& text) {
  const std::u32string_view trimmed = Trimmed(text.Chars());
  if (trimmed.size() != kSpanishLength) return false;
  std::array<char32_t, kSpanishLength> upper{};
  std::transform(trimmed.begin(), trimmed.end(), upper.begin(), UpperChar);
  const TaxText t(std::u32string_view(upper.data(), upper.size()), text.locale());
  if (t.Value(2, 8) == 0 || !t.IsNumeric(2, 8)) return false;
  if (t.IsDigit(9)) {
    return IsOneOf(t.At(1), rule_tables::kSpanishDigitControlFirstLetters) &&
           HasCompanyControlDigit(t);
  }
  if (!IsOneOf(t.At(1), rule_tables::kSpanishLetterControlFirstLetters)) {
    return HasPersonalLetter(t);
  }
  return HasCompanyControlLetter(t);
}

}  // namespace qorvexctl
