// The rule set a NIF field judges with: the library's, from the settings store unless the host
// chose one, and named in the balloon tip when it is the current set.

#include <string>

#include "qorvexctl/controls/nif/NifFieldTest.h"
#include "qorvexctl/platform/services/SettingsStore.h"

namespace qorvexctl {
namespace {

// The Dutch sole-trader number: valid in the current set only.
constexpr char kSoleTraderNL[] = "NL000099998B57";

TEST_F(NifFieldTest, EveryFieldJudgesWithTheLibraryRuleSet) {
  auto first = MakeField();
  auto second = MakeField();
  first->Value(kSoleTraderNL);
  second->Value(kSoleTraderNL);
  EXPECT_FALSE(first->IsValid());
  library.TaxNumberRules(RuleSet::Current);
  EXPECT_TRUE(first->IsValid());
  EXPECT_TRUE(second->IsOK());
}

TEST_F(NifFieldTest, TheSettingsStoreChoosesTheRuleSetUntilTheHostDoes) {
  desktop.Settings().Set("Qorvex", "Config", "RegrasNIF", "current");
  auto field = MakeField();
  field->Value("NL99998B57");
  EXPECT_TRUE(field->IsValid());
  library.TaxNumberRules(RuleSet::Classic);
  EXPECT_FALSE(field->IsValid());
  EXPECT_EQ(desktop.Settings().Get("Qorvex", "Config", "RegrasNIF", ""), "current");
}

TEST_F(NifFieldTest, AnUnknownStoredRuleSetIsClassic) {
  desktop.Settings().Set("Qorvex", "Config", "RegrasNIF", "atuais");
  EXPECT_EQ(library.TaxNumberRules(), RuleSet::Classic);
}

TEST_F(NifFieldTest, TheTipNamesTheCurrentRuleSetOnly) {
  auto classic = MakeField();
  classic->Value(std::string("PT") + kValidPT);
  classic->Nome("Ana Lopes");
  EXPECT_EQ(classic->BalloonTipText().find("Regras"), std::string::npos);

  library.TaxNumberRules(RuleSet::Current);
  auto current = MakeField();
  current->Value(kSoleTraderNL);
  current->Nome("Ana Lopes");
  const std::string tip = current->BalloonTipText();
  EXPECT_EQ(tip.substr(tip.rfind('\n')), "\nRegras: atuais");
}

}  // namespace
}  // namespace qorvexctl
