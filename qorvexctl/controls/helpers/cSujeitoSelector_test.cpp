// The taxpayer selector driven as a user and a host drive it: clicks on the kind buttons, the
// member list answered by a popup-menu script, codes set by the host, household rules from a
// declaration object (also one that lacks members), and the form file round trip.

#include "qorvexctl/controls/helpers/cSujeitoSelector.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl {
namespace {

// A household kept in maps: facts by name and members by code ("D2" -> number and name).
class FakeHousehold : public IRSDeclaration,
                      public DeclarationData,
                      public HouseholdItems,
                      public DependantsList,
                      public DeclarationValueStore,
                      public SujeitoTitles,
                      public std::enable_shared_from_this<FakeHousehold> {
 public:
  std::map<std::string, std::string> items;
  std::map<std::string, std::string> numbers;  // code -> tax number
  std::map<std::string, std::string> values;   // "number.field" -> value

  std::shared_ptr<DeclarationData> Declaration() override { return shared_from_this(); }
  std::shared_ptr<HouseholdItems> Household() override { return shared_from_this(); }
  std::shared_ptr<DependantsList> Dependants() override { return shared_from_this(); }
  std::string TaxpayerNumber(const std::string& code) override { return numbers[code]; }
  std::string TaxpayerTitle(const std::string& code) override { return "Título " + code; }
  std::shared_ptr<DeclarationValueStore> Values() override { return shared_from_this(); }
  std::shared_ptr<SujeitoTitles> Data() override { return shared_from_this(); }
  std::string Item(const std::string& name) override { return items[name]; }
  std::int32_t Count() override { return std::stoi(items["dependentes"]); }
  std::string Get(const std::string& key) override { return values[key]; }
  void Set(const std::string& key, const std::string& value) override { values[key] = value; }
  std::string GetSujeitoTitle(const std::string& code) override { return "Membro " + code; }
};

// A declaration object whose data lacks every member the selector asks for.
class EmptyDeclaration : public IRSDeclaration {
 public:
  std::shared_ptr<DeclarationData> Declaration() override {
    throw std::runtime_error("no such member");
  }
};

std::shared_ptr<FakeHousehold> MarriedWithTwoAscendants() {
  auto household = std::make_shared<FakeHousehold>();
  household->items = {{"casado", "1"},     {"dependentes", "3"}, {"ascendentes", "2"},
                      {"obito", "0"},      {"herancas", "0"}};
  household->numbers = {{"A", "123456789"}, {"D2", "234567890"}, {"S1", "111111111"},
                        {"S2", "222222222"}};
  household->values = {{"111111111.nome", "JOAO PEDRO SILVA"},
                       {"222222222.nome", "ANA M SILVA"}};
  return household;
}

struct SujeitoSelectorTest : ::testing::Test {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};
  platform::Form form{desktop, "Anexo H"};
  std::vector<std::string> log;
  std::unique_ptr<cSujeitoSelector> selector = MakeSelector();

  std::unique_ptr<cSujeitoSelector> MakeSelector() {
    form.SetBounds(platform::Rect::FromSize(0, 0, 500, 200));
    auto made = std::make_unique<cSujeitoSelector>(library, desktop, &form);
    made->Name("Sujeito");
    made->Move(150, 150, 6000, 500);
    made->InitProperties();
    made->Clicked.connect([this] { log.push_back("Clicked"); });
    made->Changed.connect([this] { log.push_back("Changed"); });
    form.Show();
    return made;
  }

  void ClickKind(char letter) {
    const auto index = static_cast<int>(kSujeitoOrder.find(letter));
    desktop.Input().Click(selector->KindButton(index));
  }
  std::string VisibleKinds() const {
    std::string kinds;
    for (int i = 0; i < kSujeitoKinds; ++i) {
      if (selector->KindButton(i).Visible()) kinds += kSujeitoOrder[i];
    }
    return kinds;
  }
};

TEST(SujeitoPossible, IsNormalisedToTheButtonOrder) {
  const struct {
    const char* given;
    const char* stored;
  } cases[] = {{"", "ABD"},     {"*", "ABDSFCH"}, {"HC", "H"},   {"DA", "AD"},
               {"AC", "A"},     {"ABC", "ABC"},   {"a", ""},     {"HFSDBA", "ABDSFH"},
               {"*C", ""},     {"XYZ", ""}};
  for (const auto& c : cases) {
    EXPECT_EQ(NormalisePossible(c.given), c.stored) << '"' << c.given << '"';
  }
}

TEST_F(SujeitoSelectorTest, AnEmptyPossibleBecomesABDInTheCallersVariableToo) {
  std::string possible = "*";
  selector->Possible(possible);
  EXPECT_EQ(VisibleKinds(), "ABDSFCH");
  possible.clear();
  selector->Possible(possible);
  EXPECT_EQ(possible, "ABD");
  EXPECT_EQ(selector->Possible(), "ABD");
  EXPECT_EQ(VisibleKinds(), "ABD");
}

