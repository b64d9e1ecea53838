#include "qorvexctl/base/Collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace qorvexctl {
namespace {

TEST(Collation, AccentedLettersSortBesideTheirBaseLetter) {
  std::vector<std::string> names{"Zimbabué", "Áustria", "Azerbaijão", "Arménia",
                                 "Émirados", "Estónia", "Chéquia",    "Çade"};
  std::sort(names.begin(), names.end(),
            [](const auto& a, const auto& b) { return CompareForSorting(a, b) < 0; });
  EXPECT_EQ(names, (std::vector<std::string>{"Arménia", "Áustria", "Azerbaijão", "Çade", "Chéquia",
                                             "Émirados", "Estónia", "Zimbabué"}));
}

TEST(Collation, CaseNeverMattersAndAccentsOnlyBreakTies) {
  EXPECT_EQ(CompareForSorting("PORTUGAL", "portugal"), 0);
  EXPECT_EQ(CompareForSorting("Ação", "AÇÃO"), 0);
  EXPECT_LT(CompareForSorting("Peru", "Perú"), 0);
  EXPECT_GT(CompareForSorting("Perú", "Peru"), 0);
  EXPECT_LT(CompareForSorting("Perú", "Perus"), 0);
  EXPECT_LT(CompareForSorting("Ab", "abc"), 0);
  EXPECT_EQ(CompareForSorting("", ""), 0);
}

TEST(Collation, BaseLettersOfLatinExtendedA) {
  EXPECT_EQ(SortingBaseLetter(U'Ł'), U'l');
  EXPECT_EQ(SortingBaseLetter(U'ž'), U'z');
  EXPECT_EQ(SortingBaseLetter(U'Ő'), U'o');
  EXPECT_EQ(SortingBaseLetter(U'×'), U'×');
  EXPECT_EQ(SortingBaseLetter(U'Ж'), U'ж');
}

}  // namespace
}  // namespace qorvexctl
