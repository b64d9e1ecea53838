// DE, DK, EL, FI, LT, NL, PL, RO and SI: check digits from weighted sums modulo 11.

#include "qorvexctl/validation/VerdictTable_test.h"

namespace qorvexctl {
namespace {

using testing::ExpectInvalid;
using testing::ExpectValid;

TEST(GermanNumber, AcceptsTheIso7064Check) {
  ExpectValid("DE", {"136695976", "123456788", "811834536"});
  ExpectInvalid("DE", {"136695977", "13669597", "1366959760"});
}

TEST(GermanNumber, RejectsEightLeadingZerosBeforeAnyCheck) {
  // p runs 10, 9, 7, 3, 6, 1, 2, 4, 8 over eight zeros: check 3, but the zeros come first.
  ExpectInvalid("DE", {"000000003", "000000000"});
}

TEST(DanishNumber, AcceptsSumsDivisibleBy11) {
  // 88371542: 16 + 56 + 18 + 35 + 4 + 15 + 8 + 2 = 154 = 14 · 11.
  ExpectValid("DK", {"88371542", "13585628"});
  ExpectInvalid("DK", {"88371543", "8837154", "883715420"});
  ExpectInvalid("DK", {"08837154"});  // first digit 0
}

TEST(GreekNumber, AcceptsThePowersOfTwoCheck) {
  ExpectValid("EL", {"094442791", "123456783", "800000002"});
  ExpectInvalid("EL", {"094442792", "000000000", "09444279", "0944427910"});
}

TEST(FinnishNumber, AcceptsTheWeightedCheck) {
  // 12345671: 7 + 18 + 30 + 20 + 40 + 24 + 14 = 153, 153 mod 11 = 10, check 11 − 10 = 1.
  ExpectValid("FI", {"12345671", "20098236", "00000019"});
  ExpectInvalid("FI", {"12345672", "00000000", "1234567", "123456710"});
}

TEST(FinnishNumber, RejectsRemainderOneForEveryLastDigit) {
  for (char last = '0'; last <= '9'; ++last) {
    ExpectInvalid("FI", {std::string("1000008") + last, std::string("1000016") + last});
  }
}

TEST(LithuanianNumber, AcceptsBothLengthsAndTheSecondPass) {
  ExpectValid("LT", {"119500013", "219063011", "123456789011", "100000001011"});
  ExpectInvalid("LT", {"119500014", "123456789012"});  // changed check digit
  ExpectInvalid("LT", {"119500023", "123456789021"});  // eighth (eleventh) digit not 1
  ExpectInvalid("LT", {"11950001", "1195000130", "12345678901"});
}

TEST(DutchNumber, AcceptsNineDigitsTheLetterBAndASuffix) {
  ExpectValid("NL", {"004407519B01", "123456782B01", "123456782B99"});
  ExpectInvalid("NL", {"123456783B01", "123456782B00", "123456782b01", "000000000B01"});
  ExpectInvalid("NL", {"123456782B1", "123456782B012", "1234567820B1", "12345678AB01"});
}

TEST(PolishNumber, AcceptsTheWeightedCheckButNotRemainderTen) {
  ExpectValid("PL", {"5252144014"});
  ExpectInvalid("PL", {"5252144015", "525214401", "52521440140"});
  // 123456789: weights give 6 + 10 + 21 + 8 + 15 + 24 + 35 + 48 + 63 = 230, remainder 10.
  for (char last = '0'; last <= '9'; ++last) ExpectInvalid("PL", {std::string("123456789") + last});
}

TEST(RomanianNumber, PadsShortNumbersWithZeros) {
  // 18601 is 0000018601: 10 · (7·1 + 5·8 + 3·6 + 2·0) = 650, 650 mod 11 = 1.
  ExpectValid("RO", {"18601", "185472903", "1234567897", "19"});
  ExpectInvalid("RO", {"18602", "1", "00000018601", ""});
}

TEST(SlovenianNumber, AcceptsTheCheckButNotRemainderZero) {
  ExpectValid("SI", {"12345679", "10000011"});
  ExpectInvalid("SI", {"12345670", "1234567", "123456790"});
  for (char last = '0'; last <= '9'; ++last) ExpectInvalid("SI", {std::string("1000007") + last});
}

}  // namespace
}  // namespace qorvexctl
