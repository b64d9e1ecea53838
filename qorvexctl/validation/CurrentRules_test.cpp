// The current rule set: per changed country, the published example numbers and the same with
// one digit changed, grouped by the verdicts of the two sets; then what the current set reads
// differently from the classic one in every country.
//
// Beside each row its source: "python-stdnum's documented example (module)" is a number given
// in the documentation of that module of python-stdnum (Debian's python3-stdnum), none of which
// names an administration; "constructed" is a number built to the rule where no published
// example of the form is at hand (docs/validation.md lists which).

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

void ExpectVerdicts(std::string_view country, const Texts& texts, bool classic, bool current,
                    std::string_view group) {
  for (std::string_view text : texts) {
    EXPECT_EQ(Judge(country, text, RuleSet::Classic), classic)
        << country << " \"" << text << "\" classic (" << group << ")";
    EXPECT_EQ(Judge(country, text, RuleSet::Current), current)
        << country << " \"" << text << "\" current (" << group << ")";
  }
}

// A changed country's table, grouped by outcome.
struct Outcomes {
  Texts acceptedByBoth;
  Texts acceptedOnlyByCurrent;
  Texts refusedByBoth;
};

void ExpectOutcomes(std::string_view country, const Outcomes& outcomes) {
  ExpectVerdicts(country, outcomes.acceptedByBoth, true, true, "accepted by both");
  ExpectVerdicts(country, outcomes.acceptedOnlyByCurrent, false, true, "accepted only by current");
  ExpectVerdicts(country, outcomes.refusedByBoth, false, false, "refused by both");
}

// Texts only the current set accepts: the classic one refuses them.
void ExpectNewInCurrentSet(std::string_view country, const Texts& texts) {
  ExpectVerdicts(country, texts, false, true, "new in the current set");
}

// The comment beside each row names its source.
// clang-format off
TEST(CurrentBelgianNumber, TakesTheLeadingZeroOfNineDigitNumbers) {
  ExpectOutcomes("BE", {
    .acceptedByBoth = {
      "0428759497", "0403019261",  // python-stdnum's documented example (be.vat), with the zero
      "0697449992",  // python-stdnum's documented example (eu.vat), with the zero
    },
    .acceptedOnlyByCurrent = {
      "428759497", "403019261",  // python-stdnum's documented example (be.vat)
      "697449992",  // python-stdnum's documented example (eu.vat)
      "0428.759.497", "0428 759 497",  // the first, written in groups
    },
    .refusedByBoth = {
      "428759498", "0428759487", "403019262", "697449993",  // one digit changed
      "431150351",  // python-stdnum's documented example (be.vat) of a wrong check
      "42875949", "04287594971",  // a digit dropped, a digit added
      "42875949A",  // a letter
      "134567011",  // constructed: a right check, but a 1 after the 0
      "1403170701",  // constructed: ten digits, no leading zero
    },
  });
}

TEST(CurrentGreekNumber, TakesTheLeadingZeroOfEightDigitNumbers) {
  ExpectOutcomes("EL", {
    .acceptedByBoth = {"094259216"},  // python-stdnum's documented example (gr.vat)
    .acceptedOnlyByCurrent = {
      "94259216",  // the same without its leading zero
      "094 259 216",  // the same in groups
    },
    .refusedByBoth = {
      "094259217", "094259226", "94259227",  // one digit changed
      "123456781",  // python-stdnum's documented example (gr.vat) of a wrong check
      // python-stdnum's documented example (gr.vat) of the 8-digit writing; its check fails
      "23456783",
      "9425921", "0942592160",  // a digit dropped, a digit added
      "9425921A",  // a letter
      "00000000",  // constructed: all zeros
    },
  });
}

TEST(CurrentBritishNumber, AddsThe9755CheckAndTheLongGovernmentForms) {
  ExpectOutcomes("GB", {
    .acceptedByBoth = {
      "980780684",  // python-stdnum's documented example (gb.vat)
      "999999973",  // cited as HMRC's sample number; no publication at hand
      "GD001",  // constructed: the five-character government form
    },
    .acceptedOnlyByCurrent = {
      "980 7806 84",  // python-stdnum's documented example (gb.vat), as written there
      // constructed, the 9755 check (no published example at hand): 8 + 34 + 55 = 97; the same
      // with branch 001; in groups; 16 + 26 + 55 = 97
      "100000034", "100000034001", "100 0000 34", "200000026",
      // constructed: the 11-character government and health-authority forms
      "GD888800101", "HA888856479", "gd888849914",
    },
    .refusedByBoth = {
      "980780685", "980780694",  // one digit changed
      "802311781",  // python-stdnum's documented example (gb.vat) of a wrong check
      "98078068", "980 7806 8",  // a digit dropped
      "100000035", "200000027", "GD888800102", "HA888856478",  // constructed, one changed
      // constructed: 8 and 10 digits, 10 and 12 characters
      "10000003", "1000000340", "GD88880010", "GD8888001011",
      // constructed: 9755 with a leading zero; GD 500 and HA 499 out of range; not 8888;
      // neither GD nor HA; a letter in the pair
      "001000036", "GD888850015", "HA888849914", "GD888700101", "GX888800101", "GD8888001A1",
    },
  });
}

