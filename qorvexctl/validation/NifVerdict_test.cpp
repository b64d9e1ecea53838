#include "qorvexctl/validation/NifVerdict.h"

#include <gtest/gtest.h>

namespace qorvexctl {
namespace {

// Counts the Validated events a verdict raises.
struct ValidatedCounter {
  int raised = 0;
  std::function<void()> Raise() {
    return [this] { ++raised; };
  }
};

TEST(NifVerdict, IsEmptyIgnoresSurroundingBlanks) {
  EXPECT_TRUE(IsEmpty(""));
  EXPECT_TRUE(IsEmpty("   "));
  EXPECT_FALSE(IsEmpty(" 1 "));
  EXPECT_FALSE(IsEmpty("\t"));  // only blanks are trimmed
}

TEST(NifVerdict, IsValidRaisesValidatedOnEveryCall) {
  ValidatedCounter counter;
  const Locale pt = Locale::Portuguese();
  EXPECT_TRUE(IsValid("123456789", "PT", pt, counter.Raise()));
  EXPECT_FALSE(IsValid("123456780", "PT", pt, counter.Raise()));
  EXPECT_TRUE(IsValid("whatever", "US", pt, counter.Raise()));
  EXPECT_EQ(counter.raised, 3);
}

TEST(NifVerdict, IsOkNeedsAValidNonEmptyNumberAndRaisesOnce) {
  ValidatedCounter counter;
  const Locale pt = Locale::Portuguese();
  EXPECT_TRUE(IsAccepted());
  EXPECT_TRUE(IsOK("123456789", "PT", pt, counter.Raise()));
  EXPECT_FALSE(IsOK("123456780", "PT", pt, counter.Raise()));
  // An empty field is never OK, not even for a country without a rule.
  EXPECT_FALSE(IsOK("", "US", pt, counter.Raise()));
  EXPECT_FALSE(IsOK("   ", "", pt, counter.Raise()));
  EXPECT_TRUE(IsOK("x", "US", pt, counter.Raise()));
  EXPECT_EQ(counter.raised, 5);
}

TEST(NifVerdict, WorksWithoutAValidatedHandler) {
  EXPECT_TRUE(IsOK("123456789", "PT", Locale::Portuguese(), nullptr));
}

TEST(NifVerdict, DescriptionIsTheNameOnceKnown) {
  EXPECT_EQ(Description("", "123456789"), "123456789");
  EXPECT_EQ(Description("Maria Silva", "123456789"), "Maria Silva");
}

}  // namespace
}  // namespace qorvexctl
