// `qorvexctl validate`: the verdict of the tax-number rules, for one number or a batch.

#include <cstdio>
#include <optional>
#include <string>

#include "apps/cli/BatchIO.h"
#include "apps/cli/Commands.h"
#include "qorvexctl/validation/TaxNumber.h"

namespace qorvexctl::cli {
namespace {

// One batch line "CC<TAB>TEXT" becomes "CC<TAB>TEXT<TAB>1" (valid) or "...<TAB>0".
bool ValidateLine(std::string_view line, std::size_t number, OutputBuffer& out, RuleSet rules) {
  const std::size_t tab = line.find('\t');
  if (tab == std::string_view::npos) {
    std::fprintf(stderr, "qorvexctl validate: line %zu: no TAB between country code and number\n",
                 number);
    return false;
  }
  const Locale& locale = DefaultLocale();
  const bool valid =
      ValidateTaxNumber(line.substr(tab + 1), CountryIndex(line.substr(0, tab)), locale, rules);
  out.Append(line);
  out.Append(valid ? "\t1\n" : "\t0\n");
  return true;
}

// Takes a leading "--rules classic|current" off the arguments; false for a bad rule set name.
bool TakeRuleSet(Arguments& args, RuleSet& rules) {
  if (args.empty() || args[0] != "--rules") return true;
  const auto chosen = args.size() > 1 ? ParseRuleSet(args[1]) : std::nullopt;
  if (!chosen) return false;
  rules = *chosen;
  args.erase(args.begin(), args.begin() + 2);
  return true;
}

int RunValidate(const Arguments& given) {
  Arguments args = given;
  RuleSet rules = RuleSet::Classic;
  const bool rulesRead = TakeRuleSet(args, rules);
  if (rulesRead && args.size() == 1 && args[0] == "--batch") {
    return RunBatch([rules](std::string_view line, std::size_t number, OutputBuffer& out) {
      return ValidateLine(line, number, out, rules);
    });
  }
  if (!rulesRead || args.size() != 2) {
    std::fputs("usage: qorvexctl validate [--rules classic|current] CC TEXT\n"
               "       qorvexctl validate [--rules classic|current] --batch\n",
               stderr);
    return 2;
  }
  const bool valid = ValidateTaxNumber(args[1], CountryIndex(args[0]), DefaultLocale(), rules);
  std::puts(valid ? "valid" : "invalid");
  return valid ? 0 : 1;
}

}  // namespace

const Command kValidateCommand = {
    "validate", "judge tax numbers by the rules of their EU country",
    "qorvexctl validate [--rules classic|current] CC TEXT\n"
    "    Prints \"valid\" (exit 0) or \"invalid\" (exit 1): the rule of the EU country CC\n"
    "    (AT ... SK, Greece as EL) on TEXT, the number without its country prefix (Austria keeps\n"
    "    its U). A code outside the EU list has no rule: every number is valid.\n"
    "qorvexctl validate [--rules classic|current] --batch\n"
    "    Reads lines CC<TAB>TEXT from standard input and writes CC<TAB>TEXT<TAB>1 (valid) or\n"
    "    CC<TAB>TEXT<TAB>0 in the same order. A line without a TAB is reported on standard error\n"
    "    with its line number and skipped; the exit code is then 1.\n"
    "    The numeric test follows QORVEXCTL_LOCALE (Portuguese unless it is en-US).\n"
    "--rules classic (the default) judges the text as it stands; --rules current first drops\n"
    "    blanks, dots and hyphens, upper-cases letters, restores the leading zeros of Belgian,\n"
    "    Greek and Dutch numbers, and accepts the formats issued since (docs/validation.md).\n",
    RunValidate};

}  // namespace qorvexctl::cli
