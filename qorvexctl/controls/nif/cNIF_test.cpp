#include "qorvexctl/controls/nif/cNIF.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "hostkit/DemoSeed.h"
#include "hostkit/SqliteTaxpayerDirectory.h"
#include "qorvexctl/controls/nif/NifFieldTest.h"
#include "qorvexctl/frame/DefaultTaxpayerRecord.h"
#include "qorvexctl/frame/Registry.h"
#include "testsupport/TestData.h"

namespace qorvexctl {
namespace {

TEST_F(NifFieldTest, StartsPortugueseAndCountsItselfInTheLibrary) {
  {
    auto field = MakeField();
    EXPECT_EQ(library.NifControlCount(), 1);
    EXPECT_EQ(field->Value(), "PT");
    EXPECT_EQ(field->CountryID(), "PT");
    EXPECT_EQ(field->NumberBox().MaxLength(), 9);
    EXPECT_NE(field->FlagBox().Picture(), nullptr);
    EXPECT_TRUE(field->IsEmpty());
    EXPECT_FALSE(field->IsOK());
  }
  EXPECT_EQ(library.NifControlCount(), 0);
  EXPECT_EQ(library.TooltipCount(), 0);
  EXPECT_EQ(library.FlagStrip(), nullptr);
}

TEST_F(NifFieldTest, TypingAValidNumberIndicatesItThenReportsTheChange) {
  auto field = MakeField();
  TypeLastKeyLogged(*field, kValidPT);
  EXPECT_EQ(log, (Log{"Validated", "NIFIndicated", "DataFinished", "Changed"}));
  EXPECT_EQ(field->Value(), std::string("PT") + kValidPT);
  EXPECT_EQ(field->NumberBox().ForeColor(), RGB(0, 128, 0));
  EXPECT_EQ(field->NumberBox().BackColor(), RGB(255, 255, 255));
  EXPECT_TRUE(field->ContextMenu().Item("mnu_ficha")->Enabled());
  EXPECT_EQ(field->Description(), std::string("PT") + kValidPT);
}

TEST_F(NifFieldTest, TypingAnInvalidNumberTurnsTheFieldRed) {
  auto field = MakeField();
  TypeLastKeyLogged(*field, kInvalidPT);
  EXPECT_EQ(log, (Log{"Validated", "Changed"}));
  EXPECT_EQ(field->NumberBox().BackColor(), RGB(255, 0, 0));
  EXPECT_EQ(field->NumberBox().ForeColor(), RGB(255, 255, 255));
  EXPECT_EQ(field->FrameShape().BorderColor(), RGB(255, 0, 0));
  EXPECT_FALSE(field->ContextMenu().Item("mnu_ficha")->Enabled());
  EXPECT_FALSE(field->IsOK());
}

TEST_F(NifFieldTest, ClearingTheFieldRaisesClearedThenChanged) {
  auto field = MakeField();
  TypeLastKeyLogged(*field, "1");
  log.clear();
  input.SendKeys("{BS}");
  EXPECT_EQ(log, (Log{"Cleared", "Changed"}));
  EXPECT_EQ(field->NumberBox().ForeColor(), RGB(0, 0, 0));
  EXPECT_EQ(field->FrameShape().BorderColor(), RGB(255, 255, 255));
}

TEST_F(NifFieldTest, AnEuPrefixSwitchesTheCountryAtTheThirdCharacter) {
  auto field = MakeField();
  form.Show();
  field->NumberBox().SetFocus();
  input.Type("de1");
  EXPECT_EQ(field->CountryID(), "DE");
  EXPECT_EQ(field->NumberBox().Text(), "1");
  EXPECT_EQ(field->NumberBox().MaxLength(), 0);
  input.Type("23456789012");
  EXPECT_EQ(field->Value(), "DE123456789012");
}

TEST_F(NifFieldTest, DigitsAndUnknownPrefixesKeepTheCountry) {
  auto field = MakeField();
  field->CountryID("FR");
  form.Show();
  field->NumberBox().SetFocus();
  input.Type("12345");
  EXPECT_EQ(field->CountryID(), "FR");
  field->NumberBox().Text("");
  input.Type("XY1");
  EXPECT_EQ(field->Value(), "FRXY1");
  // A key that is an EU code wins over the current country's format, and is lost.
  field->NumberBox().Text("");
  input.Type("BE1");
  EXPECT_EQ(field->Value(), "BE1");
}

TEST_F(NifFieldTest, SwitchingCountryByPrefixRunsOnlyTheSecondCycle) {
  auto field = MakeField();
  TypeLastKeyLogged(*field, "ES1");
  // The country's rule has no verdict on one character other than the one it gives.
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "Changed");
  EXPECT_EQ(std::count(log.begin(), log.end(), "Changed"), 1);
  EXPECT_EQ(field->CountryID(), "ES");
}

TEST_F(NifFieldTest, CountryPortugalCutsTheNumberToNineCharacters) {
  auto field = MakeField();
  field->CountryID("DE");
  field->NumberBox().Text("123456789012");
  field->CountryID("PT");
  EXPECT_EQ(field->NumberBox().Text(), "123456789");
  EXPECT_EQ(field->NumberBox().MaxLength(), 9);
  field->CountryID("");
  EXPECT_EQ(field->CountryID(), "PT");
}

TEST_F(NifFieldTest, ValueAcceptsBareNumbersAndCountryPrefixes) {
  auto field = MakeField();
  field->Value("ES12345678Z");
  EXPECT_EQ(field->CountryID(), "ES");
  EXPECT_EQ(field->NumberBox().Text(), "12345678Z");
  field->Value(kValidPT);
  EXPECT_EQ(field->Value(), std::string("PT") + kValidPT);
  field->Value("ESX1234567");
  EXPECT_EQ(field->Value(), "ESX1234567");
  field->Value("");
  EXPECT_EQ(field->Value(), "PT");
  EXPECT_EQ(field->NumberBox().Text(), "");
}

class KnownTaxpayerTest : public NifFieldTest {
 protected:
  void SetUp() override {
    auto database = hostkit::HostDatabase::Open(folder / "host.sqlite");
    known = hostkit::SeedDemoDatabase(database).taxpayers.at(0);
    directory = std::make_shared<hostkit::SqliteTaxpayerDirectory>(database);
    library.SetDefaultTaxpayerDirectory(directory);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::filesystem::path folder = testsupport::MakeTempFolder("nif-field");
  std::shared_ptr<hostkit::SqliteTaxpayerDirectory> directory;
  std::string known;
};

TEST_F(KnownTaxpayerTest, TypingAKnownNumberShowsTheNameAndGreenFrame) {
  auto field = MakeField();
  TypeLastKeyLogged(*field, known.substr(2));
  const auto fields = directory->Find(known).value();
  const std::string name = fields.at(0).value;
  Log expected{"Validated", "NIFIndicated"};
  for (const RecordField& f : fields) {
    if (f.value.empty()) continue;
    expected.push_back("Info " + f.id);
    if (f.id == "nome") expected.insert(expected.end(), {"Validated", "Name " + name});
  }
  expected.insert(expected.end(), {"Validated", "DataFinished"});
  for (const RecordField& f : fields) expected.push_back("Info " + f.id);
  expected.insert(expected.end(), {"Validated", "Changed"});
  EXPECT_EQ(log, expected);
  EXPECT_EQ(field->Nome(), name);
  EXPECT_EQ(field->FrameShape().BorderColor(), RGB(0, 255, 0));
  EXPECT_EQ(field->Information("nome"), name);
  EXPECT_EQ(field->BalloonTipText().substr(0, name.size()), name);
  EXPECT_NE(field->BalloonTipText().find("\nNIF: " + known.substr(2)), std::string::npos);
  EXPECT_NE(field->BalloonTipText().find("\nPaís: "), std::string::npos);
  EXPECT_EQ(library.TooltipCount(), 1);

  log.clear();
  input.SendKeys("{BS}");
  EXPECT_EQ(log, (Log{"Validated", "Changed"}));
  EXPECT_EQ(field->Nome(), "");
  EXPECT_EQ(field->BalloonTipText(), "");
}

TEST_F(KnownTaxpayerTest, ClearingAfterANameRaisesClearedTwice) {
  auto field = MakeField();
  field->Value(known);
  ASSERT_FALSE(field->Nome().empty());
  log.clear();
  field->Value("");
  EXPECT_EQ(log, (Log{"Cleared", "Cleared", "Changed"}));
}

TEST_F(KnownTaxpayerTest, InformationIsWrittenOnlyForValidNumbers) {
  auto field = MakeField();
  field->Value(kInvalidPT);
  field->Information("localidade", "Évora");
  EXPECT_EQ(field->Information("localidade"), "");
  field->Value(known);
  log.clear();
  field->Information("nome", "Outro Nome");
  EXPECT_EQ(field->Nome(), "Outro Nome");
  EXPECT_EQ(field->Ficha()->Name(), "Outro Nome");
  EXPECT_EQ(log, (Log{"Validated", "Info nome", "Validated", "Name Outro Nome"}));
}

// A register kept in memory, as a host without a database keeps one.
struct MemoryDirectory : TaxpayerDirectory {
  std::map<std::string, std::vector<RecordField>> rows;
  std::optional<std::vector<RecordField>> Find(const std::string& number) override {
    auto it = rows.find(number);
    if (it == rows.end()) return std::nullopt;
    return it->second;
  }
  void Save(const std::string& number, const std::vector<RecordField>& fields) override {
    rows[number] = fields;
  }
};

Log InformationOnly(const Log& log) {
  Log infos;
  for (const std::string& entry : log) {
    if (entry.starts_with("Info ")) infos.push_back(entry);
  }
  return infos;
}

// Reloading the same number (Required, Countries, "Reobter") reports every detail the record
// holds, changed or not; a column the register left empty is not reported. The SQLite register
// and one in memory give the same events.
TEST_F(KnownTaxpayerTest, AReloadReportsEveryDetailAndNoEmptyColumn) {
  const std::string number = std::string("PT") + kValidPT;
  directory->Save(number, {{"nome", "Ana Lima"}, {"codigopostal", ""}, {"localidade", "Braga"}});
  auto memory = std::make_shared<MemoryDirectory>();
  memory->rows[number] = {{"nome", "Ana Lima"}, {"localidade", "Braga"}};
  auto sqlite = MakeField();
  auto inMemory = MakeField();
  inMemory->Ficha(std::make_shared<DefaultTaxpayerRecord>(memory));
  for (cNIF* field : {sqlite.get(), inMemory.get()}) {
    field->Value(number);
    for (auto reload : std::initializer_list<std::function<void()>>{
             [&] { field->Required(true); }, [&] { field->Countries(GSEL_OnlyEU); },
             [&] { field->GetNIFInformation(); }}) {
      log.clear();
      reload();
      EXPECT_EQ(InformationOnly(log), (Log{"Info nome", "Info localidade"}));
    }
  }
}

TEST_F(NifFieldTest, LockingGreysTheTextAndDisablingGreysTheBox) {
  auto field = MakeField();
  field->Value(kValidPT);
  field->Locked(true);
  EXPECT_EQ(field->NumberBox().ForeColor(), RGB(64, 64, 64));
  field->Locked(false);
  EXPECT_EQ(field->NumberBox().ForeColor(), RGB(0, 128, 0));
  field->Enabled(false);
  EXPECT_EQ(field->NumberBox().BackColor(), RGB(200, 200, 200));
  EXPECT_FALSE(field->Enabled());
}

TEST_F(NifFieldTest, WithoutARecordTheFieldIsNotColoured) {
  auto field = MakeField();
  field->Ficha(nullptr);
  field->Value(kInvalidPT);
  EXPECT_TRUE(log.empty() || log.back() == "Changed");
  EXPECT_EQ(std::count(log.begin(), log.end(), "Validated"), 0);
  EXPECT_EQ(field->NumberBox().BackColor(), RGB(255, 255, 255));
}

TEST_F(NifFieldTest, LayoutFramesTheBoxAndPutsTheFlagBeside) {
  auto field = MakeField();
  field->SetBounds(platform::Rect::FromSize(10, 10, 130, 24));
  const platform::Rect box = field->NumberBox().Bounds();
  EXPECT_EQ(box.left, 3);
  EXPECT_EQ(box.Width(), 82);
  const platform::Rect frame = field->FrameShape().Bounds();
  EXPECT_EQ(frame.left, box.left - 1);
  EXPECT_EQ(frame.Width(), box.Width() + 2);
  EXPECT_EQ(field->FrameShape().BorderColor(), RGB(64, 64, 192));
  EXPECT_EQ(field->FlagBox().Bounds().Width(), 16);
  EXPECT_GE(field->FlagBox().Bounds().left, frame.right);
}

TEST_F(NifFieldTest, StoredPropertiesComeBackInANewField) {
  PropertyBag bag;
  {
    auto field = MakeField();
    field->CountryID("ES");
    field->Countries(GSEL_Custom);
    field->CustomCountryList("ES,FR,");
    field->DisablePopupMenu(true);
    field->Required(true);
    field->BackColor(RGB(10, 20, 30));
    field->WriteProperties(bag);
  }
  auto again = std::make_unique<cNIF>(library, desktop);
  again->ReadProperties(bag);
  EXPECT_EQ(again->CountryID(), "ES");
  EXPECT_EQ(again->NumberBox().MaxLength(), 0);
  EXPECT_EQ(again->Countries(), GSEL_Custom);
  EXPECT_EQ(again->CustomCountryList(), "ES,FR,");
  EXPECT_TRUE(again->DisablePopupMenu());
  EXPECT_TRUE(again->Required());
  EXPECT_EQ(again->BackColor(), RGB(10, 20, 30));
  EXPECT_EQ(again->FlagBox().BackColor(), RGB(10, 20, 30));
}

TEST_F(NifFieldTest, TheRegistryCreatesTheField) {
  Registry registry(library);
  RegisterNifField(registry, desktop);
  auto component = registry.Create("qorvexctl.cnif");
  ASSERT_NE(component, nullptr);
  EXPECT_EQ(component->ClassName(), "cNIF");
  EXPECT_EQ(library.NifControlCount(), 1);
  component.reset();
  EXPECT_EQ(library.NifControlCount(), 0);
}

}  // namespace
}  // namespace qorvexctl
