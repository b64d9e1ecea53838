#pragma once
// A tax number's text as the country rules read it: characters (code points) at 1-based
// positions, with the conventions every rule shares. The numeric test is the locale's lenient
// one; the digit value of "0".."9" is 0..9 and of any other character 0, so a blank or a sign
// that the numeric test let through counts as 0 in a sum.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "qorvexctl/base/Locale.h"

namespace qorvexctl {

// The characters people put between the groups of a number: blank, tab, "." and "-".
constexpr bool IsWrittenSeparator(char c) { return c == ' ' || c == '\t' || c == '.' || c == '-'; }

class TaxText {
 public:
  // Chooses the constructor that reads the text as written (see the constructor below).
  struct AsWritten {};

  TaxText(std::string_view utf8, const Locale& locale);
  // The text with its written separators dropped and a–z in upper case (what
  // NormaliseWrittenNumber gives). A short text of digits and capital letters alone, the common
  // case, is only copied; other short ASCII texts are normalised while copying.
  TaxText(std::string_view utf8, const Locale& locale, AsWritten);
  TaxText(std::u32string_view chars, const Locale& locale);
  TaxText(const TaxText&) = delete;
  TaxText& operator=(const TaxText&) = delete;

  std::size_t Length() const { return m_chars.size(); }
  std::u32string_view Chars() const { return m_chars; }
  const Locale& locale() const { return *m_locale; }

  // The character at `position`, or 0 past the end.
  char32_t At(std::size_t position) const {
    return position >= 1 && position <= m_chars.size() ? m_chars[position - 1] : 0;
  }
  // The digit value of the character at `position` (0 for a non-digit or past the end).
  int Digit(std::size_t position) const { return DigitValue(At(position)); }
  static int DigitValue(char32_t c) { return c >= '0' && c <= '9' ? static_cast<int>(c - '0') : 0; }

  // The numeric test of positions first..last (clamped to the text; false when first is past
  // the end).
  bool IsNumeric(std::size_t first, std::size_t last) const;
  // The numeric test of the text from `position` to its end.
  bool IsNumericFrom(std::size_t position) const { return IsNumeric(position, Length()); }
  // True when the character at `position` passes the numeric test alone: a digit.
  bool IsDigit(std::size_t position) const { return At(position) >= '0' && At(position) <= '9'; }

  // value(first–last): the number the digit values of those positions form.
  std::int64_t Value(std::size_t first, std::size_t last) const;
  // True when positions first..last hold the character "0" only.
  bool AllZeros(std::size_t first, std::size_t last) const;
  // Σ weights[k] · d(first + k).
  int WeightedSum(std::span<const int> weights, std::size_t first = 1) const;
  // Σ f(2 · d(p)) for p = first, first + 2, ... up to `last`, f being the doubled-digit sum.
  int DoubledDigitSum(std::size_t first, std::size_t last) const;
  // Σ d(p) for p = first, first + 2, ... up to `last`.
  int AlternateDigitSum(std::size_t first, std::size_t last) const;

 private:
  // Normalises an ASCII text into the inline buffer; false (nothing kept) when the text is not
  // ASCII or its normalised form does not fit.
  bool NormaliseInline(std::string_view utf8);
  void KeepOnHeap(std::u32string chars);

  static constexpr std::size_t kInlineCapacity = 32;
  char32_t m_inline[kInlineCapacity];
  std::u32string m_heap;
  std::u32string_view m_chars;
  const Locale* m_locale;
};

// f(x) of a digit's double: 2·d − 9 when that is 10 or more, else 2·d.
constexpr int DoubledDigit(int digit) { return 2 * digit >= 10 ? 2 * digit - 9 : 2 * digit; }

// round-up(sum / 10) · 10 − sum: how far a non-negative sum is from the next multiple of 10.
constexpr int DistanceToNextTen(int sum) { return (10 - sum % 10) % 10; }

// True when `c` occurs in `alphabet` (exact comparison).
constexpr bool IsOneOf(char32_t c, std::string_view alphabet) {
  return c != 0 && c < 0x80 && alphabet.find(static_cast<char>(c)) != std::string_view::npos;
}

// True for the letters A–Z and a–z.
constexpr bool IsAsciiLetter(char32_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace qorvexctl
