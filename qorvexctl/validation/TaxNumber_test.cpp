#include "qorvexctl/validation/TaxNumber.h"

#include <gtest/gtest.h>

#include <string>

namespace qorvexctl {
namespace {

TEST(CountryIndex, FollowsTheAlphabeticalEuList) {
  EXPECT_EQ(CountryIndex("AT"), 0);
  EXPECT_EQ(CountryIndex("EL"), 8);
  EXPECT_EQ(CountryIndex("GB"), 12);
  EXPECT_EQ(CountryIndex("PT"), 22);
  EXPECT_EQ(CountryIndex("SK"), 26);
  for (int i = 0; i < kEuCountryCount; ++i) {
    EXPECT_EQ(CountryIndex(EuCountryCodes().substr(3 * static_cast<std::size_t>(i), 2)), i);
    EXPECT_EQ(EuCountryCode(i), EuCountryCodes().substr(3 * static_cast<std::size_t>(i), 2));
  }
}

TEST(CountryIndex, IsMinusOneForAnyOtherCode) {
  for (const char* code : {"", "pt", "Pt", "GR", "US", "PT ", "P", "T,", ",B", "AT,BE"}) {
    EXPECT_EQ(CountryIndex(code), -1) << '"' << code << '"';
  }
  EXPECT_EQ(EuCountryCode(-1), "");
  EXPECT_EQ(EuCountryCode(27), "");
}

TEST(ValidateTaxNumber, AcceptsAnythingForACountryWithoutARule) {
  for (int index : {-1, 27, 1000, -32768}) {
    for (const char* text : {"", "anything", "123"}) {
      EXPECT_TRUE(ValidateTaxNumber(text, index, Locale::Portuguese())) << index << text;
    }
  }
}

TEST(ValidateTaxNumber, ReachesEachCountrysRuleAtItsIndex) {
  // One valid number per country, in the order of the list; none is valid anywhere else
  // except where two rules happen to agree.
  const char* valid[kEuCountryCount] = {
      "U12345675",    "0234567873", "175619537",    "10259033P",   "46394613",  "136695976",
      "88371542",     "100321401",  "094442791",    "12345678Z",   "12345671",  "32123456789",
      "980212340",    "12345676",   "1234567T",     "12345678903", "119500013", "15027442",
      "40003510414",  "15834826",   "004407519B01", "5252144014",  "123456789", "18601",
      "556430550501", "12345679",   "2021349968"};
  for (int i = 0; i < kEuCountryCount; ++i) {
    EXPECT_TRUE(ValidateTaxNumber(valid[i], i, Locale::Portuguese())) << EuCountryCode(i);
    EXPECT_FALSE(ValidateTaxNumber("", i, Locale::Portuguese())) << EuCountryCode(i);
  }
}

TEST(ValidateTaxNumber, CountsPositionsInCharactersNotBytes) {
  // "É" is two bytes: a 9-byte text with it has 8 characters.
  EXPECT_FALSE(ValidateTaxNumber("U1234567É", CountryIndex("AT"), Locale::Portuguese()));
  EXPECT_FALSE(ValidateTaxNumber("1234567É", CountryIndex("IE"), Locale::Portuguese()));
  EXPECT_FALSE(ValidateTaxNumber("1234567É", CountryIndex("CY"), Locale::Portuguese()));
  // Upper-casing "é" gives "É", which is no Spanish letter.
  EXPECT_FALSE(ValidateTaxNumber("12345678é", CountryIndex("ES"), Locale::Portuguese()));
  // A long text is judged whole, not cut short.
  const std::string longText = std::string(40, ' ') + "12345678Z" + std::string(40, ' ');
  EXPECT_TRUE(ValidateTaxNumber(longText, CountryIndex("ES"), Locale::Portuguese()));
}

}  // namespace
}  // namespace qorvexctl
