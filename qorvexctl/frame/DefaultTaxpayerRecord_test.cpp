#include "qorvexctl/frame/DefaultTaxpayerRecord.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "qorvexctl/platform/services/MemorySettingsStore.h"
#include "qorvexctl/platform/services/MessageBoxService.h"

namespace qorvexctl {
namespace {

// A directory held in a map, counting saves.
class MapDirectory : public TaxpayerDirectory {
 public:
  std::optional<std::vector<RecordField>> Find(const std::string& number) override {
    auto it = entries.find(number);
    if (it == entries.end()) return std::nullopt;
    return it->second;
  }
  void Save(const std::string& number, const std::vector<RecordField>& fields) override {
    entries[number] = fields;
    ++saves;
  }
  std::map<std::string, std::vector<RecordField>> entries;
  int saves = 0;
};

struct RecordEvents {
  explicit RecordEvents(TaxpayerRecord& record) {
    record.FieldUpdated.connect([this](const std::string& id) { log.push_back(id); });
    record.Loaded.connect([this] { log.push_back("<loaded>"); });
  }
  std::vector<std::string> log;
};

class DefaultTaxpayerRecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    directory->entries["PT123456789"] = {{"nome", "Ana Quelhas"}, {"localidade", "Braga"}};
  }
  std::shared_ptr<MapDirectory> directory = std::make_shared<MapDirectory>();
  DefaultTaxpayerRecord record{directory};
};

TEST_F(DefaultTaxpayerRecordTest, LoadRaisesEachNewFieldThenLoaded) {
  RecordEvents events(record);
  record.Number("PT123456789");
  record.Load();
  EXPECT_EQ(events.log, (std::vector<std::string>{"nome", "localidade", "<loaded>"}));
  EXPECT_EQ(record.Name(), "Ana Quelhas");
  EXPECT_EQ(record.Content(), "PT123456789");
}

TEST_F(DefaultTaxpayerRecordTest, ReloadRaisesOnlyChangedFields) {
  record.Number("PT123456789");
  record.Load();
  directory->entries["PT123456789"] = {{"nome", "Ana Quelhas"}, {"localidade", "Porto"}};
  RecordEvents events(record);
  record.Load();
  EXPECT_EQ(events.log, (std::vector<std::string>{"localidade", "<loaded>"}));
}

TEST_F(DefaultTaxpayerRecordTest, UnknownNumberLoadsEmptyWithoutContent) {
  RecordEvents events(record);
  record.Number("PT999999990");
  record.Load();
  EXPECT_EQ(events.log, (std::vector<std::string>{"<loaded>"}));
  EXPECT_EQ(record.Content(), "");
  EXPECT_TRUE(record.Fields().empty());
}

TEST_F(DefaultTaxpayerRecordTest, NewNumberDropsTheDetailsOfTheOldOne) {
  record.Number("PT123456789");
  record.Load();
  record.Number("PT123456789");  // same number: details stay
  EXPECT_EQ(record.Name(), "Ana Quelhas");
  record.Number("PT999999990");
  EXPECT_EQ(record.Name(), "");
  EXPECT_EQ(record.Content(), "");
}

TEST_F(DefaultTaxpayerRecordTest, EditsAreSavedOnlyWhenMarkedChanged) {
  record.Number("PT123456789");
  record.Load();
  record.Name("Ana Q. Quelhas");
  record.Field("telefone", "210000000");
  EXPECT_EQ(directory->saves, 0);
  record.MarkChanged();
  EXPECT_EQ(directory->saves, 1);
  EXPECT_EQ(directory->entries["PT123456789"],
            (std::vector<RecordField>{
                {"nome", "Ana Q. Quelhas"}, {"localidade", "Braga"}, {"telefone", "210000000"}}));
}

TEST_F(DefaultTaxpayerRecordTest, ClearForgetsNumberAndDetails) {
  record.Number("PT123456789");
  record.Load();
  record.Clear();
  record.MarkChanged();  // no number: nothing to save
  EXPECT_EQ(directory->saves, 0);
  EXPECT_TRUE(record.Fields().empty());
}

TEST_F(DefaultTaxpayerRecordTest, RecordsOfTheLibraryUseTheDirectoryPluggedIntoIt) {
  platform::MemorySettingsStore settings;
  platform::HeadlessMessageBoxService boxes;
  LibraryState state(settings, boxes);
  DefaultTaxpayerRecord before(state);
  state.SetDefaultTaxpayerDirectory(directory);
  DefaultTaxpayerRecord after(state);
  for (DefaultTaxpayerRecord* r : {&before, &after}) {
    r->Number("PT123456789");
    r->Load();
  }
  EXPECT_EQ(before.Name(), "");
  EXPECT_EQ(after.Name(), "Ana Quelhas");
}

TEST(DefaultTaxpayerRecord, WithoutDirectoryHoldsWhatItIsTold) {
  DefaultTaxpayerRecord record;
  std::string opened;
  record.OpenRequested.connect([&](const std::string& number) { opened = number; });
  record.Number("ES12345678Z");
  record.Field("nome", "Pablo");
  record.Load();  // nothing to look up: the details set so far stay
  EXPECT_EQ(record.Name(), "Pablo");
  EXPECT_EQ(record.Content(), "");
  record.MarkChanged();
  record.Open();
  EXPECT_EQ(opened, "ES12345678Z");
}

}  // namespace
}  // namespace qorvexctl
