#include "qorvexctl/validation/NifVerdict.h"

#include "qorvexctl/validation/TaxNumber.h"

namespace qorvexctl {

bool IsEmpty(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

bool IsValid(std::string_view text, std::string_view countryCode, const Locale& locale,
             const std::function<void()>& raiseValidated, RuleSet rules) {
  const bool valid = ValidateTaxNumber(text, CountryIndex(countryCode), locale, rules);
  if (raiseValidated) raiseValidated();
  return valid;
}

bool IsOK(std::string_view text, std::string_view countryCode, const Locale& locale,
          const std::function<void()>& raiseValidated, RuleSet rules) {
  const bool valid = IsValid(text, countryCode, locale, raiseValidated, rules);
  const bool accepted = IsAccepted();
  return valid && accepted && !IsEmpty(text);
}

std::string Description(std::string_view name, std::string_view value) {
  return std::string(name.empty() ? value : name);
}

}  // namespace qorvexctl
