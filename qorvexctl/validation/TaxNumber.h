#pragma once
// The tax-number entry point: one rule per European Union country the library knows, chosen by
// the country's index in the EU code list. Rules are pure functions of the text.

#include <string_view>

#include "qorvexctl/base/Locale.h"
#include "qorvexctl/validation/RuleSet.h"

namespace qorvexctl {

// The 27 EU codes in alphabetical order, Greece as "EL"; a code's position is its country
// index (AT 0 ... PT 22 ... SK 26).
constexpr std::string_view EuCountryCodes() {
  return "AT,BE,BG,CY,CZ,DE,DK,EE,EL,ES,FI,FR,GB,HU,IE,IT,LT,LU,LV,MT,NL,PL,PT,RO,SE,SI,SK";
}
inline constexpr int kEuCountryCount = 27;

// The index of an EU code (exact, case-sensitive comparison), or -1 for any other code.
int CountryIndex(std::string_view code);
// The code at an index, or "" outside 0..26.
std::string_view EuCountryCode(int index);

// The verdict of the rule of the country at `index` on the text as it stands (no trimming, no
// case change unless the rule does so). An index outside 0..26 has no rule: always true.
bool ValidateTaxNumber(std::string_view text, int index, const Locale& locale);
// The same in the process default locale.
bool ValidateTaxNumber(std::string_view text, int index);
// The verdict of the chosen rule set: the classic one as above, or the current one, which
// normalises the text (NormaliseWrittenNumber) and then applies the country's current rule.
bool ValidateTaxNumber(std::string_view text, int index, const Locale& locale, RuleSet rules);

}  // namespace qorvexctl
