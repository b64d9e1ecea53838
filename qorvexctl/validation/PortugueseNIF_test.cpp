#include "qorvexctl/validation/PortugueseNIF.h"

#include "qorvexctl/validation/VerdictTable_test.h"

namespace qorvexctl {
namespace {

using testing::ExpectInvalid;
using testing::ExpectValid;

TEST(PortugueseNIF, AcceptsTheModulo11CheckDigit) {
  // 123456789: 9 + 16 + 21 + 24 + 25 + 24 + 21 + 16 = 156, 156 mod 11 = 2, check 9.
  // 999999990: sum 396, remainder 0, check 11 taken as 0.
  ExpectValid("PT", {"123456789", "999999990", "500000000"});
  ExpectInvalid("PT", {"123456788", "999999991", "123456798"});
}

TEST(PortugueseNIF, RemainderOneAcceptsOnlyZero) {
  // 10000007?: 9 + 7·2 = 23, 23 mod 11 = 1, check 10 taken as 0.
  ExpectValid("PT", {"100000070"});
  for (char last = '1'; last <= '9'; ++last) ExpectInvalid("PT", {std::string("10000007") + last});
}

TEST(PortugueseNIF, SinglesOutNoFirstDigit) {
  ExpectValid("PT", {"000000000", "300000006", "400000008", "600000001", "700000003", "800000005"});
}

TEST(PortugueseNIF, RejectsOtherLengthsAndNonNumericTexts) {
  ExpectInvalid("PT", {"", "12345678", "1234567890", "12345678A", "PT1234567"});
}

TEST(PortugueseNIF, CountsCharactersTheNumericTestLetThroughAsZero) {
  // " 23456787": the blank counts 0; 16 + 21 + 24 + 25 + 24 + 21 + 16 = 147, 147 mod 11 = 4,
  // check 7. "23456783 ": the trailing blank is the check digit 0 (and so is 8 then).
  ExpectValid("PT", {" 23456787", "23456783 ", "+23456787"});
  ExpectInvalid("PT", {" 23456788", "2345 6783"});
}

TEST(PortugueseNIF, TheNumericGateFollowsTheLocale) {
  // "1.2345678" is a grouped number in Portuguese and a decimal one in English; "1,2345678"
  // the other way round. Through the gate the separator counts 0: 9 + 14 + 18 + 20 + 20 + 18 +
  // 14 = 113, 113 mod 11 = 3, check 8.
  for (const Locale& locale : {Locale::Portuguese(), Locale::UnitedStates()}) {
    EXPECT_TRUE(ValidatePortugueseNIF("1.2345678", locale)) << locale.Name();
    EXPECT_TRUE(ValidatePortugueseNIF("1,2345678", locale)) << locale.Name();
  }
  // Two separators of a kind: grouping in one locale, a second decimal point in the other.
  EXPECT_TRUE(ValidatePortugueseNIF("1.234.560", Locale::Portuguese()));
  EXPECT_FALSE(ValidatePortugueseNIF("1.234.560", Locale::UnitedStates()));
  EXPECT_TRUE(ValidatePortugueseNIF("1,234,560", Locale::UnitedStates()));
  EXPECT_FALSE(ValidatePortugueseNIF("1,234,560", Locale::Portuguese()));
}

}  // namespace
}  // namespace qorvexctl
