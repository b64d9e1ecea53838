// The current rules of BE, EL, GB, IE, NL and RO (IT sits with the classic Italian rule) and the
// normalisation of written numbers. Each one widens its classic rule; the sources of the formats
// are listed in docs/validation.md.

#include "qorvexctl/validation/CurrentRules.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "qorvexctl/base/Locale.h"
#include "qorvexctl/validation/CountryRules.h"
#include "qorvexctl/validation/RuleTables.h"

namespace qorvexctl {

namespace {

using TaxRule = bool (*)(const TaxText&);

// True when positions first..last all hold the digits "0".."9" (the newer formats have no
// room for the lenient numeric test).
bool AllDigits(const TaxText& t, std::size_t first, std::size_t last) {
  if (first < 1 || last > t.Length() || last < first) return false;
  for (std::size_t p = first; p <= last; ++p) {
    if (!t.IsDigit(p)) return false;
  }
  return true;
}

// The rule's verdict on the text (at most `Length` characters) with "0" put before it up to
// `Length` characters.
template <std::size_t Length>
bool WithLeadingZeros(const TaxText& t, TaxRule rule) {
  std::array<char32_t, Length> padded{};
  const std::size_t zeros = Length - t.Length();
  std::fill_n(padded.begin(), zeros, U'0');
  std::copy(t.Chars().begin(), t.Chars().end(),
            padded.begin() + static_cast<std::ptrdiff_t>(zeros));
  return rule(TaxText(std::u32string_view(padded.data(), padded.size()), t.locale()));
}

}  // namespace

std::string NormaliseWrittenNumber(std::string_view text) {
  std::string written;
  written.reserve(text.size());
  for (char c : text) {
    if (IsWrittenSeparator(c)) continue;
    written += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return written;
}

bool ValidateCurrentBelgianNumber(const TaxText& t) {
  if (t.Length() == 9) return WithLeadingZeros<10>(t, ValidateBelgianNumber);
  return ValidateBelgianNumber(t);
}

bool ValidateCurrentGreekNumber(const TaxText& t) {
  if (t.Length() == 8) return WithLeadingZeros<9>(t, ValidateGreekNumber);
  return ValidateGreekNumber(t);
}

namespace {

// The classic check (remainder 0) or HMRC's "9755" check: the weighted sum plus the check pair
// plus 55 is a multiple of 97, so the classic remainder is 42. The series with a leading "0"
// predate it and keep the classic check only.
bool HasBritishCheck(const TaxText& t) {
  static constexpr int kRemainderOf9755 = 42;
  const int remainder = BritishCheckRemainder(t);
  return remainder == 0 || (remainder == kRemainderOf9755 && t.At(1) != '0');
}

constexpr std::size_t kLongGovernmentLength = 11;

// "GD8888" or "HA8888", a three-digit number in the range of the five-character form, then
// that number modulo 97 as two digits.
bool IsBritishLongGovernmentNumber(const TaxText& t) {
  if (t.Length() != kLongGovernmentLength || t.Chars().substr(2, 4) != U"8888" ||
      !AllDigits(t, 7, 11)) {
    return false;
  }
  std::u32string shortForm(t.Chars().substr(0, 2));
  shortForm += t.Chars().substr(6, 3);
  return ValidateBritishNumber(TaxText(shortForm, t.locale())) &&
         t.Value(10, 11) == t.Value(7, 9) % 97;
}

}  // namespace

bool ValidateCurrentBritishNumber(const TaxText& t) {
  static constexpr std::size_t kShortGovernmentLength = 5;
  // One form per length, so one check per number.
  if (t.Length() == kShortGovernmentLength) return ValidateBritishNumber(t);
  if (t.Length() == kLongGovernmentLength) return IsBritishLongGovernmentNumber(t);
  return HasBritishCheck(t);
}

namespace {

// Seven digits, the check letter, then a letter that weighs 9 times its value in the check:
// "W" 0, "A" 1 ... "I" 9 (Revenue issues "A" and "H").
bool IsIrishNumberOf2013(const TaxText& t) {
  static constexpr std::array kWeights = {8, 7, 6, 5, 4, 3, 2};
  static constexpr std::string_view kSecondLetterValues = "WABCDEFGHI";
  if (t.Length() != 9 || !AllDigits(t, 1, 7) || t.AllZeros(1, 7)) return false;
  if (!IsOneOf(t.At(9), kSecondLetterValues)) return false;
  const auto second = kSecondLetterValues.find(static_cast<char>(t.At(9)));
  const auto remainder = (static_cast<std::size_t>(t.WeightedSum(kWeights)) + 9 * second) % 23;
  return t.At(8) == static_cast<char32_t>(rule_tables::kIrishCheckLetters[remainder]);
}

}  // namespace

bool ValidateCurrentIrishNumber(const TaxText& t) {
  return ValidateIrishNumber(t) || IsIrishNumberOf2013(t);
}

namespace {

// The btw-identificatienummer of sole traders: ISO 7064 mod 97-10 over "NL", the nine digits,
// "B" and the two digits, letters read as their values ("N" 23, "L" 21, "B" 11), leaves 1.
bool IsDutchSoleTraderNumber(const TaxText& t) {
  static constexpr int kCountryValue = 2321;
  static constexpr int kLetterBValue = 11;
  if (t.Length() != 12 || t.At(10) != 'B' || !AllDigits(t, 1, 9) || !AllDigits(t, 11, 12)) {
    return false;
  }
  if (t.AllZeros(1, 9)) return false;
  int remainder = kCountryValue % 97;
  for (std::size_t p = 1; p <= 12; ++p) {
    remainder = p == 10 ? (remainder * 100 + kLetterBValue) % 97
                        : (remainder * 10 + t.Digit(p)) % 97;
  }
  return remainder == 1;
}

bool IsDutchNumberOfEitherKind(const TaxText& t) {
  return ValidateDutchNumber(t) || IsDutchSoleTraderNumber(t);
}

// A first part of 1 to 8 characters before "B" and two more.
bool HasShortDutchFirstPart(const TaxText& t) {
  return t.Length() >= 4 && t.Length() < 12 && t.At(t.Length() - 2) == 'B';
}

}  // namespace

bool ValidateCurrentDutchNumber(const TaxText& t) {
  if (HasShortDutchFirstPart(t)) return WithLeadingZeros<12>(t, IsDutchNumberOfEitherKind);
  return IsDutchNumberOfEitherKind(t);
}

namespace {

// The birth date of a personal numeric code: the first digit carries the century (1–2: 1900s,
// 3–4: 1800s, 5–6: 2000s); 7–9 (foreigners) do not, so either century will do.
bool HasRomanianBirthDate(const TaxText& t) {
  const int yy = static_cast<int>(t.Value(2, 3));
  const int mm = static_cast<int>(t.Value(4, 5));
  const int dd = static_cast<int>(t.Value(6, 7));
  switch (t.Digit(1)) {
    case 1:
    case 2: return IsCalendarDate(1900 + yy, mm, dd);
    case 3:
    case 4: return IsCalendarDate(1800 + yy, mm, dd);
    case 5:
    case 6: return IsCalendarDate(2000 + yy, mm, dd);
    case 7:
    case 8:
    case 9: return IsCalendarDate(1900 + yy, mm, dd) || IsCalendarDate(2000 + yy, mm, dd);
    default: return false;
  }
}

// The CNP: sex and century, birth date, county, serial, and a check digit of weights
// 2,7,9,1,4,6,3,5,8,2,7,9 modulo 11, 10 counting as 1.
bool IsRomanianPersonalCode(const TaxText& t) {
  static constexpr std::array kWeights = {2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
  if (t.Length() != 13 || !AllDigits(t, 1, 13) || !HasRomanianBirthDate(t)) return false;
  const int remainder = t.WeightedSum(kWeights) % 11;
  return t.Digit(13) == (remainder == 10 ? 1 : remainder);
}

}  // namespace

bool ValidateCurrentRomanianNumber(const TaxText& t) {
  return ValidateRomanianNumber(t) || IsRomanianPersonalCode(t);
}

}  // namespace qorvexctl
