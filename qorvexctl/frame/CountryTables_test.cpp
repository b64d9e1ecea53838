#include "qorvexctl/frame/CountryTables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/validation/TaxNumber.h"

namespace qorvexctl {
namespace {

TEST(CountryTables, FlagCellsFollowTheStripOrder) {
  EXPECT_EQ(FlagCellIndex("AF"), 0);
  EXPECT_EQ(FlagCellIndex("PT"), 179);
  EXPECT_EQ(FlagCellPixelOrigin(179).x, 19 * 16);
  EXPECT_EQ(FlagCellPixelOrigin(179).y, 5 * 16);
  EXPECT_EQ(FlagCellIndex("GR"), 80);
}

TEST(CountryTables, TheFirstOfTwoSudanCellsIsUsed) {
  EXPECT_EQ(FlagCellIndex("SD"), 207);
  EXPECT_EQ(CountryFlagCodes.substr(247 * 3, 2), "SD");
}

TEST(CountryTables, CodesOutsideTheStripHaveNoCell) {
  EXPECT_EQ(FlagCellIndex("EL"), std::nullopt);
  EXPECT_EQ(FlagCellIndex("XX"), std::nullopt);
  EXPECT_EQ(FlagCellIndex("pt"), std::nullopt);  // codes are compared exactly
}

TEST(CountryTables, TheStripHolds248CellsWithOneDuplicate) {
  const auto codes = Split(CountryFlagCodes, ";");
  EXPECT_EQ(codes.size(), 248u);
  EXPECT_EQ(std::set<std::string>(codes.begin(), codes.end()).size(), 247u);
  const auto last = FlagCellPixelOrigin(247);
  EXPECT_EQ(last.x, 23 * 16);
  EXPECT_EQ(last.y, (kFlagStripRows - 1) * kFlagCellSize);
}

TEST(CountryTables, PortugalFirstListHoldsTheEuMembersOnce) {
  const auto codes = Split(EuCountryCodesPortugalFirst, ",");
  EXPECT_EQ(codes.size(), 27u);
  EXPECT_EQ(codes.front(), "PT");
  EXPECT_EQ(std::set<std::string>(codes.begin(), codes.end()).size(), 27u);
  const auto alphabetical = Split(EuCountryCodes(), ",");
  EXPECT_EQ(std::set<std::string>(codes.begin(), codes.end()),
            std::set<std::string>(alphabetical.begin(), alphabetical.end()));
}

}  // namespace
}  // namespace qorvexctl
