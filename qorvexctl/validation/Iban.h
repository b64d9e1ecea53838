#pragma once
// International bank account numbers (ISO 13616): a two-letter country code, two check digits
// and the country's own account number (BBAN), the check being ISO 7064 MOD 97-10 over the
// BBAN followed by the country code and the check digits, letters counting 10 (A) to 35 (Z).
// A Portuguese IBAN is "PT", its check digits and the 21 digits of the NIB.
//
//   PortugueseIban("000201231234567890154")         // "PT50000201231234567890154"
//   IsValidPortugueseIban("PT50 0002 0123 1234 5678 9015 4")   // true

#include <string>
#include <string_view>

namespace qorvexctl {

// The IBAN's electronic form: spaces removed, letters upper case.
std::string ElectronicIban(std::string_view text);

// The two check digits ("02" to "98") of `country` and `bban`; "" when either holds a
// character that is neither a digit nor a letter A-Z (upper or lower case).
std::string IbanCheckDigits(std::string_view country, std::string_view bban);

// True when the electronic form of `iban` has a two-letter country, check digits and a BBAN
// whose MOD 97-10 remainder is 1.
bool HasValidIbanCheck(std::string_view iban);

// "PT", the computed check digits and the NIB, for a NIB of exactly 21 digits whose own check
// digits are right; "" otherwise.
std::string PortugueseIban(std::string_view nib);

// True for an IBAN of Portugal (electronic or print form, any letter case) of 25 characters
// whose ISO check holds and whose NIB (the last 21 digits) is valid.
bool IsValidPortugueseIban(std::string_view iban);

// Whether `text` starts with two letters, as an IBAN does and a NIB does not.
bool LooksLikeIban(std::string_view text);

}  // namespace qorvexctl
