#pragma once
// Number conventions of the user's locale: the decimal and grouping separators, the lenient
// numeric test of the classic runtime, the general number format and pattern formatting
// ("###,##0.00", "00"). Nothing here reads the C library's locale.
//
// Two locales exist: Portuguese (decimal ",", grouping ".", the default) and United States
// English (decimal ".", grouping ","). Code that depends on the locale takes a `const Locale&`;
// `DefaultLocale()` gives the process default, chosen once from QORVEXCTL_LOCALE.

#include <optional>
#include <string>
#include <string_view>

namespace qorvexctl {

class Locale {
 public:
  // Portuguese (pt-PT): 1.234,56.
  static Locale Portuguese();
  // United States English (en-US): 1,234.56.
  static Locale UnitedStates();
  // "en-US" or "en_US" (optionally followed by ".UTF-8" or another encoding) gives United
  // States English; every other name, the empty one included, gives Portuguese.
  static Locale FromName(std::string_view name);

  std::string_view Name() const { return m_name; }
  char DecimalSeparator() const { return m_decimal; }
  char GroupingSeparator() const { return m_grouping; }

  // The lenient numeric test (IsNumeric): true when the text converts to a finite number.
  // Accepted: blanks (U+0020) around the number, one leading "+" or "-", digits with grouping
  // separators anywhere after the first digit of the integer part ("1.2.3" passes in
  // Portuguese), at most one decimal separator (",5" and "5," pass in Portuguese), and an
  // exponent "e"/"E" with an optional sign and at least one digit ("1e" fails). The text needs
  // at least one digit before the exponent; the empty text and blanks alone fail. A value too
  // large for a double ("1e999") fails; one too small is taken as 0 and passes.
  bool IsNumeric(std::string_view text) const;
  bool IsNumeric(std::u32string_view text) const;

  // The number a text that passes IsNumeric converts to; nothing for any other text.
  std::optional<double> ToNumber(std::string_view text) const;

  // The general number format: up to 15 significant digits, no grouping, the locale's decimal
  // separator, no trailing zeros; scientific ("1E+15", "1,5E-05") below 0.0001 and from 1e15.
  std::string FormatGeneral(double value) const;

  // Formats with a pattern of the classic runtime: "0" is a digit always shown, "#" a digit
  // shown when significant, "," in the integer part asks for grouping, "." marks the decimal
  // places; other characters before and after the placeholders are copied. The output uses
  // the locale's separators: Format(1234.5, "###,##0.00") is "1.234,50" in Portuguese. Values
  // are rounded half away from zero on their 15-digit decimal form (2.675 gives "2,68"); a
  // value that rounds to zero carries no minus sign; the minus sign comes before the copied
  // characters ("-€ 5").
  std::string Format(double value, std::string_view pattern) const;

 private:
  Locale(std::string_view name, char decimal, char grouping)
      : m_name(name), m_decimal(decimal), m_grouping(grouping) {}

  std::string_view m_name;
  char m_decimal;
  char m_grouping;
};

// The process default locale: Locale::FromName of the environment variable QORVEXCTL_LOCALE,
// read on the first call and kept for the life of the process.
const Locale& DefaultLocale();

// True when year-month-day is a real date of the Gregorian calendar, years 100 to 9999 (the
// range of the classic date type).
bool IsCalendarDate(int year, int month, int day);

}  // namespace qorvexctl
