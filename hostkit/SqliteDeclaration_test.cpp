#include "hostkit/SqliteDeclaration.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "testsupport/TestData.h"

namespace qorvexctl::hostkit {
namespace {

class SqliteDeclarationTest : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::filesystem::path folder = testsupport::MakeTempFolder("hostkit-declaration");
  std::filesystem::path file = folder / "host.sqlite";
};

TEST_F(SqliteDeclarationTest, HouseholdAndMembersSurviveReopening) {
  std::int64_t id = 0;
  {
    auto irs = SqliteDeclaration::Create(HostDatabase::Open(file), 2025);
    id = irs->Id();
    irs->SetHouseholdItem("casado", "1");
    irs->AddMember("A", "123456789", "Nuno Sarmento");
    irs->AddMember("D1", "234567899", "Leonor Sarmento");
    irs->AddMember("D2", "245678900", "Tomás Sarmento", "Filho mais novo");
    irs->AddMember("S1", "178901230", "Olga Sarmento");
  }
  auto irs = SqliteDeclaration::Open(HostDatabase::Open(file), id);
  ASSERT_NE(irs, nullptr);
  std::shared_ptr<IRSDeclaration> host = irs;
  EXPECT_EQ(host::HouseholdItem(host, "casado"), "1");
  EXPECT_EQ(host::HouseholdItem(host, "obito"), "");
  EXPECT_EQ(host::DependantCount(host), 2);
  EXPECT_EQ(host::TaxpayerNumber(host, "D1"), "234567899");
  EXPECT_EQ(host::TaxpayerNumber(host, "B"), "");
  EXPECT_EQ(host::TaxpayerTitle(host, "D1"), "Dependente 1");
  EXPECT_EQ(host::TaxpayerTitle(host, "D2"), "Filho mais novo");
  EXPECT_EQ(host::SujeitoTitle(host, "A"), "Sujeito Passivo A");
  EXPECT_EQ(host::SujeitoTitle(host, "H3"), "Herança Indivisa 3");
}

TEST_F(SqliteDeclarationTest, ValueStoreRoundTripsPerDeclaration) {
  auto database = HostDatabase::Open(file);
  std::shared_ptr<IRSDeclaration> first = SqliteDeclaration::Create(database, 2025);
  std::shared_ptr<IRSDeclaration> second = SqliteDeclaration::Create(database, 2025);
  host::StoreValue(first, "PT123456789.nome", "Nuno");
  host::StoreValue(first, "PT123456789.nome", "Nuno Sarmento");
  EXPECT_EQ(host::StoredValue(first, "PT123456789.nome"), "Nuno Sarmento");
  EXPECT_EQ(host::StoredValue(second, "PT123456789.nome"), "");
  EXPECT_EQ(host::StoredValue(first, "PT123456789.morada"), "");
}

TEST_F(SqliteDeclarationTest, OpeningAnUnknownDeclarationGivesNothing) {
  EXPECT_EQ(SqliteDeclaration::Open(HostDatabase::Open(file), 42), nullptr);
}

TEST_F(SqliteDeclarationTest, UnreadableFileThrowsToTheHost) {
  std::filesystem::create_directory(folder / "not-a-file");
  EXPECT_THROW(HostDatabase::Open(folder / "not-a-file"), SqliteError);
}

}  // namespace
}  // namespace qorvexctl::hostkit
