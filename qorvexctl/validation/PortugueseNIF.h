#pragma once
// The Portuguese tax number (NIF): nine characters, numeric, with a modulo-11 check digit.

#include <string_view>

#include "qorvexctl/base/Locale.h"
#include "qorvexctl/validation/TaxText.h"

namespace qorvexctl {

// Numeric, 9 characters, last digit = 11 − (Σ (10−i)·di mod 11), 10 and 11 counting as 0.
// No first digit is singled out.
bool ValidatePortugueseNIF(std::string_view text, const Locale& locale = DefaultLocale());
bool ValidatePortugueseNIF(const TaxText& text);

}  // namespace qorvexctl
