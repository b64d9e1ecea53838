// The current rule set: per changed country, published or rule-built numbers grouped by
// outcome; then what it reads differently from the classic set in every country.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/validation/CurrentRules.h"
#include "qorvexctl/validation/TaxNumber.h"

namespace qorvexctl {
namespace {

using Texts = std::vector<std::string_view>;

bool Judge(std::string_view country, std::string_view text, RuleSet rules) {
  return ValidateTaxNumber(text, CountryIndex(country), Locale::Portuguese(), rules);
}

void ExpectCurrent(std::string_view country, bool expected, const Texts& texts,
                   std::string_view group) {
  for (std::string_view text : texts) {
    EXPECT_EQ(Judge(country, text, RuleSet::Current), expected)
        << country << " \"" << text << "\" (" << group << ")";
  }
}

// The four outcome groups of a country's table.
struct Outcomes {
  Texts valid;
  Texts oneCharacterChanged;
  Texts wrongLength;
  Texts badFormat;
};

void ExpectOutcomes(std::string_view country, const Outcomes& outcomes) {
  ExpectCurrent(country, true, outcomes.valid, "valid");
  ExpectCurrent(country, false, outcomes.oneCharacterChanged, "one character changed");
  ExpectCurrent(country, false, outcomes.wrongLength, "wrong length");
  ExpectCurrent(country, false, outcomes.badFormat, "bad format");
}

// Texts only the current set accepts: the classic one refuses them.
void ExpectNewInCurrentSet(std::string_view country, const Texts& texts) {
  for (std::string_view text : texts) {
    EXPECT_FALSE(Judge(country, text, RuleSet::Classic)) << country << " \"" << text << "\"";
    EXPECT_TRUE(Judge(country, text, RuleSet::Current)) << country << " \"" << text << "\"";
  }
}

TEST(CurrentBelgianNumber, TakesTheLeadingZeroOfNineDigitNumbers) {
  ExpectOutcomes("BE", {.valid = {"403170701", "0403170701", "0403.170.701", "0403 170 701"},
                        .oneCharacterChanged = {"403170702", "0403170711"},
                        .wrongLength = {"40317070", "04031707011"},
                        // after the zero, a second digit of 1 (0134567011 has a right check)
                        .badFormat = {"40317070A", "134567011", "1403170701"}});
  ExpectNewInCurrentSet("BE", {"403170701"});
}

TEST(CurrentGreekNumber, TakesTheLeadingZeroOfEightDigitNumbers) {
  ExpectOutcomes("EL", {.valid = {"094259216", "94259216", "094 259 216"},
                        .oneCharacterChanged = {"94259217", "094259226"},
                        .wrongLength = {"9425921", "0942592160"},
                        .badFormat = {"9425921A", "00000000"}});
  ExpectNewInCurrentSet("EL", {"94259216"});
}

TEST(CurrentBritishNumber, AddsThe9755CheckAndTheLongGovernmentForms) {
  // 999999973 is HMRC's sample number (classic check); 100000034 has the 9755 remainder 42.
  ExpectOutcomes("GB", {.valid = {"999999973", "100000034", "100000034001", "100 0000 34",
                                  "GD888800101", "HA888856479", "gd888849914", "GD001"},
                        .oneCharacterChanged = {"100000035", "200000027", "GD888800102",
                                                "HA888856478"},
                        .wrongLength = {"10000003", "1000000340", "GD88880010", "GD8888001011"},
                        // 9755 with a leading zero; GD 500 and HA 499 out of range; not 8888
                        .badFormat = {"001000036", "GD888850015", "HA888849914", "GD888700101",
                                      "GX888800101", "GD8888001A1"}});
  ExpectNewInCurrentSet("GB", {"100000034", "GD888800101", "HA888856479"});
}

TEST(CurrentIrishNumber, AddsTheNineCharacterFormOf2013) {
  // 6433435F and 6433435OA are Revenue's examples; the second letter weighs 9 × its value.
  ExpectOutcomes("IE", {.valid = {"1234567FA", "6433435OA", "6433435IH", "1234567TW",
                                  "6433435F", "1234567fa", "7A12345J"},
                        .oneCharacterChanged = {"1234568FA", "6433435PA", "1234567FB"},
                        .wrongLength = {"123456FA", "12345678FA"},
                        .badFormat = {"1234567FJ", "1234567F1", "0000000WW", "1234567AF"}});
  ExpectNewInCurrentSet("IE", {"1234567FA", "6433435OA"});
}

TEST(CurrentItalianNumber, AcceptsOfficeCode999) {
  ExpectOutcomes("IT", {.valid = {"00743119992", "12345679992", "00743110157"},
                        .oneCharacterChanged = {"00743119993", "00743119982"},
                        .wrongLength = {"0074311999", "007431199920"},
                        .badFormat = {"0074311999A", "00000000000"}});
  ExpectNewInCurrentSet("IT", {"00743119992"});
}

TEST(CurrentDutchNumber, AddsTheSoleTraderNumberAndShortFirstParts) {
  // 000099998B57 is the Belastingdienst's example of the mod 97-10 number; 000000000B73
  // passes mod 97-10 but has no number in it.
  ExpectOutcomes("NL", {.valid = {"000099998B57", "99998B57", "000099998b57", "4495445B01",
                                  "004495445B01", "0044.95.445.B01"},
                        .oneCharacterChanged = {"000099998B58", "000099989B57", "4495446B01"},
                        .wrongLength = {"0000999980B57", "B57", "000099998B5"},
                        .badFormat = {"000099998X57", "000099998B5A", "000000000B73",
                                      "4495445B00"}});
  ExpectNewInCurrentSet("NL", {"000099998B57", "4495445B01"});
}

TEST(CurrentRomanianNumber, AddsThePersonalNumericCode) {
  // 1800101221144: a man born 1 January 1980 in county 22; 29 February exists in 2000 only.
  ExpectOutcomes("RO", {.valid = {"1630615123457", "1800101221144", "5000229123453",
                                  "7000229123457", "185472903", "18601"},
                        .oneCharacterChanged = {"1630615123458", "1800101221145"},
                        .wrongLength = {"163061512345", "16306151234570"},
                        // month 13, first digit 0, 29 February 1900, a letter
                        .badFormat = {"1631315123457", "0630615123455", "1000229123456",
                                      "163061512345A"}});
  ExpectNewInCurrentSet("RO", {"1630615123457", "5000229123453"});
}

TEST(CurrentRuleSet, ReadsLowerCaseAndSeparatorsInEveryCountry) {
  ExpectNewInCurrentSet("AT", {"u12345675", "U 1234 5675"});
  ExpectNewInCurrentSet("CY", {"10259033p"});
  ExpectNewInCurrentSet("FR", {"al123456789", "32 123 456 789"});
  ExpectNewInCurrentSet("PT", {"123 456 789", "123-456-789", "123.456.789"});
  ExpectNewInCurrentSet("ES", {"A-5802.7491", "12345678-z"});
}

TEST(CurrentRuleSet, RefusesBlanksAndSeparatorsTheClassicSetCountedAsZeros) {
  // Classic reads the blank and the grouping dot as 0 digits; current removes them, leaving
  // eight digits, and pads only BE, EL and NL.
  for (std::string_view text : {" 23456787", "1.3456783"}) {
    EXPECT_TRUE(Judge("PT", text, RuleSet::Classic)) << text;
    EXPECT_FALSE(Judge("PT", text, RuleSet::Current)) << text;
  }
}

// Random digit and letter strings of every length a rule takes: whatever the classic set
// accepts, the current set accepts too (the texts need no normalising).
TEST(CurrentRuleSet, AcceptsEverythingTheClassicSetAcceptsOnPlainText) {
  std::mt19937 random(29);
  int classicValid = 0;
  for (int index = 0; index < kEuCountryCount; ++index) {
    for (int n = 0; n < 20000; ++n) {
      std::string text(5 + random() % 9, '0');
      for (char& c : text) c = static_cast<char>(random() % 8 ? '0' + random() % 10 : 'A' + random() % 26);
      if (!ValidateTaxNumber(text, index, Locale::Portuguese(), RuleSet::Classic)) continue;
      ++classicValid;
      EXPECT_TRUE(ValidateTaxNumber(text, index, Locale::Portuguese(), RuleSet::Current))
          << EuCountryCode(index) << " \"" << text << "\"";
    }
  }
  EXPECT_GT(classicValid, 1000);
}

TEST(CurrentRuleSet, LeavesCodesOutsideTheEuListValid) {
  EXPECT_TRUE(ValidateTaxNumber("anything", -1, Locale::Portuguese(), RuleSet::Current));
  EXPECT_TRUE(ValidateTaxNumber("anything", 27, Locale::Portuguese(), RuleSet::Current));
}

TEST(RuleSetName, ParsesTheNamesTheSettingsAndTheCommandLineUse) {
  EXPECT_EQ(ParseRuleSet("classic"), RuleSet::Classic);
  EXPECT_EQ(ParseRuleSet(" Current "), RuleSet::Current);
  EXPECT_EQ(ParseRuleSet("CURRENT"), RuleSet::Current);
  EXPECT_EQ(ParseRuleSet("atual"), std::nullopt);
  EXPECT_EQ(ParseRuleSet(""), std::nullopt);
  EXPECT_EQ(RuleSetName(RuleSet::Current), "current");
  EXPECT_EQ(RuleSetName(RuleSet::Classic), "classic");
}

TEST(NormaliseWrittenNumber, DropsSeparatorsAndUpperCasesAsciiLetters) {
  EXPECT_EQ(NormaliseWrittenNumber(" nl 0044.95.445-b01\t"), "NL004495445B01");
  EXPECT_EQ(NormaliseWrittenNumber("é/1"), "é/1");
  EXPECT_EQ(NormaliseWrittenNumber(""), "");
}

// TaxText copies a short text of digits and capitals as it is, normalises other short ASCII
// texts while copying and decodes the rest; each way must give what NormaliseWrittenNumber gives.
TEST(NormaliseWrittenNumber, GivesWhatTaxTextReadsAsWritten) {
  const Locale& locale = Locale::Portuguese();
  const std::string digits32(32, '7');
  const std::string digits33(33, '7');
  const std::string lowerCase32 = std::string(31, '7') + "b";
  const std::string grouped30 = "7777777777 7777777777 7777777777";
  const std::string longText = "0044 9544 5b01 " + std::string(30, '7') + "-x";
  const std::string_view texts[] = {
      "004495445B01",  // already normal
      "1234567T+",     // ASCII kept as it is but not a digit or a capital
      " nl 0044.95.445-b01\t", "é-1", "É1", digits32, digits33, lowerCase32, grouped30, longText,
      "",
  };
  for (std::string_view text : texts) {
    const TaxText written(text, locale, TaxText::AsWritten{});
    const TaxText normalised(NormaliseWrittenNumber(text), locale);
    EXPECT_EQ(written.Chars(), normalised.Chars()) << text;
  }
}

}  // namespace
}  // namespace qorvexctl
