#pragma once
// The amount functions the euro field, its information texts and the calculator share:
// symmetric rounding on a decimal product, the euro text of an amount, and the lenient reading
// of typed amount text. None of them throws.
//
//   RoundHalfAway(0.125, 2)                 // 0.13: the first dropped digit 5 goes away from 0
//   RoundTiesEven(0.125, 2)                 // 0.12: the platform's own rounding
//   FormatEuroAmount(1234.5)                // "1.234,50 €" in Portuguese, "1,234.50 €" in US
//   ParseEuroAmount("1.234,56 €")           // 1234.56, whatever the locale

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "qorvexctl/base/Currency.h"
#include "qorvexctl/base/Locale.h"
#include "qorvexctl/base/Variant.h"

namespace qorvexctl {

// Rounds to `decimals` places, a first dropped digit of 5 or more moving away from zero. The
// product value x 10^decimals is taken in decimal arithmetic on the value's 15 significant
// digits, so 1.005 rounds to 1.01. A product the decimal type cannot hold (28 digits) leaves
// the scaled value at 0. The last call of the thread is remembered and answered again.
double RoundHalfAway(double value, std::int32_t decimals);

// The platform's rounding: value x 10^decimals rounded to the nearest integer, ties to even,
// scaled back (0.125 gives 0.12, 2.5 gives 2 at 0 places).
double RoundTiesEven(double value, int decimals);

// The amount with two decimals, the locale's grouping and decimal separators and a leading "-"
// for negatives, followed by " €". Empty, Null and non-numeric values give "".
std::string FormatEuroAmount(const Variant& value, const Locale& locale = DefaultLocale());
// The same, adding RoundHalfAway(value, 2) to `total` for a value that is formatted. A sum
// that leaves the amount range leaves `total` as it was.
std::string FormatEuroAmount(const Variant& value, Currency& total,
                             const Locale& locale = DefaultLocale());

// Typed amount text to an amount: the euro sign, blanks and "%" are dropped, "1.234,56" and
// "1,234.56" both read 1234.56, a lone comma or dot is the decimal point ("1.234" is 1.234),
// and the leading number is read (ReadLeadingNumber). What cannot be read gives 0.
Currency ParseEuroAmount(std::string_view text);

// The leading number of `text` with "." as the decimal point, whatever the locale: blanks
// (spaces, tabs, line feeds) are skipped wherever they stand, one leading sign, digits, one
// ".", an exponent ("E" or "D", optional sign, digits); "&H" and "&O" read hexadecimal and
// octal whole numbers. Reading stops at the first character that cannot continue the number;
// no digits give 0. Nothing when the number is too large for a double.
std::optional<double> ReadLeadingNumber(std::string_view text);

// The shortest text with "." that reads back as `value`, "-0" written "0" ("0.13", "1200").
std::string ShortestNumberText(double value);
// An amount as a plain decimal with "." and no trailing zeros ("1234.5", "0", "-0.125").
std::string PlainAmountText(Currency amount);

}  // namespace qorvexctl
