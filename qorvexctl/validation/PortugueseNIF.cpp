#include "qorvexctl/validation/PortugueseNIF.h"

#include <array>

namespace qorvexctl {

bool ValidatePortugueseNIF(std::string_view text, const Locale& locale) {
  return ValidatePortugueseNIF(TaxText(text, locale));
}

bool ValidatePortugueseNIF(const TaxText& t) {
  static constexpr std::array kWeights = {9, 8, 7, 6, 5, 4, 3, 2};
  if (t.Length() != 9 || !t.IsNumericFrom(1)) return false;
  int check = 11 - t.WeightedSum(kWeights) % 11;
  if (check >= 10) check = 0;
  return t.Digit(9) == check;
}

}  // namespace qorvexctl