TEST(CurrentIrishNumber, AddsTheNineCharacterFormOf2013) {
  // The second letter weighs 9 times its value: "W" 0, "A" 1 ... "I" 9.
  ExpectOutcomes("IE", {
    .acceptedByBoth = {
      "6433435F",  // python-stdnum's documented example (ie.vat), pre-2013 format
      "8D79739I",  // python-stdnum's documented example (ie.vat), old style
    },
    .acceptedOnlyByCurrent = {
      "6433435OA",  // python-stdnum's documented example (ie.vat, ie.pps), 2013 format
      "6433435IH",  // python-stdnum's documented example (ie.pps), 2013 format
      "6433435FW",  // python-stdnum's documented example (ie.pps), pre-2013, married women
      "6433435oa",  // the first, in lower case
    },
    .refusedByBoth = {
      "6433436F", "6433436OA", "6433445IH", "8D79738I",  // one digit changed
      "6433435E",  // python-stdnum's documented example (ie.vat) of a wrong check
      "6433435VH",  // python-stdnum's documented example (ie.pps) of a wrong check
      "8?79739J",  // python-stdnum's documented example (ie.vat) of a bad old style
      // python-stdnum's documented example (ie.pps), valid there: a personal number with the
      // pre-2013 final "T", which is no VAT number (ie.vat refuses it too)
      "6433435FT",
      "643343OA", "64334355OA",  // a digit dropped, a digit added
      // constructed: "J" is no second letter; a digit there; the letters swapped; seven zeros
      // (the check letter "W" is right)
      "6433435OJ", "6433435O1", "6433435AO", "0000000WW",
    },
  });
}

TEST(CurrentItalianNumber, AcceptsOfficeCode999) {
  ExpectOutcomes("IT", {
    .acceptedByBoth = {"00743110157"},  // python-stdnum's documented example (it.iva)
    .acceptedOnlyByCurrent = {
      "00743119992", "12345679992",  // constructed: no published number with office 999 at hand
    },
    .refusedByBoth = {
      "00743110158",  // python-stdnum's documented example (it.iva) of a wrong check
      "00743110147",  // one digit changed
      "00743119993", "00743119982",  // constructed, one digit changed
      "0074311015", "007431101570",  // a digit dropped, a digit added
      "0074311015A",  // a letter
      "00000000000",  // constructed: all zeros
    },
  });
}

TEST(CurrentDutchNumber, AddsTheSoleTraderNumberAndShortFirstParts) {
  ExpectOutcomes("NL", {
    .acceptedByBoth = {"004495445B01"},  // python-stdnum's documented example (nl.btw)
    .acceptedOnlyByCurrent = {
      "4495445B01",  // python-stdnum's documented example (nl.btw)
      "00449544B01",  // python-stdnum's documented example (eu.vat), recognised as Dutch
      "0044.95.445.B01",  // the first, in groups
      "002455799B11",  // python-stdnum's documented example (nl.btw), valid since 2020-01-01
      "2455799B11", "002455799b11",  // the same without its leading zeros, in lower case
      "000099998B57", "99998B57",  // a sample number in wide use; no publication at hand
    },
    .refusedByBoth = {
      "004495446B01", "4495446B01", "002455799B12", "002455798B11",  // one digit changed
      "123456789B90",  // python-stdnum's documented example (nl.btw) of a wrong check
      "0024557990B11", "002455799B1", "B11",  // a digit added, a digit dropped, no number
      // constructed: not "B"; a letter in the pair; mod 97-10 holds but the number is all
      // zeros; pair 00
      "002455799X11", "002455799B1A", "000000000B73", "4495445B00",
    },
  });
}

TEST(CurrentRomanianNumber, AddsThePersonalNumericCode) {
  ExpectOutcomes("RO", {
    .acceptedByBoth = {
      "18547290",  // python-stdnum's documented example (ro.cf), a VAT CUI/CIF
      "185472903", "18601",  // constructed: 9 and 5 digits, padded before the check
    },
    .acceptedOnlyByCurrent = {
      "1630615123457",  // python-stdnum's documented example (ro.cnp, ro.cf), a CNP
      "185 472 90",  // python-stdnum's documented example (ro.cf), as written there
      // constructed: born 1 January 1980 in county 22; 29 February 2000 (first digits 5, 7)
      "1800101221144", "5000229123453", "7000229123457",
    },
    .refusedByBoth = {
      "1630615123458",  // python-stdnum's documented example (ro.cnp) of a wrong check
      "1630615123447", "18547291", "18547280",  // one digit changed
      "0800101221142",  // python-stdnum's documented example (ro.cnp) of a wrong first digit
      "1632215123457",  // python-stdnum's documented example (ro.cnp) of a wrong date
      "163061512345", "16306151234570",  // a digit dropped, a digit added
      // constructed: month 13; first digit 0; 29 February 1900; a letter
      "1631315123457", "0630615123455", "1000229123456", "163061512345A",
    },
  });
}
// clang-format on

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
      for (char& c : text)
        c = static_cast<char>(random() % 8 ? '0' + random() % 10 : 'A' + random() % 26);
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
      " nl 0044.95.445-b01\t",
      "é-1",
      "É1",
      digits32,
      digits33,
      lowerCase32,
      grouped30,
      longText,
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
