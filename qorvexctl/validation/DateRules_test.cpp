// BG, CZ and LV: numbers that carry a birth date.

#include "qorvexctl/validation/VerdictTable_test.h"

namespace qorvexctl {
namespace {

using testing::ExpectInvalid;
using testing::ExpectValid;

TEST(BulgarianNumber, AcceptsLegalEntitiesOfNineDigits) {
  // 175619537: 1 + 14 + 15 + 24 + 5 + 54 + 35 + 24 = 172, 172 mod 11 = 7.
  ExpectValid("BG", {"175619537", "123456786"});
  ExpectInvalid("BG", {"175619538", "17561953", "17561953700"});
}

TEST(BulgarianNumber, AcceptsPersonalNumbersWithTheCenturyInTheMonth) {
  // 7505201230: born 1975-05-20; 14 + 20 + 0 + 25 + 20 + 0 + 7 + 6 + 18 = 110, remainder 0.
  // Neither the foreigner check (5) nor the other-entity check (4) gives 0.
  ExpectValid("BG", {"7505201230"});
  ExpectValid("BG", {"0525151234", "0545151230"});  // months 25 (1805) and 45 (2005)
  ExpectInvalid("BG", {"7505201231"});
}

TEST(BulgarianNumber, FallsBackToTheForeignerAndOtherEntityRules) {
  ExpectValid("BG", {"7505201235"});  // foreigner: 21·7 + 19·5 + ... mod 10 = 5
  ExpectValid("BG", {"7505201234"});  // other entity: 11 − (106 mod 11) = 4
  ExpectValid("BG", {"7513201006"});  // month 13 fails the personal rule, not the others
}

TEST(CzechNumber, AcceptsLegalEntitiesButNotFromNine) {
  // 46394613: 32 + 42 + 18 + 45 + 16 + 18 + 2 = 173; 176 − 173 = 3.
  ExpectValid("CZ", {"46394613", "25687450"});
  ExpectInvalid("CZ", {"46394614"});
  ExpectInvalid("CZ", {"90000005"});  // the check holds, but a first digit 9 is refused
}

TEST(CzechNumber, AcceptsSpecialIndividualsStartingWithSix) {
  ExpectValid("CZ", {"640399124", "612345670"});
  ExpectInvalid("CZ", {"640399125", "612345671"});
}

TEST(CzechNumber, AcceptsNineDigitBirthNumbersBefore1954ByTheirDateAlone) {
  ExpectValid("CZ", {"530101123", "535215123", "520229999"});  // women's months carry 50
  ExpectInvalid("CZ", {"530229123", "531301123", "530100123", "530001123"});
  ExpectInvalid("CZ", {"540101123"});  // a year from 54 needs ten digits
}

TEST(CzechNumber, AcceptsTenDigitBirthNumbersFrom1954DivisibleBy11) {
  // 7103192745: 71 + 3 + 19 + 27 + 45 = 165 = 15 · 11.
  ExpectValid("CZ", {"7103192745", "7556011210"});
  ExpectInvalid("CZ", {"7103192746", "7113192745"});  // changed digit; month 13
  ExpectInvalid("CZ", {"5301011210"});                // a year below 54 needs nine digits
  ExpectInvalid("CZ", {"1234567", "12345678901"});
}

TEST(LatvianNumber, AcceptsLegalEntitiesWithTheWeightedCheck) {
  ExpectValid("LV", {"40003510414"});
  ExpectInvalid("LV", {"40003510415", "4000351041", "400035104140"});
  // Remainder 4 gives the check −1: no last digit is valid.
  for (char last = '0'; last <= '9'; ++last)
    ExpectInvalid("LV", {std::string("4000001009") + last});
}

TEST(LatvianNumber, AcceptsIndividualsByTheirBirthDateAlone) {
  // Day, month, two-digit year: 00–15 are 2000–2015, the rest 1916–1999.
  ExpectValid("LV", {"29026412345", "29021612345", "29020012345", "01019999999"});
  ExpectInvalid("LV", {"29021512345", "32048011111", "00019999999", "01139999999"});
}

}  // namespace
}  // namespace qorvexctl
