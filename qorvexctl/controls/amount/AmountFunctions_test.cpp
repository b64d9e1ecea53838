#include "qorvexctl/controls/amount/AmountFunctions.h"

#include <gtest/gtest.h>

namespace qorvexctl {
namespace {

struct RoundCase {
  double value;
  int decimals;
  double halfAway;
  double tiesEven;
};

TEST(AmountFunctions, TheTwoRoundingsKeepTheirOwnTies) {
  const RoundCase cases[] = {
      {0.125, 2, 0.13, 0.12},
      {-0.125, 2, -0.13, -0.12},
      {2.5, 0, 3, 2},
      {-2.5, 0, -3, -2},
      {1.005, 2, 1.01, 1.0},
      {0.0049, 2, 0, 0},
      {1234.565, 2, 1234.57, 1234.56},
      {1234, -2, 1200, 1200},
      {12.345678, 4, 12.3457, 12.3457},
      {0, 2, 0, 0},
      {-0.004, 2, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(RoundHalfAway(c.value, c.decimals), c.halfAway)
        << c.value << " at " << c.decimals;
    EXPECT_DOUBLE_EQ(RoundTiesEven(c.value, c.decimals), c.tiesEven)
        << c.value << " at " << c.decimals;
  }
}

TEST(AmountFunctions, RoundHalfAwayAnswersARepeatedCallFromItsMemo) {
  EXPECT_DOUBLE_EQ(RoundHalfAway(2.675, 2), 2.68);
  EXPECT_DOUBLE_EQ(RoundHalfAway(2.675, 2), 2.68);
  EXPECT_DOUBLE_EQ(RoundHalfAway(2.675, 1), 2.7);
  EXPECT_DOUBLE_EQ(RoundHalfAway(2.675, 2), 2.68);
}

TEST(AmountFunctions, RoundHalfAwayGivesZeroWhenTheDecimalProductOverflows) {
  EXPECT_DOUBLE_EQ(RoundHalfAway(1e27, 2), 0);
  EXPECT_DOUBLE_EQ(RoundHalfAway(5, 40), 0);
  EXPECT_DOUBLE_EQ(RoundHalfAway(1e20, 2), 1e20);
}

TEST(AmountFunctions, FormatsInTheLocaleWithTheEuroSignOnTheRight) {
  const Locale pt = Locale::Portuguese();
  const Locale us = Locale::UnitedStates();
  EXPECT_EQ(FormatEuroAmount(1234.5, pt), "1.234,50 €");
  EXPECT_EQ(FormatEuroAmount(1234.5, us), "1,234.50 €");
  EXPECT_EQ(FormatEuroAmount(-0.5, pt), "-0,50 €");
  EXPECT_EQ(FormatEuroAmount(1234567.125, pt), "1.234.567,13 €");
  EXPECT_EQ(FormatEuroAmount(Currency::FromRaw(12345), pt), "1,23 €");
  EXPECT_EQ(FormatEuroAmount("1.234,5", pt), "1.234,50 €");
  EXPECT_EQ(FormatEuroAmount(Variant(), pt), "");
  EXPECT_EQ(FormatEuroAmount(Variant::Null(), pt), "");
  EXPECT_EQ(FormatEuroAmount("abc", pt), "");
}

TEST(AmountFunctions, FormattingWithATotalAddsTheRoundedAmount) {
  Currency total = Currency::FromInteger(10);
  EXPECT_EQ(FormatEuroAmount(0.125, total, Locale::Portuguese()), "0,13 €");
  EXPECT_EQ(total, Currency::FromRaw(101300));
  EXPECT_EQ(FormatEuroAmount("x", total, Locale::Portuguese()), "");
  EXPECT_EQ(total, Currency::FromRaw(101300));
}

struct ParseCase {
  const char* text;
  std::int64_t raw;
};

TEST(AmountFunctions, ParsesTypedAmountsWhateverTheirStyle) {
  const ParseCase cases[] = {
      {"", 0},
      {"0", 0},
      {"7", 70000},
      {",", 0},
      {"1.234,56 €", 12345600},
      {"1,234.56", 12345600},
      {"1.234", 12340},  // a lone dot is a decimal point
      {"€ 123,50", 1235000},
      {"12,5%", 125000},
      {"-12,5", -125000},
      {"12-,00", 120000},  // a minus after the digits is not read
      {"1,2,3", 12000},
      {"0,12345", 1234},  // ties to even at four decimals: 0.12345 is below the tie in binary
      {"abc", 0},
      {"1e3", 10000000},
      {"&H10", 160000},
      {"99999999999999999999999", 0},  // beyond the amount range
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseEuroAmount(c.text).Raw(), c.raw) << '"' << c.text << '"';
  }
}

TEST(AmountFunctions, ReadsTheLeadingNumberLikeTheClassicVal) {
  EXPECT_EQ(ReadLeadingNumber(" 1 2\t3"), 123);
  EXPECT_EQ(ReadLeadingNumber("-.5x"), -0.5);
  EXPECT_EQ(ReadLeadingNumber("1.5.6"), 1.5);
  EXPECT_EQ(ReadLeadingNumber("2d2"), 200);
  EXPECT_EQ(ReadLeadingNumber("3e"), 3);
  EXPECT_EQ(ReadLeadingNumber("--5"), 0);
  EXPECT_EQ(ReadLeadingNumber("&HFFFF"), -1);
  EXPECT_EQ(ReadLeadingNumber("&O17"), 15);
  EXPECT_EQ(ReadLeadingNumber("1e999"), std::nullopt);
}

TEST(AmountFunctions, WritesNumbersPlainly) {
  EXPECT_EQ(ShortestNumberText(0.13), "0.13");
  EXPECT_EQ(ShortestNumberText(-0.0), "0");
  EXPECT_EQ(ShortestNumberText(1200), "1200");
  EXPECT_EQ(PlainAmountText(Currency::FromRaw(12345000)), "1234.5");
  EXPECT_EQ(PlainAmountText(Currency::FromRaw(-1250)), "-0.125");
  EXPECT_EQ(PlainAmountText(Currency{}), "0");
}

}  // namespace
}  // namespace qorvexctl
