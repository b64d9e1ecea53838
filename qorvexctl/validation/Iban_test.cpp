#include "qorvexctl/validation/Iban.h"

#include <gtest/gtest.h>

#include <string>

#include "qorvexctl/validation/NibCheckDigits.h"

namespace qorvexctl {
namespace {

// The example account of Portugal in the IBAN registry and the ECBS country table:
// bank 0002, branch 0123, account 12345678901, NIB check 54, IBAN check 50.
constexpr char kRegistryNib[] = "000201231234567890154";
constexpr char kRegistryIban[] = "PT50000201231234567890154";
constexpr char kRegistryIbanPrinted[] = "PT50 0002 0123 1234 5678 9015 4";

TEST(Iban, ComputesTheRegistryExampleOfPortugalFromItsNib) {
  EXPECT_EQ(IbanCheckDigits("PT", kRegistryNib), "50");
  EXPECT_EQ(PortugueseIban(kRegistryNib), kRegistryIban);
}

TEST(Iban, ComputesTheCheckDigitsOfOtherCountriesRegistryExamples) {
  // Letters in the BBAN count 10 to 35, as in the country code.
  EXPECT_EQ(IbanCheckDigits("DE", "370400440532013000"), "89");
  EXPECT_EQ(IbanCheckDigits("GB", "NWBK60161331926819"), "29");
  EXPECT_EQ(IbanCheckDigits("FR", "20041010050500013M02606"), "14");
  EXPECT_EQ(IbanCheckDigits("PT", "0002-0123"), "");
}

// Example IBANs banks publish in their SEPA guides, besides the registry's.
constexpr const char* kPublishedIbans[] = {"PT50 0027 0000 0001 2345 6783 3",
                                           "PT50003300004535281288505"};

TEST(Iban, AcceptsAPortugueseIbanInElectronicAndPrintForms) {
  for (const char* text : {kRegistryIban, kRegistryIbanPrinted, "pt50000201231234567890154",
                           kPublishedIbans[0], kPublishedIbans[1]}) {
    SCOPED_TRACE(text);
    EXPECT_TRUE(HasValidIbanCheck(text));
    EXPECT_TRUE(IsValidPortugueseIban(text));
  }
}

TEST(Iban, RefusesPortugueseIbansWithAFault) {
  // The NIB with wrong check digits, under the IBAN check digits that fit it: the ISO check
  // holds, the NIB check inside does not.
  const std::string wrongNib = "000201231234567890155";
  const std::string isoOnly = "PT" + IbanCheckDigits("PT", wrongNib) + wrongNib;
  ASSERT_TRUE(HasValidIbanCheck(isoOnly));
  const struct {
    std::string text;
    const char* fault;
  } cases[] = {
      {"PT51000201231234567890154", "IBAN check digits"},
      {"PT50000201231234567809154", "two account digits swapped"},
      {isoOnly, "NIB check digits"},
      {"PT5000020123123456789015", "24 characters"},
      {"PT500002012312345678901545", "26 characters"},
      {"PT50000201231234567890l54", "a letter in the NIB"},
      {"DE89370400440532013000", "another country"},
      {"", "empty"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fault);
    EXPECT_FALSE(IsValidPortugueseIban(c.text));
  }
  EXPECT_TRUE(HasValidIbanCheck("DE89370400440532013000"));
  EXPECT_FALSE(HasValidIbanCheck("DE88370400440532013000"));
  EXPECT_FALSE(HasValidIbanCheck("12"));
}

TEST(Iban, GivesNoIbanForANibThatIsNotValid) {
  EXPECT_EQ(PortugueseIban("000201231234567890155"), "");
  EXPECT_EQ(PortugueseIban("00020123123456789015"), "");
  EXPECT_EQ(PortugueseIban("0002012312345678901540"), "");
  // A letter counts as 0 in the NIB check, but an IBAN of Portugal holds digits only.
  EXPECT_TRUE(IsValidNib("A00201231234567890154"));
  EXPECT_EQ(PortugueseIban("A00201231234567890154"), "");
}

TEST(Iban, PortugueseCheckDigitsAreAlways50ForAValidNib) {
  // The NIB check is the same MOD 97-10 over the same digits, so "PT" + "50" completes it.
  for (const char* account : {"0035012300012345678", "0000000000000000000", "9999999999999999999",
                              "0033000045365412381"}) {
    SCOPED_TRACE(account);
    const std::string nib = std::string(account) + CalculateCheckDigits(account);
    EXPECT_EQ(PortugueseIban(nib).substr(0, 4), "PT50");
  }
}

TEST(Iban, TellsAnIbanFromANibByItsFirstTwoCharacters) {
  EXPECT_TRUE(LooksLikeIban("PT50"));
  EXPECT_TRUE(LooksLikeIban("pt"));
  EXPECT_FALSE(LooksLikeIban(kRegistryNib));
  EXPECT_FALSE(LooksLikeIban("P"));
}

}  // namespace
}  // namespace qorvexctl
