// ES: residents, foreigners and companies, after trimming and upper-casing.

#include "qorvexctl/validation/VerdictTable_test.h"

namespace qorvexctl {
namespace {

using testing::ExpectInvalid;
using testing::ExpectValid;

TEST(SpanishNumber, AcceptsResidentsAndForeigners) {
  // 12345678 mod 23 = 14: "Z". X1234567: 1234567 mod 23 = 19: "L". Y and Z count 1 and 2.
  ExpectValid("ES", {"12345678Z", "X1234567L", "K1234567L", "Y1234567X", "Z1234567R"});
  ExpectValid("ES", {"00000001R"});
  ExpectInvalid("ES", {"12345678A", "X1234567M", "12345679Z"});
}

TEST(SpanishNumber, AcceptsCompaniesWithDigitOrLetterControl) {
  // A58027491: body 5,8,0,2,7,4,9; A = f(10) + f(0) + f(14) + f(18) = 1 + 0 + 5 + 9 = 15,
  // B = 8 + 2 + 4 = 14, r = 29 mod 10 = 9: control digit 1, control letter "A".
  ExpectValid("ES", {"A58027491", "A5802749A", "P1234567D", "B1234567D"});
  ExpectInvalid("ES", {"A58027492", "P1234567E"});
  ExpectInvalid("ES", {"N58027491", "P58027491"});  // a digit control needs A–H, J, U or V
}

TEST(SpanishNumber, TrimsBlanksAndIgnoresCase) {
  ExpectValid("ES", {" x1234567l ", "12345678z", "12345678Z  ", "  p1234567d"});
  ExpectInvalid("ES", {"\t12345678Z", "1234 5678Z"});
}

TEST(SpanishNumber, RejectsZeroBodiesWrongLengthsAndUnknownLetters) {
  ExpectInvalid("ES", {"X0000000T", "A00000000"});
  ExpectInvalid("ES", {"1234567Z", "012345678Z", ""});
  ExpectInvalid("ES", {"I1234567L", "T12345678"});
}

}  // namespace
}  // namespace qorvexctl
