// `qorvexctl nib`: check digits of Portuguese bank account numbers (NIB).

#include <cstdio>
#include <string>

#include "apps/cli/BatchIO.h"
#include "apps/cli/Commands.h"
#include "qorvexctl/validation/Iban.h"
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

// A NIB, or an IBAN of Portugal (which starts with letters) whose NIB is valid as well.
bool IsValidNibOrIban(std::string_view text) {
  return LooksLikeIban(text) ? IsValidPortugueseIban(text) : IsValidNib(text);
}

// "TEXT<TAB>1" for a valid number, "TEXT<TAB>0" otherwise.
bool ValidLine(std::string_view line, std::size_t, OutputBuffer& out) {
  out.Append(line);
  out.Append(IsValidNibOrIban(line) ? "\t1\n" : "\t0\n");
  return true;
}

// "TEXT<TAB>IBAN", with nothing after the TAB when TEXT is not a valid NIB.
bool IbanLine(std::string_view line, std::size_t, OutputBuffer& out) {
  out.Append(line);
  out.Append("\t");
  out.Append(PortugueseIban(line));
  out.Append("\n");
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
    const bool valid = IsValidNibOrIban(args[1]);
    std::puts(valid ? "valid" : "invalid");
    return valid ? 0 : 1;
  }
  if (args.size() == 2 && args[0] == "iban") {
    if (batch) return RunBatch(IbanLine);
    const std::string iban = PortugueseIban(args[1]);
    if (iban.empty()) {
      std::fputs("qorvexctl nib iban: not a valid NIB of 21 digits\n", stderr);
      return 1;
    }
    std::puts(iban.c_str());
    return 0;
  }
  std::fputs(
      "usage: qorvexctl nib check-digits TEXT|--batch | qorvexctl nib valid TEXT|--batch | "
      "qorvexctl nib iban TEXT|--batch\n",
      stderr);
  return 2;
}

}  // namespace

const Command kNibCommand = {
    "nib", "check digits of Portuguese bank account numbers (NIB) and their IBAN",
    "qorvexctl nib check-digits TEXT\n"
    "    Prints the two check digits (01 to 98) of the first 19 characters of TEXT (bank,\n"
    "    branch, account); prints nothing for fewer than 19 characters. Non-digits count 0.\n"
    "qorvexctl nib valid TEXT\n"
    "    Prints \"valid\" (exit 0) when TEXT has at least 21 characters and characters 20-21\n"
    "    are the check digits of the first 19, else \"invalid\" (exit 1). A TEXT starting\n"
    "    with two letters is an IBAN: valid when it is Portuguese (\"PT\", 25 characters,\n"
    "    spaces ignored), its ISO 13616 check holds and its NIB is valid.\n"
    "qorvexctl nib iban TEXT\n"
    "    Prints the IBAN of Portugal (\"PT\", the ISO 13616 check digits, the NIB) of a valid\n"
    "    NIB of 21 digits; for anything else prints nothing and exits 1.\n"
    "qorvexctl nib check-digits --batch | valid --batch | iban --batch\n"
    "    One TEXT per line on standard input; writes TEXT<TAB>DD (DD empty when too short),\n"
    "    TEXT<TAB>1 / TEXT<TAB>0, or TEXT<TAB>IBAN (empty when not a valid NIB), in order.\n",
    RunNib};

}  // namespace qorvexctl::cli
