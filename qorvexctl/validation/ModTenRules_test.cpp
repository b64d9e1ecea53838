// AT, EE, HU, IT and SE: check digits that complete a sum to a multiple of 10.

#include "qorvexctl/validation/VerdictTable_test.h"

namespace qorvexctl {
namespace {

using testing::ExpectInvalid;
using testing::ExpectValid;

TEST(AustrianNumber, AcceptsTheDoubledDigitCheck) {
  // U12345675: 4 + f(4) + f(8) + f(12)=3 + 1 + 3 + 5 + 7 = 35, check 10 − 5 = 5.
  ExpectValid("AT", {"U12345675", "U13585627", "U37504535"});
}

TEST(AustrianNumber, RejectsWrongCheckLengthOrPrefix) {
  ExpectInvalid("AT", {"U12345676", "U13585626"});              // changed check digit
  ExpectInvalid("AT", {"u12345675", "12345675", "X12345675"});  // the "U" is exact
  ExpectInvalid("AT", {"U1234567", "U123456750", ""});          // 8 and 10 characters
  ExpectInvalid("AT", {"U1234A675", "UU2345675"});              // not numeric after the U
}

TEST(EstonianNumber, AcceptsTheWeightedSumCheck) {
  // 100321401: 3·1 + 7·0 + 1·0 + 3·3 + 7·2 + 1·1 + 3·4 + 7·0 = 39, check 40 − 39 = 1.
  ExpectValid("EE", {"100321401", "102074154"});
  ExpectInvalid("EE", {"100321402", "10032140", "1003214010"});
  ExpectInvalid("EE", {"000000000"});  // a sum of 0 is refused outright
}

TEST(HungarianNumber, AcceptsTheWeightedSumCheck) {
  // 12345676: 9 + 14 + 9 + 4 + 45 + 42 + 21 = 144, check 150 − 144 = 6.
  ExpectValid("HU", {"12345676", "12892006"});
  ExpectInvalid("HU", {"12345677", "1234567", "123456760", "00000000"});
}

TEST(ItalianNumber, AcceptsTheLuhnCheck) {
  ExpectValid("IT", {"12345678903", "00433140159"});
  // Office codes 120 and 121 are not singled out.
  ExpectValid("IT", {"12345671205", "00000001214"});
}

TEST(ItalianNumber, RejectsOfficeCode999ZerosAndWrongLengths) {
  ExpectInvalid("IT", {"12345679992"});  // the Luhn check holds, but office 999 is closed
  ExpectInvalid("IT", {"00000000000", "12345678904", "1234567890", "123456789030"});
}

TEST(SwedishNumber, AcceptsTheLuhnCheckInPositionTen) {
  ExpectValid("SE", {"556430550501", "556430551301"});
  ExpectInvalid("SE", {"556430550601", "556430550502", "556430550500", "55643055050"});
}

}  // namespace
}  // namespace qorvexctl
