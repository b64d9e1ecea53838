// CY, IE and FR: check letters and letter keys.

#include "qorvexctl/validation/VerdictTable_test.h"

namespace qorvexctl {
namespace {

using testing::ExpectInvalid;
using testing::ExpectValid;

TEST(CypriotNumber, AcceptsTheCheckLetter) {
  // 10259033P: T(1) + 0 + T(2) + 5 + T(9) + 0 + T(3) + 3 = 0 + 0 + 5 + 5 + 21 + 0 + 7 + 3 = 41,
  // 41 mod 26 = 15: "P".
  ExpectValid("CY", {"10259033P", "00000001F", "30001000J"});
  ExpectInvalid("CY", {"10259033Q", "10259034P", "10259033", "10259033PP", "102590339"});
}

TEST(CypriotNumber, RejectsLowerCaseLettersAndFirstDigits2678) {
  ExpectInvalid("CY", {"10259033p"});
  // Each has the letter its sum gives.
  ExpectInvalid("CY", {"20000000F", "60000000P", "70000000R", "80000000T"});
}

TEST(IrishNumber, AcceptsTheCheckLetter) {
  // 1234567T: 8 + 14 + 18 + 20 + 20 + 18 + 14 = 112, 112 mod 23 = 20: "T".
  ExpectValid("IE", {"1234567T", "6433435F", "8473625E"});
  ExpectInvalid("IE", {"1234567U", "1234568T", "1234567", "1234567TW", "1234567Tx"});
  ExpectInvalid("IE", {"1234567t"});  // passes the gate, fails the exact comparison
}

TEST(IrishNumber, RearrangesOldStyleNumbers) {
  // 9+12345N is checked as 0123459N.
  ExpectValid("IE", {"9+12345N", "7A12345J", "7a12345J"});
  ExpectInvalid("IE", {"9+12345M", "9-12345N"});
  for (char letter = 'A'; letter <= 'W'; ++letter) {
    ExpectInvalid("IE", {std::string("5*12345") + letter, std::string("6+12345") + letter});
  }
}

TEST(FrenchNumber, AcceptsNumericKeys) {
  // 123456789 followed by 12 is 12345678912; 12345678912 mod 97 = 32.
  ExpectValid("FR", {"32123456789", "44732829320"});
  ExpectInvalid("FR", {"33123456789", "32123456788", "3212345678", "321234567890"});
}

TEST(FrenchNumber, AcceptsLetterKeys) {
  // AL: S = 34·10 + 20 − 100 = 260, R1 = 260 mod 11 = 7, P = 23 + 1 = 24;
  // (123456789 + 24) mod 11 = 7.
  ExpectValid("FR", {"AL123456789", "A8123456789", "BA123456789"});
  ExpectInvalid("FR", {"AM123456789", "AL123456788", "al123456789", "Al123456789"});
}

TEST(FrenchNumber, RejectsDigitThenLetterZerosAndTheLettersIAndO) {
  ExpectInvalid("FR", {"3A123456789", "AA000000000", "00000000000"});
  ExpectInvalid("FR", {"IA123456789", "AO123456789", "I1123456789", "O1123456789"});
}

}  // namespace
}  // namespace qorvexctl
