// `qorvexctl nib`: check digits of Portuguese bank account numbers (NIB).

#include <cstdio>
#include <string>

#include "apps/cli/BatchIO.h"
#include "apps/cli/Commands.h"
#include "qorvexctl/validation/NibCheckDigits.h"

namespace qorvexctl::cli {
namespace {

// "TEXT<TAB>DD", with nothing after the TAB for fewer than 19 characters.
bool CheckDigitsLine(std::string_view line, std::size_t, OutputBuffer& out) {
  out.Append(line);
  out.Append("\t");
  out.Append(CalculateCheckDigits(line));
  out.Append("\n");
  return true;
}

// "TEXT<TAB>1" for a valid number, "TEXT<TAB>0" otherwise.
bool ValidLine(std::string_view line, std::size_t, OutputBuffer& out) {
  out.Append(line);
  out.Append(IsValidNib(line) ? "\t1\n" : "\t0\n");
  return true;
}

int RunNib(const Arguments& args) {
  const bool batch = args.size() == 2 && args[1] == "--batch";
  if (args.size() == 2 && args[0] == "check-digits") {
    if (batch) return RunBatch(CheckDigitsLine);
    const std::string digits = CalculateCheckDigits(args[1]);
    if (!digits.empty()) std::puts(digits.c_str());
    return 0;
  }
  if (args.size() == 2 && args[0] == "valid") {
    if (batch) return RunBatch(ValidLine);
    const bool valid = IsValidNib(args[1]);
    std::puts(valid ? "valid" : "invalid");
    return valid ? 0 : 1;
  }
  std::fputs("usage: qorvexctl nib check-digits TEXT|--batch | qorvexctl nib valid TEXT|--batch\n",
             stderr);
  return 2;
}

}  // namespace

const Command kNibCommand = {
    "nib", "check digits of Portuguese bank account numbers (NIB)",
    "qorvexctl nib check-digits TEXT\n"
    "    Prints the two check digits (01 to 98) of the first 19 characters of TEXT (bank,\n"
    "    branch, account); prints nothing for fewer than 19 characters. Non-digits count 0.\n"
    "qorvexctl nib valid TEXT\n"
    "    Prints \"valid\" (exit 0) when TEXT has at least 21 characters and characters 20-21\n"
    "    are the check digits of the first 19, else \"invalid\" (exit 1).\n"
    "qorvexctl nib check-digits --batch | qorvexctl nib valid --batch\n"
    "    One TEXT per line on standard input; writes TEXT<TAB>DD (DD empty when too short) or\n"
    "    TEXT<TAB>1 / TEXT<TAB>0, in the same order.\n",
    RunNib};

}  // namespace qorvexctl::cli