TEST_F(SujeitoSelectorTest, CodesSetByTheHostGiveTheirSelectionAndValueType) {
  std::string all = "*";
  selector->Possible(all);
  const struct {
    const char* code;
    const char* selected;
    int member;
    const char* valueType;
  } cases[] = {
      {"D2", "D", 2, "D2"}, {"S1", "S", 1, "S1"}, {"H3", "H", 3, "H3"}, {"F", "F", 0, "F1"},
      {"F7", "F", 0, "F1"}, {"A5", "A", 0, "A"},  {"B", "B", 0, "B"},   {"X1", "", 0, ""},
      {"", "A", 0, "A"},    {"D", "D", 0, "D"},   {"Dx", "D", 0, "D"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    selector->SujeitoValueType(c.code);
    EXPECT_EQ(selector->SelectedSujeito(), c.selected);
    EXPECT_EQ(selector->SelectedSujeitoIndex(), c.member);
    EXPECT_EQ(selector->SujeitoValueType(), c.valueType);
  }
  EXPECT_TRUE(log.empty()) << "a code set by the host raises no event";
}

TEST_F(SujeitoSelectorTest, AMemberNumberIsKeptOnlyForKindsWithSeveralMembers) {
  selector->SujeitoValueType("A");
  selector->SelectedSujeitoIndex(3);
  EXPECT_EQ(selector->SelectedSujeitoIndex(), 0);
  selector->SujeitoValueType("D");
  selector->SelectedSujeitoIndex(3);
  EXPECT_EQ(selector->SujeitoValueType(), "D3");
  // The selected button is wide, captioned and underlined; the others narrow and blank.
  const cButton& d = selector->KindButton(2);
  // Twips are kept as whole pixels (15 twips each).
  EXPECT_NEAR(d.Width(), selector->WideWidth(), 15);
  EXPECT_EQ(d.Caption(), "Dependente 3");
  EXPECT_NEAR(selector->KindButton(0).Width(), selector->NarrowWidth(), 15);
  EXPECT_EQ(selector->KindButton(0).Caption(), "");
  EXPECT_NEAR(d.Left(), 2 * selector->NarrowWidth(), 15);
  EXPECT_TRUE(selector->Underline().Visible());
  EXPECT_NEAR(selector->Underline().X1(), d.Left(), 15);
  EXPECT_NEAR(selector->Underline().X2(), d.Left() + selector->WideWidth(), 15);
  EXPECT_NEAR(selector->Underline().Y1(), d.Height() + 30, 1);
}

TEST_F(SujeitoSelectorTest, HouseholdRulesOfferTheKindsTheHouseholdHas) {
  std::string all = "*";
  selector->Possible(all);
  auto household = MarriedWithTwoAscendants();
  selector->IRSClass(household);
  EXPECT_EQ(VisibleKinds(), "ABDSC");
  household->items["casado"] = "0";
  household->items["obito"] = "1";
  household->items["herancas"] = "2";
  selector->IRSClass(household);
  EXPECT_EQ(VisibleKinds(), "ADSFH");
  // A kind the household has but that is not possible stays hidden.
  std::string some = "AH";
  selector->Possible(some);
  EXPECT_EQ(VisibleKinds(), "AH");
}

TEST_F(SujeitoSelectorTest, AHostObjectThatLacksMembersLeavesOnlyTheFirstTaxpayer) {
  std::string all = "*";
  selector->Possible(all);
  selector->SujeitoValueType("A");
  selector->IRSClass(std::make_shared<EmptyDeclaration>());
  EXPECT_EQ(VisibleKinds(), "A");
  EXPECT_EQ(selector->SelectedSujeito(), "A");
  EXPECT_EQ(selector->KindButton(0).Caption(), "");  // the host's caption title is empty
  EXPECT_EQ(selector->SelectedNIF(), "");
  selector->SelectedSujeito("D");  // no member list without household data: member 1
  EXPECT_EQ(selector->SujeitoValueType(), "D1");
  // Without any host object every possible kind is offered again.
  selector->IRSClass(nullptr);
  EXPECT_EQ(VisibleKinds(), "ABDSFCH");
}

TEST_F(SujeitoSelectorTest, ClickingDependantsOpensTheMemberListAndTakesTheChoice) {
  auto household = MarriedWithTwoAscendants();
  selector->IRSClass(household);
  std::vector<std::string> shown;
  desktop.Scripts().OnPopupMenu([&](platform::Menu& popup) -> platform::Menu* {
    for (platform::Menu* item : popup.Items()) {
      if (item->Visible()) shown.push_back(item->Caption() + (item->Enabled() ? "" : " (off)"));
    }
    return popup.Item("mnu_list", 2);
  });
  ClickKind('D');
  EXPECT_EQ(shown, (std::vector<std::string>{"=== Listagem de DEPENDENTES === (off)",
                                             "Membro D1", "Membro D2", "Membro D3"}));
  EXPECT_EQ(selector->SujeitoValueType(), "D2");
  EXPECT_EQ(selector->SelectedNIF(), "234567890");
  EXPECT_EQ(selector->SelectedNIF("A"), "123456789");
  EXPECT_EQ(selector->KindButton(2).Caption(), "Título D2");
  EXPECT_EQ(log, (std::vector<std::string>{"Clicked", "Changed", "Changed"}));
}

TEST_F(SujeitoSelectorTest, AscendantsAreListedByTheirShortenedNames) {
  std::string possible = "ABDS";
  selector->Possible(possible);
  selector->IRSClass(MarriedWithTwoAscendants());
  std::vector<std::string> shown;
  desktop.Scripts().OnPopupMenu([&](platform::Menu& popup) -> platform::Menu* {
    for (platform::Menu* item : popup.Items()) {
      if (item->Visible()) shown.push_back(item->Caption());
    }
    return nullptr;  // dismissed: the member becomes 1
  });
  ClickKind('S');
  EXPECT_EQ(shown, (std::vector<std::string>{"=== Listagem de ASCENDENTES ===", "Joao Silva",
                                             "Ana M. Silva"}));
  EXPECT_EQ(selector->SujeitoValueType(), "S1");
}

TEST_F(SujeitoSelectorTest, ASecondClickClearsTheSelectionOnlyWhenNoneMayBeSelected) {
  ClickKind('A');
  ClickKind('A');
  EXPECT_EQ(selector->SelectedSujeito(), "A") << "the button stays down";
  log.clear();
  selector->CanSelectNone(true);
  ClickKind('B');
  ClickKind('B');
  EXPECT_EQ(selector->SelectedSujeito(), "");
  EXPECT_EQ(selector->SujeitoValueType(), "");
  EXPECT_FALSE(selector->Underline().Visible());
  EXPECT_EQ(log, (std::vector<std::string>{"Clicked", "Changed", "Changed", "Clicked", "Changed"}));
}

TEST_F(SujeitoSelectorTest, ClickingAnotherKindLiftsThePreviousButton) {
  ClickKind('A');
  ClickKind('B');
  EXPECT_FALSE(selector->KindButton(0).Value());
  EXPECT_TRUE(selector->KindButton(1).Value());
  EXPECT_NEAR(selector->KindButton(1).Left(), selector->NarrowWidth(), 15);
  EXPECT_EQ(selector->KindButton(1).Caption(), "Sujeito B");
}

TEST(SujeitoNames, AreShortenedForTheMemberList) {
  const struct {
    const char* name;
    const char* shown;
  } cases[] = {
      {"JOAO PEDRO SILVA", "Joao Silva"},         // ten characters: no initial
      {"ANA M SILVA", "Ana M. Silva"},            // "Ana Silva" is short: the initial joins
      {"maria  de   lurdes costa", "Maria Costa"},
      {"  RUI  SA ", "  Rui  Sa "},               // two words stay as given
      {"ZE", "Ze"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortMemberName(c.name), c.shown) << c.name;
}

TEST_F(SujeitoSelectorTest, ImageFileTakesTheLetterInEitherCase) {
  auto picture = std::make_shared<platform::Picture>(platform::Surface(16, 16, 32));
  selector->ImageFile("h", picture);
  EXPECT_EQ(selector->KindButton(6).Picture(), picture);
  EXPECT_EQ(selector->ImageFile("H1"), picture);
  selector->ImageFile("Z", picture);
  EXPECT_EQ(selector->ImageFile("Z"), nullptr);
}

}  // namespace
}  // namespace qorvexctl

