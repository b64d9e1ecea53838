#include "qorvexctl/validation/NibCheckDigits.h"

#include <array>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/validation/TaxText.h"

namespace qorvexctl {
namespace {

// 10^(21 − position) mod 97 for positions 1 to 19.
constexpr std::array<int, 19> kWeights = {73, 17, 89, 38, 62, 45, 53, 15, 50, 5,
                                          49, 34, 81, 76, 27, 90, 9,  30, 3};
constexpr std::size_t kCheckedLength = kWeights.size();
constexpr std::size_t kFullLength = 21;

std::string CheckDigitsOf(std::u32string_view chars) {
  if (chars.size() < kCheckedLength) return {};
  int sum = 0;
  for (std::size_t i = 0; i < kCheckedLength; ++i)
    sum += kWeights[i] * TaxText::DigitValue(chars[i]);
  const int check = 98 - sum % 97;
  return {static_cast<char>('0' + check / 10), static_cast<char>('0' + check % 10)};
}

}  // namespace

std::string CalculateCheckDigits(std::string_view nib) { return CheckDigitsOf(DecodeUtf8(nib)); }

bool IsValidNib(std::string_view nib) {
  const std::u32string chars = DecodeUtf8(nib);
  if (chars.size() < kFullLength) return false;
  const std::string check = CheckDigitsOf(chars);
  return chars[kCheckedLength] == static_cast<char32_t>(check[0]) &&
         chars[kCheckedLength + 1] == static_cast<char32_t>(check[1]);
}

}  // namespace qorvexctl
