#pragma once
// The two sets of tax-number rules. The classic set judges the text as it stands, by the formats
// the rules were first written for; the current set first normalises what people write (case,
// separators, dropped leading zeros) and adds the formats issued since. Classic is the default
// everywhere.

#include <optional>
#include <string_view>

namespace qorvexctl {

enum class RuleSet { Classic, Current };

// "classic" or "current": the names the settings store and the command line use.
std::string_view RuleSetName(RuleSet rules);

// The set a name stands for, ignoring case and surrounding blanks; nothing for any other text.
std::optional<RuleSet> ParseRuleSet(std::string_view name);

}  // namespace qorvexctl
