#pragma once
// The rules of the current set where it differs from the classic one, one pure function per
// country, and the normalisation of what people write that the current set applies to every
// country first. Each rule takes the normalised number without its country prefix and accepts
// everything its classic rule accepts on that text, plus the forms its comment names.

#include <string>
#include <string_view>

#include "qorvexctl/validation/TaxText.h"

namespace qorvexctl {

// The text as the current rules read it: blanks (spaces, tabs), "." and "-" removed anywhere,
// ASCII letters in upper case; every other character kept as it is.
std::string NormaliseWrittenNumber(std::string_view text);

// BE: a 9-digit number (the VAT number from before the 10-digit enterprise number) takes its
// leading "0".
bool ValidateCurrentBelgianNumber(const TaxText& t);
// EL: an 8-digit number takes the leading "0" it was written without.
bool ValidateCurrentGreekNumber(const TaxText& t);
// GB: also the "9755" check of numbers issued since 2010 and the 11-character government
// ("GD8888") and health-authority ("HA8888") forms.
bool ValidateCurrentBritishNumber(const TaxText& t);
// IE: also the 9-character form of 2013 (7 digits, check letter, second letter).
bool ValidateCurrentIrishNumber(const TaxText& t);
// IT: every office code, 999 included.
bool ValidateCurrentItalianNumber(const TaxText& t);
// NL: a first part of fewer than 9 digits takes its leading zeros; also the sole-trader VAT
// identification number of 2020 (mod 97-10 over "NL" and the number).
bool ValidateCurrentDutchNumber(const TaxText& t);
// RO: also the 13-digit personal numeric code of residents and foreigners.
bool ValidateCurrentRomanianNumber(const TaxText& t);

}  // namespace qorvexctl
