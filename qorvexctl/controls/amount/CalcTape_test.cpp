#include "qorvexctl/controls/amount/CalcTape.h"

#include <gtest/gtest.h>

namespace qorvexctl {
namespace {

const Locale kPt = Locale::Portuguese();
const Locale kUs = Locale::UnitedStates();

Currency Amount(double value) { return *Currency::FromDouble(value); }

TEST(CalcTape, ReadsDisplayTextsInTheSystemsNotation) {
  struct Case {
    const char* text;
    const Locale* locale;
    double expected;
  } cases[] = {
      {"1.234,5", &kPt, 1234.5},  {"1.234,50 €", &kPt, 1234.5}, {"10%", &kPt, 10},
      {" -5 ", &kPt, -5},         {"-", &kPt, 0},               {"Error   ", &kPt, 0},
      {"-,5", &kPt, -0.5},        {"12,5", &kUs, 12.5},         {"12.5", &kUs, 12.5},
      {"1.234,5", &kUs, 0},  // "1.234.5" is no number on a system with the decimal point
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " in " + std::string(c.locale->Name()));
    EXPECT_EQ(ParseCalcText(c.text, *c.locale), Amount(c.expected));
  }
}

TEST(CalcTape, WritesNumberAndEuroFormsWhateverTheSystem) {
  struct Case {
    double amount;
    const char* number;
    const char* euro;
  } cases[] = {
      {1234.5, "1.234,5", "1.234,50 €"},  {110, "110", "110,00 €"},
      {0.333, "0,333", "0,33 €"},         {-1234567.125, "-1.234.567,125", "-1.234.567,13 €"},
      {0, "0", "0,00 €"},                 {0.0005, "0,001", "0,00 €"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.amount);
    EXPECT_EQ(CalcNumberForm(Amount(c.amount)), c.number);
    EXPECT_EQ(CalcEuroForm(Amount(c.amount)), c.euro);
  }
  EXPECT_EQ(CalcAmountText(Amount(1234.5), kPt), "1234,5");
  EXPECT_EQ(CalcAmountText(Amount(1234.5), kUs), "1234.5");
}

TEST(CalcTape, RoundsAmountsTiesToEvenOnTheTenThousandths) {
  struct Case {
    std::int64_t raw;
    int decimals;
    std::int64_t rounded;
  } cases[] = {{3333, 3, 3330},       {1235, 3, 1240},       {1225, 3, 1220},
               {-1235, 3, -1240},     {-1225, 3, -1220},     {12715350, 2, 12715400},
               {12715250, 2, 12715200}, {-12715350, 2, -12715400}, {12345, 4, 12345}};
  for (const Case& c : cases) {
    EXPECT_EQ(RoundAmount(Currency::FromRaw(c.raw), c.decimals).Raw(), c.rounded) << c.raw;
  }
}

TEST(CalcTape, TypedCharactersFollowTheEntryRules) {
  struct Case {
    const char* entry;
    char32_t typed;
    const char* expected;  // nullptr: refused
  } cases[] = {
      {"0", U'5', "5"},          {"05", U'1', "51"},         {"-", U'5', "-5"},
      {"12", U',', "12,"},       {"12,", U',', nullptr},     {"12,5", U'6', "12,56"},
      {"012,5", U'6', "12,56"},  {"1,234", U'5', nullptr},   {"-,", U'5', "-,5"},
      {"12", U'%', "12%"},       {"12%", U'%', nullptr},     {"12%", U'3', nullptr},
      {"12%", U'<', "12"},       {"5", U'<', "0"},           {"12345678", U'9', "123456789"},
      {"123456789", U'1', nullptr}, {"123456789", U'<', nullptr}, {"1234567,8", U'<', nullptr},
      {"12", U'x', nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.entry) + " + " + std::to_string(static_cast<int>(c.typed)));
    const auto next = EnterCalcCharacter(c.entry, c.typed, kPt);
    if (c.expected) {
      ASSERT_TRUE(next.has_value());
      EXPECT_EQ(*next, c.expected);
    } else {
      EXPECT_FALSE(next.has_value());
    }
  }
}

TEST(CalcTape, AddsLinesAndEvaluatesLeftToRight) {
  struct Step {
    const char* op;
    const char* text;
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::string> lines;
    double total;
  } cases[] = {
      {"percentage of the running total",
       {{" ", "100"}, {"+", "10%"}},
       {" |100|100", "+|10|10%"},
       110},
      {"no precedence", {{" ", "2"}, {"+", "3"}, {"x", "4"}}, {" |2|2", "+|3|3", "x|4|4"}, 20},
      {"thirds rounded", {{" ", "1"}, {"÷", "3"}}, {" |1|1", "÷|3|3"}, 0.333},
      {"a first minus negates", {{"-", "5"}, {"+", "3"}}, {" |-5|5", "+|3|3"}, -2},
      {"a first line takes any operator", {{"x", "7"}}, {" |7|7"}, 7},
      {"a percentage of nothing adds nothing", {{" ", "10%"}, {" ", "4"}}, {" |4|4"}, 4},
      {"an unknown operator adds nothing", {{" ", "4"}, {"?", "1"}}, {" |4|4"}, 4},
      {"percentages keep three decimals",
       {{" ", "10"}, {"+", "3,333%"}},
       {" |10|10", "+|0,333|3,333%"},
       10.333},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CalcTape tape;
    for (const Step& step : c.steps) tape.Add(step.op, step.text, kPt);
    std::vector<std::string> lines;
    for (const CalcTapeLine& line : tape.Lines()) lines.push_back(line.Text());
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(tape.Total(kPt), Amount(c.total));
  }
}

TEST(CalcTape, AFailedStepEndsTheEvaluation) {
  CalcTape tape;
  tape.Add(" ", "10", kPt);
  tape.Add("÷", "0", kPt);
  EXPECT_FALSE(tape.Evaluate(kPt).has_value());
  EXPECT_EQ(tape.Total(kPt), Currency{});
  CalcTape huge;
  huge.Add(" ", "900000000", kPt);
  huge.Add("x", "900000000", kPt);
  EXPECT_FALSE(huge.Evaluate(kPt).has_value());
}

TEST(CalcTape, StoredLinesNeedExactlyThreeFields) {
  EXPECT_EQ(CalcTapeLine::FromText("+|10|10%")->typed, "10%");
  EXPECT_EQ(CalcTapeLine::FromText(" ||")->op, " ");
  EXPECT_FALSE(CalcTapeLine::FromText("+|10").has_value());
  EXPECT_FALSE(CalcTapeLine::FromText("+|10|10|x").has_value());
  CalcTape tape;
  tape.Append(*CalcTapeLine::FromText(" |50|50"));
  tape.Append(*CalcTapeLine::FromText("x|2|2"));
  EXPECT_EQ(tape.Joined(), " |50|50\r\nx|2|2");
  EXPECT_EQ(tape.Evaluate(kPt)->running, (std::vector<Currency>{Amount(50), Amount(100)}));
}

}  // namespace
}  // namespace qorvexctl
