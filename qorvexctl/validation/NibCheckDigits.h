#pragma once
// Check digits of a Portuguese bank account number (NIB): 21 characters made of bank (4),
// branch (4), account (11) and two check digits, the ISO 7064 MOD 97-10 check of the first 19.

#include <string>
#include <string_view>

namespace qorvexctl {

// The two check digits ("01" to "98") of the first 19 characters; "" for fewer than 19.
// Non-digit characters count as 0.
std::string CalculateCheckDigits(std::string_view nib);

// True when the number has at least 21 characters and its characters 20–21 equal the check
// digits of its first 19.
bool IsValidNib(std::string_view nib);

}  // namespace qorvexctl