namespace qorvexctl {
namespace {

// A host that knows the selectors only by their member tables.
TEST_F(SujeitoSelectorTest, IsReachedByNameThroughItsMemberTable) {
  const ObjectRef ref{selector.get(), &cSujeitoSelector::Members()};
  std::vector<Variant> possible{Variant(std::string("SDA"))};
  CallByName(ref, "Possible", CallType::Let, possible);
  EXPECT_EQ(CallByName(ref, "Possible", CallType::Get).ToString(), "ADS");
  CallByName(ref, "SujeitoValueType", CallType::Let, {Variant(std::string("S2"))});
  EXPECT_EQ(CallByName(ref, "SelectedSujeito", CallType::Get).ToString(), "S");
  EXPECT_EQ(CallByName(ref, "SelectedSujeitoIndex", CallType::Get).ToLong(), 2);
  EXPECT_EQ(CallByName(ref, "SelectedNIF", CallType::Method).ToString(), "");
  EXPECT_TRUE(CallByName(ref, "ImageFile", CallType::Method, {Variant(std::string("a"))})
                  .Type() == VarType::ByteArray);
  std::vector<std::string> raised;
  const auto connections = ConnectAllEvents(
      ref, [&](std::string_view event, std::vector<Variant>&) { raised.emplace_back(event); });
  ClickKind('A');
  EXPECT_EQ(raised, (std::vector<std::string>{"Clicked", "Changed"}));
  EXPECT_EQ(ref.table->FindPart("sujeito_selector")->find(selector.get(), 3),
            &selector->KindButton(3));
}

}  // namespace
}  // namespace qorvexctl
