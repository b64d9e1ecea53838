#include "hostkit/DemoSeed.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "hostkit/SqliteDeclaration.h"
#include "hostkit/SqliteTaxpayerDirectory.h"
#include "qorvexctl/validation/PortugueseNIF.h"
#include "testsupport/TestData.h"

namespace qorvexctl::hostkit {
namespace {

class DemoSeedTest : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::filesystem::path folder = testsupport::MakeTempFolder("hostkit-seed");
};

TEST_F(DemoSeedTest, EveryTaxpayerHasAValidUniqueNumberAndAnAddress) {
  auto database = HostDatabase::Open(folder / "demo.sqlite");
  const DemoPopulation population = SeedDemoDatabase(database);
  EXPECT_EQ(population.taxpayers.size(), 38u);
  EXPECT_EQ(std::set(population.taxpayers.begin(), population.taxpayers.end()).size(), 38u);
  SqliteTaxpayerDirectory directory(database);
  for (const std::string& number : population.taxpayers) {
    SCOPED_TRACE(number);
    ASSERT_EQ(number.substr(0, 2), "PT");
    EXPECT_TRUE(ValidatePortugueseNIF(number.substr(2)));
    const auto fields = directory.Find(number).value();
    EXPECT_FALSE(fields[0].value.empty());  // nome
    EXPECT_EQ(fields[1].value.size(), 8u);  // codigopostal, NNNN-NNN
    EXPECT_FALSE(fields[2].value.empty());  // localidade
  }
}

TEST_F(DemoSeedTest, HouseholdFactsMatchTheirMembers) {
  auto database = HostDatabase::Open(folder / "demo.sqlite");
  const DemoPopulation population = SeedDemoDatabase(database);
  ASSERT_EQ(population.declarations.size(), 4u);
  std::shared_ptr<IRSDeclaration> couple =
      SqliteDeclaration::Open(database, population.declarations[0]);
  EXPECT_EQ(host::HouseholdItem(couple, "casado"), "1");
  EXPECT_EQ(host::HouseholdItem(couple, "dependentes"), "2");
  EXPECT_EQ(host::DependantCount(couple), 2);
  const std::string spouse = host::TaxpayerNumber(couple, "B");
  EXPECT_EQ(host::StoredValue(couple, spouse + ".nome"),
            SqliteTaxpayerDirectory(database).Find("PT" + spouse)->at(0).value);

  std::shared_ptr<IRSDeclaration> bereaved =
      SqliteDeclaration::Open(database, population.declarations[2]);
  EXPECT_EQ(host::HouseholdItem(bereaved, "obito"), "1");
  EXPECT_EQ(host::HouseholdItem(bereaved, "herancas"), "1");
  EXPECT_FALSE(host::TaxpayerNumber(bereaved, "H1").empty());
}

TEST_F(DemoSeedTest, SeedingIsRepeatableAndHappensOnce) {
  auto first = HostDatabase::Open(folder / "first.sqlite");
  auto second = HostDatabase::Open(folder / "second.sqlite");
  const DemoPopulation seeded = SeedDemoDatabase(first);
  EXPECT_EQ(SeedDemoDatabase(second).taxpayers, seeded.taxpayers);
  const DemoPopulation again = SeedDemoDatabase(first);
  EXPECT_EQ(again.taxpayers, seeded.taxpayers);
  EXPECT_EQ(again.declarations, seeded.declarations);
}

}  // namespace
}  // namespace qorvexctl::hostkit
