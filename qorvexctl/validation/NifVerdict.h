#pragma once
// The verdicts of a tax-number field, as functions of the field's text, country code and
// taxpayer name, so the field control can answer IsEmpty, IsValid, IsAccepted, IsOK and
// Description with them. `raiseValidated` is the field's way of raising its Validated event.

#include <functional>
#include <string>
#include <string_view>

#include "qorvexctl/base/Locale.h"
#include "qorvexctl/validation/RuleSet.h"

namespace qorvexctl {

// True when the text is empty once surrounding blanks are removed.
bool IsEmpty(std::string_view text);

// The rule of the country in the chosen set on the text; raises Validated on every call,
// whatever the verdict. A country without a rule (any code outside the EU list) accepts
// everything.
bool IsValid(std::string_view text, std::string_view countryCode, const Locale& locale,
             const std::function<void()>& raiseValidated, RuleSet rules = RuleSet::Classic);

// The host's acceptance hook: the library accepts every number.
constexpr bool IsAccepted() { return true; }

// IsValid, IsAccepted and not IsEmpty, in that order (so Validated is raised once). An empty
// field is never OK.
bool IsOK(std::string_view text, std::string_view countryCode, const Locale& locale,
          const std::function<void()>& raiseValidated, RuleSet rules = RuleSet::Classic);

// The taxpayer's name when known, otherwise the field's value (the typed number).
std::string Description(std::string_view name, std::string_view value);

}  // namespace qorvexctl
