#include "qorvexctl/validation/RuleSet.h"

#include <string>

#include "qorvexctl/base/Text.h"

namespace qorvexctl {

std::string_view RuleSetName(RuleSet rules) {
  return rules == RuleSet::Current ? "current" : "classic";
}

std::optional<RuleSet> ParseRuleSet(std::string_view name) {
  const std::string lower = LCase(Trim(name));
  for (RuleSet rules : {RuleSet::Classic, RuleSet::Current}) {
    if (lower == RuleSetName(rules)) return rules;
  }
  return std::nullopt;
}

}  // namespace qorvexctl
