// Rules that read a birth date from the number: BG, CZ, LV. Dates go through the calendar test.

#include <array>

#include "qorvexctl/base/Locale.h"
#include "qorvexctl/validation/CountryRules.h"

namespace qorvexctl {
namespace {

// A remainder of 10 counts as 0.
int TenAsZero(int remainder) { return remainder == 10 ? 0 : remainder; }

bool IsBulgarianLegalEntity(const TaxText& t) {
  static constexpr std::array kFirst = {1, 2, 3, 4, 5, 6, 7, 8};
  static constexpr std::array kSecond = {3, 4, 5, 6, 7, 8, 9, 10};
  int remainder = t.WeightedSum(kFirst) % 11;
  if (remainder == 10) remainder = TenAsZero(t.WeightedSum(kSecond) % 11);
  return t.Digit(9) == remainder;
}

// The birth date of a Bulgarian personal number: the month carries the century.
bool HasBulgarianBirthDate(const TaxText& t) {
  const int yy = static_cast<int>(t.Value(1, 2));
  const int mm = static_cast<int>(t.Value(3, 4));
  const int dd = static_cast<int>(t.Value(5, 6));
  if (mm >= 21 && mm <= 32) return IsCalendarDate(1800 + yy, mm - 20, dd);
  if (mm >= 41 && mm <= 52) return IsCalendarDate(2000 + yy, mm - 40, dd);
  if (mm >= 1 && mm <= 12) return IsCalendarDate(1900 + yy, mm, dd);
  return false;
}

bool IsBulgarianPerson(const TaxText& t) {
  static constexpr std::array kWeights = {2, 4, 8, 5, 10, 9, 7, 3, 6};
  return HasBulgarianBirthDate(t) && t.Digit(10) == TenAsZero(t.WeightedSum(kWeights) % 11);
}

bool IsBulgarianForeigner(const TaxText& t) {
  static constexpr std::array kWeights = {21, 19, 17, 13, 11, 9, 7, 3, 1};
  return t.Digit(10) == t.WeightedSum(kWeights) % 10;
}

bool IsBulgarianOtherEntity(const TaxText& t) {
  static constexpr std::array kWeights = {4, 3, 2, 7, 6, 5, 4, 3, 2};
  int check = 11 - t.WeightedSum(kWeights) % 11;
  if (check == 11) check = 0;
  return t.Digit(10) == check;  // a check of 10 never equals a digit
}

// round-up(sum / 11) · 11 − sum, from 0 to 10.
int DistanceToNextEleven(int sum) { return (11 - sum % 11) % 11; }

bool IsCzechLegalEntity(const TaxText& t) {
  static constexpr std::array kWeights = {8, 7, 6, 5, 4, 3, 2};
  if (t.Digit(1) == 9) return false;
  const int a = DistanceToNextEleven(t.WeightedSum(kWeights));
  const int check = a == 0 ? 1 : a == 10 ? 0 : a;
  return t.Digit(8) == check;
}

bool IsCzechSpecialIndividual(const TaxText& t) {
  static constexpr std::array kWeights = {8, 7, 6, 5, 4, 3, 2};
  const int a = DistanceToNextEleven(t.WeightedSum(kWeights, 2));
  const int check = a <= 1 ? 8 : a == 10 ? 9 : 9 - a;
  return t.Digit(9) == check;
}

// The date in the first six digits of a Czech birth number (women's months carry 50).
bool HasCzechBirthDate(const TaxText& t) {
  int mm = static_cast<int>(t.Value(3, 4));
  if (mm > 50) mm -= 50;
  return IsCalendarDate(1900 + static_cast<int>(t.Value(1, 2)), mm,
                        static_cast<int>(t.Value(5, 6)));
}

bool IsCzechBirthNumberBefore1954(const TaxText& t) {
  return t.Value(1, 2) < 54 && HasCzechBirthDate(t);
}

bool IsCzechBirthNumberFrom1954(const TaxText& t) {
  if (t.Value(1, 2) < 54) return false;
  const std::int64_t sum =
      t.Value(1, 2) + t.Value(3, 4) + t.Value(5, 6) + t.Value(7, 8) + t.Value(9, 10);
  return HasCzechBirthDate(t) && sum % 11 == 0;
}

}  // namespace

bool ValidateBulgarianNumber(const TaxText& t) {
  if (!t.IsNumericFrom(1)) return false;
  if (t.Length() == 9) return IsBulgarianLegalEntity(t);
  if (t.Length() == 10) {
    return IsBulgarianPerson(t) || IsBulgarianForeigner(t) || IsBulgarianOtherEntity(t);
  }
  return false;
}

bool ValidateCzechNumber(const TaxText& t) {
  if (!t.IsNumericFrom(1)) return false;
  switch (t.Length()) {
    case 8:
      return IsCzechLegalEntity(t);
    case 9:
      return t.At(1) == '6' ? IsCzechSpecialIndividual(t) : IsCzechBirthNumberBefore1954(t);
    case 10:
      return IsCzechBirthNumberFrom1954(t);
    default:
      return false;
  }
}

bool ValidateLatvianNumber(const TaxText& t) {
  static constexpr std::array kWeights = {9, 1, 4, 8, 3, 10, 2, 5, 7, 6};
  if (t.Length() != 11 || !t.IsNumericFrom(1)) return false;
  if (t.Digit(1) > 3) {
    const int remainder = t.WeightedSum(kWeights) % 11;
    int check = 3 - remainder;
    if (check < -1) check = 14 - remainder;
    return check != -1 && t.Digit(11) == check;
  }
  const int yy = static_cast<int>(t.Value(5, 6));
  const int year = yy < 16 ? 2000 + yy : 1900 + yy;
  return IsCalendarDate(year, static_cast<int>(t.Value(3, 4)), static_cast<int>(t.Value(1, 2)));
}

}  // namespace qorvexctl
