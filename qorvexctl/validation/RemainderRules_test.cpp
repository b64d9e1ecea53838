// BE, GB, LU, MT and SK: remainders of the number's own value or of a weighted sum.

#include "qorvexctl/validation/VerdictTable_test.h"

namespace qorvexctl {
namespace {

using testing::ExpectInvalid;
using testing::ExpectValid;

TEST(BelgianNumber, AcceptsTheMod97CheckNumber) {
  // 0234567873: 2345678 mod 97 = 24, 97 − 24 = 73.
  ExpectValid("BE", {"0234567873", "0403170008", "0403170107"});
  ExpectInvalid("BE", {"0234567874", "234567873", "02345678730", "1234567873"});
}

TEST(BelgianNumber, RejectsSecondDigitBelowTwoEvenWithACorrectCheck) {
  // 0134567011: 134567 mod 97 = 86, 97 − 86 = 11; the check holds but d2 is 1.
  ExpectInvalid("BE", {"0134567011", "0034567011"});
}

TEST(BritishNumber, AcceptsNineAndTwelveDigits) {
  // 980212340: 72 + 56 + 0 + 10 + 4 + 6 + 6 = 154, and 154 + 40 = 194 = 2 · 97.
  ExpectValid("GB", {"980212340", "123456782", "980212340001", "002123455"});
}

TEST(BritishNumber, RejectsBadPrefixesSuffixesAndChecks) {
  ExpectInvalid("GB", {"980212341", "123456783"});     // changed digit
  ExpectInvalid("GB", {"980212340000"});               // branch 000
  ExpectInvalid("GB", {"003123449"});                  // "003" is not an allowed start
  ExpectInvalid("GB", {"000000000", "000000000000"});  // all zeros
  ExpectInvalid("GB", {"98021234", "9802123400", "9802123400011"});
}

TEST(BritishNumber, AcceptsGovernmentAndHealthAuthorityNumbers) {
  ExpectValid("GB", {"GD000", "GD499", "HA500", "HA999"});
  ExpectInvalid("GB", {"GD500", "HA499", "gd100", "ha600", "GA100", "GD1234"});
}

TEST(LuxembourgNumber, AcceptsTheMod89Check) {
  // 150274 mod 89 = 42.
  ExpectValid("LU", {"15027442"});
  ExpectInvalid("LU", {"15027443", "1502744", "150274420", "00000000"});
}

TEST(MalteseNumber, AcceptsTheMod37Check) {
  // 15834826: 3 + 20 + 48 + 21 + 32 + 72 = 196, 196 mod 37 = 11, 37 − 11 = 26.
  ExpectValid("MT", {"15834826"});
  ExpectInvalid("MT", {"15834825", "1583482", "158348260"});
  ExpectInvalid("MT", {"05834826"});  // first character "0"
  ExpectInvalid("MT", {"10000034"});  // "100000" first: refused even with the check right
}

TEST(SlovakNumber, AcceptsTenDigitsDivisibleBy11) {
  ExpectValid("SK", {"2021349968", "2070000009"});
  ExpectInvalid("SK", {"2021349969", "202134996", "20213499680"});
  ExpectInvalid("SK", {"0202134996"});  // first digit 0
}

TEST(SlovakNumber, RejectsThirdDigitsOneFiveAndSixEvenWhenDivisible) {
  // 2010000003, 2250000005 and 2260000006 are all multiples of 11.
  ExpectInvalid("SK", {"2010000003", "2250000005", "2260000006"});
}

}  // namespace
}  // namespace qorvexctl
