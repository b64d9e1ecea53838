#include "qorvexctl/validation/NibCheckDigits.h"

#include <gtest/gtest.h>

namespace qorvexctl {
namespace {

TEST(NibCheckDigits, ComputesTheMod97CheckOfNineteenDigits) {
  // 0035 0123 00012345678: 89·3 + 38·5 + 45·1 + 53·2 + 15·3 + 34·1 + 81·2 + 76·3 + 27·4 + 90·5 +
  // 9·6 + 30·7 + 3·8 = 1923, 1923 mod 97 = 80, 98 − 80 = 18.
  EXPECT_EQ(CalculateCheckDigits("0035012300012345678"), "18");
  // Nineteen zeros: s = 0, 98 − 0 = 98.
  EXPECT_EQ(CalculateCheckDigits("0000000000000000000"), "98");
}

TEST(NibCheckDigits, WritesResultsBelowTenWithALeadingZero) {
  // A single 1 in position 3 (weight 89): 98 − 89 = 9.
  EXPECT_EQ(CalculateCheckDigits("0010000000000000000"), "09");
  // A 1 in position 14 (weight 76): 98 − 76 = 22.
  EXPECT_EQ(CalculateCheckDigits("0000000000000100000"), "22");
}

TEST(NibCheckDigits, NeedsNineteenCharactersAndReadsOnlyThose) {
  EXPECT_EQ(CalculateCheckDigits("003501230001234567"), "");
  EXPECT_EQ(CalculateCheckDigits(""), "");
  EXPECT_EQ(CalculateCheckDigits("003501230001234567899"), "18");
}

TEST(NibCheckDigits, CountsNonDigitsAsZero) {
  EXPECT_EQ(CalculateCheckDigits("0035-0123-000123456"),
            CalculateCheckDigits("0035001230000123456"));
  EXPECT_EQ(CalculateCheckDigits("ABCDEFGHIJKLMNOPQRS"), "98");
}

TEST(NibValid, ComparesCharactersTwentyAndTwentyOne) {
  EXPECT_TRUE(IsValidNib("003501230001234567818"));
  EXPECT_FALSE(IsValidNib("003501230001234567819"));
  EXPECT_FALSE(IsValidNib("00350123000123456781"));  // 20 characters
  EXPECT_FALSE(IsValidNib(""));
}

}  // namespace
}  // namespace qorvexctl
