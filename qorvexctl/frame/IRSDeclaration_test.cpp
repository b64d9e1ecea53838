#include "qorvexctl/frame/IRSDeclaration.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "qorvexctl/frame/HostCall.h"

namespace qorvexctl {
namespace {

// A declaration whose parts can be taken away or made to throw, as a host's might.
class FakeDeclaration : public IRSDeclaration,
                        public DeclarationData,
                        public HouseholdItems,
                        public DependantsList,
                        public DeclarationValueStore,
                        public SujeitoTitles,
                        public std::enable_shared_from_this<FakeDeclaration> {
 public:
  std::shared_ptr<DeclarationData> Declaration() override {
    if (noData) return nullptr;
    return shared_from_this();
  }
  std::shared_ptr<HouseholdItems> Household() override { return shared_from_this(); }
  std::shared_ptr<DependantsList> Dependants() override { return shared_from_this(); }
  std::string TaxpayerNumber(const std::string& code) override {
    Fail();
    return code == "A" ? "123456789" : "";
  }
  std::string TaxpayerTitle(const std::string& code) override { return "Titulo " + code; }
  std::shared_ptr<DeclarationValueStore> Values() override {
    if (noValues) return nullptr;
    return shared_from_this();
  }
  std::shared_ptr<SujeitoTitles> Data() override { return shared_from_this(); }
  std::string Item(const std::string& name) override { return name == "casado" ? "1" : ""; }
  std::int32_t Count() override {
    Fail();
    return 2;
  }
  std::string Get(const std::string& key) override { return values[key]; }
  void Set(const std::string& key, const std::string& value) override {
    Fail();
    values[key] = value;
  }
  std::string GetSujeitoTitle(const std::string& code) override { return "Dependente " + code; }

  void Fail() const {
    if (throwing) throw std::runtime_error("host failure");
  }
  bool noData = false;
  bool noValues = false;
  bool throwing = false;
  std::map<std::string, std::string> values;
};

TEST(IRSDeclaration, GuardedCallsReachEveryPart) {
  auto fake = std::make_shared<FakeDeclaration>();
  std::shared_ptr<IRSDeclaration> irs = fake;
  EXPECT_EQ(host::HouseholdItem(irs, "casado"), "1");
  EXPECT_EQ(host::DependantCount(irs), 2);
  EXPECT_EQ(host::TaxpayerNumber(irs, "A"), "123456789");
  EXPECT_EQ(host::TaxpayerTitle(irs, "D2"), "Titulo D2");
  EXPECT_EQ(host::SujeitoTitle(irs, "1"), "Dependente 1");
  host::StoreValue(irs, "PT123456789.nome", "Rui");
  EXPECT_EQ(host::StoredValue(irs, "PT123456789.nome"), "Rui");
}

TEST(IRSDeclaration, MissingObjectsGiveEmptyResults) {
  EXPECT_EQ(host::HouseholdItem(nullptr, "casado"), "");
  EXPECT_EQ(host::DependantCount(nullptr), 0);
  host::StoreValue(nullptr, "k", "v");  // nothing to store into, and no crash

  auto fake = std::make_shared<FakeDeclaration>();
  fake->noValues = true;
  host::StoreValue(fake, "k", "v");
  EXPECT_EQ(host::StoredValue(fake, "k"), "");
  fake->noData = true;
  EXPECT_EQ(host::TaxpayerTitle(fake, "A"), "");
  EXPECT_EQ(host::SujeitoTitle(fake, "D1"), "");
}

TEST(IRSDeclaration, ThrowingMembersLeaveTheStoreAlone) {
  auto fake = std::make_shared<FakeDeclaration>();
  fake->values["k"] = "before";
  fake->throwing = true;
  host::StoreValue(fake, "k", "after");
  EXPECT_EQ(fake->values["k"], "before");
  EXPECT_EQ(host::DependantCount(fake), 0);
  EXPECT_EQ(host::TaxpayerNumber(fake, "A"), "");
}

TEST(HostCall, ReturnsTheFallbackWhenTheHostThrowsAnything) {
  EXPECT_EQ(HostCall([]() -> int { throw 42; }, -1), -1);
  EXPECT_EQ(HostCall([]() -> std::string { throw std::logic_error("x"); }), "");
  bool ran = false;
  HostCall([&] {
    ran = true;
    throw std::runtime_error("ignored");
  });
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace qorvexctl
