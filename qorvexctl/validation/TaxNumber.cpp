#include "qorvexctl/validation/TaxNumber.h"

#include <array>

#include "qorvexctl/validation/CountryRules.h"
#include "qorvexctl/validation/CurrentRules.h"
#include "qorvexctl/validation/PortugueseNIF.h"
#include "qorvexctl/validation/TaxText.h"

namespace qorvexctl {
namespace {

using TaxRule = bool (*)(const TaxText&);

struct CountryRule {
  std::string_view code;
  TaxRule rule;
};

// One slot per index, in the order of EuCountryCodes().
constexpr std::array<CountryRule, kEuCountryCount> kCountryRules = {{
    {"AT", ValidateAustrianNumber},   {"BE", ValidateBelgianNumber},
    {"BG", ValidateBulgarianNumber},  {"CY", ValidateCypriotNumber},
    {"CZ", ValidateCzechNumber},      {"DE", ValidateGermanNumber},
    {"DK", ValidateDanishNumber},     {"EE", ValidateEstonianNumber},
    {"EL", ValidateGreekNumber},      {"ES", ValidateSpanishNumber},
    {"FI", ValidateFinnishNumber},    {"FR", ValidateFrenchNumber},
    {"GB", ValidateBritishNumber},    {"HU", ValidateHungarianNumber},
    {"IE", ValidateIrishNumber},      {"IT", ValidateItalianNumber},
    {"LT", ValidateLithuanianNumber}, {"LU", ValidateLuxembourgNumber},
    {"LV", ValidateLatvianNumber},    {"MT", ValidateMalteseNumber},
    {"NL", ValidateDutchNumber},      {"PL", ValidatePolishNumber},
    {"PT", ValidatePortugueseNIF},    {"RO", ValidateRomanianNumber},
    {"SE", ValidateSwedishNumber},    {"SI", ValidateSlovenianNumber},
    {"SK", ValidateSlovakNumber},
}};

constexpr bool TableFollowsCodeList() {
  for (std::size_t i = 0; i < kCountryRules.size(); ++i) {
    if (EuCountryCodes().substr(3 * i, 2) != kCountryRules[i].code) return false;
  }
  return EuCountryCodes().size() == 3 * kCountryRules.size() - 1;
}
static_assert(TableFollowsCodeList(), "the rule table must follow the EU code list");

// Where the current set differs from the classic one; every other country keeps its rule.
constexpr std::array<CountryRule, 7> kCurrentDifferences = {{
    {"BE", ValidateCurrentBelgianNumber}, {"EL", ValidateCurrentGreekNumber},
    {"GB", ValidateCurrentBritishNumber}, {"IE", ValidateCurrentIrishNumber},
    {"IT", ValidateCurrentItalianNumber}, {"NL", ValidateCurrentDutchNumber},
    {"RO", ValidateCurrentRomanianNumber},
}};

constexpr std::array<CountryRule, kEuCountryCount> CurrentRuleTable() {
  std::array<CountryRule, kEuCountryCount> table = kCountryRules;
  for (const CountryRule& difference : kCurrentDifferences) {
    for (CountryRule& slot : table) {
      if (slot.code == difference.code) slot.rule = difference.rule;
    }
  }
  return table;
}
constexpr std::array<CountryRule, kEuCountryCount> kCurrentRules = CurrentRuleTable();

}  // namespace

int CountryIndex(std::string_view code) {
  if (code.size() != 2) return -1;
  for (std::size_t i = 0; i < kCountryRules.size(); ++i) {
    if (kCountryRules[i].code == code) return static_cast<int>(i);
  }
  return -1;
}

std::string_view EuCountryCode(int index) {
  if (index < 0 || index >= kEuCountryCount) return {};
  return kCountryRules[static_cast<std::size_t>(index)].code;
}

bool ValidateTaxNumber(std::string_view text, int index, const Locale& locale) {
  if (index < 0 || index >= kEuCountryCount) return true;
  const TaxText taxText(text, locale);
  return kCountryRules[static_cast<std::size_t>(index)].rule(taxText);
}

bool ValidateTaxNumber(std::string_view text, int index) {
  return ValidateTaxNumber(text, index, DefaultLocale());
}

bool ValidateTaxNumber(std::string_view text, int index, const Locale& locale, RuleSet rules) {
  if (rules == RuleSet::Classic) return ValidateTaxNumber(text, index, locale);
  if (index < 0 || index >= kEuCountryCount) return true;
  const TaxText written(text, locale, TaxText::AsWritten{});
  return kCurrentRules[static_cast<std::size_t>(index)].rule(written);
}

}  // namespace qorvexctl
