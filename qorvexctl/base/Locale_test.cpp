#include "qorvexctl/base/Locale.h"

#include <gtest/gtest.h>

namespace qorvexctl {
namespace {

struct NumericCase {
  const char* text;
  bool numeric;
};

void ExpectNumeric(const Locale& locale, std::initializer_list<NumericCase> cases) {
  for (const auto& c : cases) {
    EXPECT_EQ(locale.IsNumeric(std::string_view(c.text)), c.numeric)
        << locale.Name() << " \"" << c.text << "\"";
  }
}

TEST(Locale, PortugueseIsTheDefaultForAnyOtherName) {
  EXPECT_EQ(Locale::FromName("").Name(), "pt-PT");
  EXPECT_EQ(Locale::FromName("fr-FR").Name(), "pt-PT");
  EXPECT_EQ(Locale::FromName("en-US").Name(), "en-US");
  EXPECT_EQ(Locale::FromName("en_US.UTF-8").Name(), "en-US");
  const Locale pt = Locale::Portuguese();
  EXPECT_EQ(pt.DecimalSeparator(), ',');
  EXPECT_EQ(pt.GroupingSeparator(), '.');
  const Locale us = Locale::UnitedStates();
  EXPECT_EQ(us.DecimalSeparator(), '.');
  EXPECT_EQ(us.GroupingSeparator(), ',');
}

TEST(Locale, NumericTestAcceptsTheLenientForms) {
  const std::initializer_list<NumericCase> common = {
      {"0", true},   {"123", true},   {"  42  ", true}, {"+7", true},  {"-7", true},
      {"1e5", true}, {"1E+05", true}, {"2e-3", true},   {"007", true}, {" -1e2 ", true}};
  ExpectNumeric(Locale::Portuguese(), common);
  ExpectNumeric(Locale::UnitedStates(), common);
  ExpectNumeric(Locale::Portuguese(), {{"1,5", true},
                                       {",5", true},
                                       {"5,", true},
                                       {"1.234,5", true},
                                       {"1.2.3", true},
                                       {"1..2", true}});
  ExpectNumeric(Locale::UnitedStates(),
                {{"1.5", true}, {".5", true}, {"5.", true}, {"1,234.5", true}, {"1,2,3", true}});
}

TEST(Locale, NumericTestRejectsEverythingElse) {
  const std::initializer_list<NumericCase> common = {
      {"", false},    {" ", false},   {"+", false},   {"-", false},    {"1e", false},
      {"1e+", false}, {"e5", false},  {"1 2", false}, {"1-", false},   {"--1", false},
      {"+-1", false}, {"- 1", false}, {"12a", false}, {"U123", false}, {"1e999", false},
      {"\t1", false}, {"１", false},  {"1d5", false}};
  ExpectNumeric(Locale::Portuguese(), common);
  ExpectNumeric(Locale::UnitedStates(), common);
  // The other locale's separators, a grouping separator first or after the decimal one.
  ExpectNumeric(Locale::Portuguese(),
                {{"1,2,3", false}, {".5", false}, {"1,5.3", false}, {",", false}});
  ExpectNumeric(Locale::UnitedStates(),
                {{"1.2.3", false}, {",5", false}, {"1.5,3", false}, {".", false}});
}

TEST(Locale, NumericTestTakesTinyValuesAsZero) {
  EXPECT_TRUE(Locale::Portuguese().IsNumeric(std::string_view("1e-999")));
  EXPECT_EQ(Locale::Portuguese().ToNumber("1e-999"), 0.0);
}

TEST(Locale, ToNumberReadsTheLocaleSeparators) {
  EXPECT_EQ(Locale::Portuguese().ToNumber(" 1.234,5 "), 1234.5);
  EXPECT_EQ(Locale::UnitedStates().ToNumber("1,234.5"), 1234.5);
  EXPECT_EQ(Locale::Portuguese().ToNumber("-2,5e2"), -250.0);
  EXPECT_EQ(Locale::UnitedStates().ToNumber("1,5"), 15.0);
  EXPECT_FALSE(Locale::Portuguese().ToNumber("abc").has_value());
  EXPECT_FALSE(Locale::Portuguese().ToNumber("").has_value());
}

TEST(Locale, GeneralFormatUsesFifteenDigitsAndTheDecimalSeparator) {
  const Locale pt = Locale::Portuguese();
  const Locale us = Locale::UnitedStates();
  EXPECT_EQ(pt.FormatGeneral(1234.5), "1234,5");
  EXPECT_EQ(us.FormatGeneral(1234.5), "1234.5");
  EXPECT_EQ(pt.FormatGeneral(0), "0");
  EXPECT_EQ(pt.FormatGeneral(-0.0), "0");
  EXPECT_EQ(pt.FormatGeneral(-3), "-3");
  EXPECT_EQ(us.FormatGeneral(0.1 + 0.2), "0.3");
  EXPECT_EQ(us.FormatGeneral(123456789012345.0), "123456789012345");
  EXPECT_EQ(us.FormatGeneral(1e15), "1E+15");
  EXPECT_EQ(us.FormatGeneral(0.0001), "0.0001");
  EXPECT_EQ(pt.FormatGeneral(0.000015), "1,5E-05");
}

TEST(Locale, PatternsPadGroupAndRoundHalfAwayFromZero) {
  const Locale pt = Locale::Portuguese();
  const Locale us = Locale::UnitedStates();
  EXPECT_EQ(pt.Format(1234.5, "###,##0.00"), "1.234,50");
  EXPECT_EQ(us.Format(1234.5, "###,##0.00"), "1,234.50");
  EXPECT_EQ(pt.Format(1234567.891, "###,##0.00"), "1.234.567,89");
  EXPECT_EQ(pt.Format(-1234.5, "###,##0.00"), "-1.234,50");
  EXPECT_EQ(pt.Format(0, "###,##0.00"), "0,00");
  EXPECT_EQ(pt.Format(1, "00"), "01");
  EXPECT_EQ(pt.Format(98, "00"), "98");
  EXPECT_EQ(pt.Format(5, "000"), "005");
  EXPECT_EQ(pt.Format(1234, "000"), "1234");
  EXPECT_EQ(pt.Format(2.675, "0.00"), "2,68");
  EXPECT_EQ(us.Format(0.125, "0.00"), "0.13");
  EXPECT_EQ(us.Format(-0.125, "0.00"), "-0.13");
  EXPECT_EQ(us.Format(9.995, "0.00"), "10.00");
  EXPECT_EQ(us.Format(999.5, "#,##0"), "1,000");
  EXPECT_EQ(us.Format(-0.001, "0.00"), "0.00");
  EXPECT_EQ(us.Format(0.5, "#.##"), ".5");
  EXPECT_EQ(us.Format(1, "0.##"), "1.");
  EXPECT_EQ(pt.Format(12.5, "0.00 €"), "12,50 €");
  EXPECT_EQ(pt.Format(-5, "€ 0"), "-€ 5");
  EXPECT_EQ(us.Format(1e20, "#,##0"), "100,000,000,000,000,000,000");
}

TEST(Locale, CalendarDatesFollowTheGregorianCalendar) {
  EXPECT_TRUE(IsCalendarDate(2000, 2, 29));
  EXPECT_FALSE(IsCalendarDate(1900, 2, 29));
  EXPECT_TRUE(IsCalendarDate(2024, 2, 29));
  EXPECT_FALSE(IsCalendarDate(2023, 2, 29));
  EXPECT_TRUE(IsCalendarDate(1999, 12, 31));
  EXPECT_FALSE(IsCalendarDate(1999, 4, 31));
  EXPECT_FALSE(IsCalendarDate(1999, 0, 1));
  EXPECT_FALSE(IsCalendarDate(1999, 13, 1));
  EXPECT_FALSE(IsCalendarDate(1999, 1, 0));
  EXPECT_FALSE(IsCalendarDate(99, 1, 1));
  EXPECT_TRUE(IsCalendarDate(1800, 1, 1));
}

}  // namespace
}  // namespace qorvexctl
