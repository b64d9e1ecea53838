#pragma once
// The tax-number rules of the EU countries other than Portugal, one pure function each, reached
// through ValidateTaxNumber. Each takes the number without its country prefix (Austria keeps
// its "U"). Unless a rule says otherwise, letters compare exactly and "numeric" is the
// locale's lenient test.

#include "qorvexctl/validation/TaxText.h"

namespace qorvexctl {

// AT: "U" and 8 numeric characters; a doubled-digit check plus 4 completes a multiple of 10.
bool ValidateAustrianNumber(const TaxText& t);
// BE: 10 numeric characters, "0" then 2 or more; value(9–10) = 97 − value(2–8) mod 97.
bool ValidateBelgianNumber(const TaxText& t);
// BG: 9 numeric (legal entity) or 10 (person with a birth date, foreigner, other entity).
bool ValidateBulgarianNumber(const TaxText& t);
// CY: 8 numeric characters not starting 2, 6, 7 or 8, then the upper-case check letter.
bool ValidateCypriotNumber(const TaxText& t);
// CZ: 8 numeric (entity), 9 (from "6", or a birth date before 1954) or 10 (from 1954, mod 11).
bool ValidateCzechNumber(const TaxText& t);
// DE: 9 numeric characters, first eight not all zeros, ISO 7064 MOD 11,10 check digit.
bool ValidateGermanNumber(const TaxText& t);
// DK: 8 numeric characters, first digit not 0, weighted sum divisible by 11.
bool ValidateDanishNumber(const TaxText& t);
// EE: 9 numeric characters, weights 3-7-1, check digit up to the next multiple of 10.
bool ValidateEstonianNumber(const TaxText& t);
// EL: 9 numeric characters, not all zeros, powers-of-two weights modulo 11.
bool ValidateGreekNumber(const TaxText& t);
// ES: trimmed and upper-cased to 9: company (digit or letter control), resident or foreigner.
bool ValidateSpanishNumber(const TaxText& t);
// FI: 8 numeric characters, not all zeros, Finnish weights modulo 11, remainder 1 refused.
bool ValidateFinnishNumber(const TaxText& t);
// FR: 11 characters, a key of two digits or key-alphabet characters, then the 9-digit SIREN.
bool ValidateFrenchNumber(const TaxText& t);
// GB: "GD" 0–499 or "HA" 500–999 (5 characters), or 9 or 12 numeric characters, mod 97.
bool ValidateBritishNumber(const TaxText& t);
// HU: 8 numeric characters, weights 9-7-3-1, check digit up to the next multiple of 10.
bool ValidateHungarianNumber(const TaxText& t);
// IE: 8 characters and a check letter; old-style numbers ("+", "*", letter second) rearranged.
bool ValidateIrishNumber(const TaxText& t);
// IT: 11 numeric characters, not all zeros, office code not 999, Luhn check digit.
bool ValidateItalianNumber(const TaxText& t);
// LT: 9 numeric (eighth digit 1) or 12 numeric (eleventh digit 1), two-pass modulo 11.
bool ValidateLithuanianNumber(const TaxText& t);
// LU: 8 numeric characters, not all zeros, value(1–6) mod 89 = value(7–8).
bool ValidateLuxembourgNumber(const TaxText& t);
// LV: 11 numeric characters: legal entity (first digit above 3, mod 11) or a birth date.
bool ValidateLatvianNumber(const TaxText& t);
// MT: 8 numeric characters, not from "0" or "100000", value(7–8) = 37 − sum mod 37.
bool ValidateMalteseNumber(const TaxText& t);
// NL: 9 numeric characters with a mod 11 check, "B", and a two-digit suffix of 1 or more.
bool ValidateDutchNumber(const TaxText& t);
// PL: 10 numeric characters, weighted sum modulo 11, remainder 10 refused.
bool ValidatePolishNumber(const TaxText& t);
// RO: 2 to 10 numeric characters, zero-padded to 10, ten times the weighted sum modulo 11.
bool ValidateRomanianNumber(const TaxText& t);
// SE: 12 numeric characters ending "01", Luhn check digit in position 10.
bool ValidateSwedishNumber(const TaxText& t);
// SI: 8 numeric characters, check 11 − sum mod 11, remainder 0 refused.
bool ValidateSlovenianNumber(const TaxText& t);
// SK: 10 numeric characters, first not 0, third not 1, 5 or 6, divisible by 11.
bool ValidateSlovakNumber(const TaxText& t);

// The GB weighted sum plus value(8–9), modulo 97, of a 9- or 12-digit number that passes the
// British gates; -1 for any other text. The classic rule wants 0.
int BritishCheckRemainder(const TaxText& t);

}  // namespace qorvexctl
