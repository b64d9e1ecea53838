#include "qorvexctl/frame/LibraryFunctions.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "qorvexctl/platform/services/MemorySettingsStore.h"
#include "qorvexctl/platform/services/MessageBoxService.h"
#include "testsupport/TestData.h"

namespace qorvexctl {

namespace {

class LibraryFunctionsTest : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(m_folder); }

  std::string StoredRootPath() const {
    return m_settings.Get("Qorvex", "Setup", "RootPath", "<absent>");
  }
  std::string WriteFile(const std::string& name, const std::string& bytes) {
    const auto path = m_folder / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }

  std::filesystem::path m_folder = testsupport::MakeTempFolder("frame");
  platform::MemorySettingsStore m_settings;
  platform::HeadlessMessageBoxService m_boxes;
  LibraryState m_state{m_settings, m_boxes, [] { return std::string("/home/ana/IRS"); }};
};

}  // namespace

TEST_F(LibraryFunctionsTest, RootPathFallsBackToTheCurrentFolderStoresItAndCachesIt) {
  EXPECT_EQ(GetRootPath(m_state), "/home/ana/IRS/");
  EXPECT_EQ(StoredRootPath(), "/home/ana/IRS/");
  const int reads = m_settings.ReadCount();
  m_settings.Set("Qorvex", "Setup", "RootPath", "/elsewhere/");
  EXPECT_EQ(GetRootPath(m_state), "/home/ana/IRS/");
  EXPECT_EQ(m_settings.ReadCount(), reads);
  EXPECT_EQ(GetDataPath(m_state), "/home/ana/IRS/data/");
}

TEST_F(LibraryFunctionsTest, StoredRootPathGetsATrailingSeparatorWithoutRewritingTheStore) {
  m_settings.Set("Qorvex", "Setup", "RootPath", "/opt/irs");
  const int writes = m_settings.WriteCount();
  EXPECT_EQ(GetRootPath(m_state), "/opt/irs/");
  EXPECT_EQ(StoredRootPath(), "/opt/irs");
  EXPECT_EQ(m_settings.WriteCount(), writes);
}

TEST_F(LibraryFunctionsTest, CurrentFolderAlreadyEndingInASeparatorIsStoredAsItIs) {
  LibraryState state(m_settings, m_boxes, [] { return std::string("/"); });
  EXPECT_EQ(GetRootPath(state), "/");
  EXPECT_EQ(StoredRootPath(), "/");
}

TEST_F(LibraryFunctionsTest, ReadWholeFileReadsWindows1252AndSkipsAUtf8Mark) {
  EXPECT_EQ(ReadWholeFile(m_state, WriteFile("a.txt", "Concei\xE7\xE3o\r\n\x80")),
            "Conceição\r\n€");
  EXPECT_EQ(ReadWholeFile(m_state, WriteFile("b.txt", "\xEF\xBB\xBFPT\tPortugal")), "PT\tPortugal");
  EXPECT_EQ(ReadWholeFile(m_state, WriteFile("c.txt", "\xEF\xBB")), "\xC3\xAF\xC2\xBB");
  EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(LibraryFunctionsTest, MissingEmptyOrFolderFilesGiveNothingAndOneMessageUnlessSilent) {
  const std::string missing = (m_folder / "iso3166.txt").string();
  EXPECT_EQ(ReadWholeFile(m_state, missing), "");
  ASSERT_EQ(m_boxes.Shown().size(), 1u);
  const auto& box = m_boxes.Shown()[0];
  EXPECT_EQ(box.title, "Ficheiro com acesso negado ou inexistente");
  EXPECT_EQ(box.text, "Não foi possível aceder ao ficheiro:\n" + missing +
                          "\n\nPor favor verifique se existe uma nova versão desta aplicação");
  EXPECT_EQ(box.icon, platform::MessageBoxIcon::Exclamation);
  EXPECT_EQ(box.buttons, platform::MessageBoxButtons::OK);

  EXPECT_EQ(ReadWholeFile(m_state, missing, /*silent=*/true), "");
  EXPECT_EQ(ReadWholeFile(m_state, WriteFile("empty.txt", ""), true), "");
  EXPECT_EQ(ReadWholeFile(m_state, m_folder.string(), true), "");
  EXPECT_EQ(m_boxes.Shown().size(), 1u);
  EXPECT_EQ(ReadWholeFile(m_state, WriteFile("empty2.txt", "")), "");
  EXPECT_EQ(m_boxes.Shown().size(), 2u);
}

TEST_F(LibraryFunctionsTest, ConfigValueTellsAnAbsentKeyFromAnEmptyOne) {
  EXPECT_TRUE(ConfigValue(m_state, "Absent").IsEmpty());
  m_settings.Set("Qorvex", "Config", "Blank", "");
  const Variant blank = ConfigValue(m_state, "Blank");
  EXPECT_EQ(blank.Type(), VarType::String);
  EXPECT_EQ(blank.ToString(), "");
  m_settings.Set("Qorvex", "Config", "Zoom", "2");
  EXPECT_EQ(ConfigValue(m_state, "zoom").ToString(), "2");
  EXPECT_TRUE(ConfigValue(m_state, "").IsEmpty());
  EXPECT_TRUE(ConfigValue(m_state, Variant::Null()).IsEmpty());
}

TEST_F(LibraryFunctionsTest, ConfigValueWithAValueInitialisesButNeverOverwrites) {
  const Variant five = ConfigValue(m_state, "Limite", 5);
  EXPECT_EQ(five.Type(), VarType::Long);
  EXPECT_EQ(five.ToLong(), 5);
  EXPECT_EQ(m_settings.Get("Qorvex", "Config", "Limite", ""), "5");

  m_settings.Set("Qorvex", "Config", "Outro", "7");
  EXPECT_EQ(ConfigValue(m_state, "Outro", 5).ToString(), "7");
  EXPECT_EQ(m_settings.Get("Qorvex", "Config", "Outro", ""), "7");

  // A key stored as "" counts as not initialised; an empty value leaves nothing to store.
  m_settings.Set("Qorvex", "Config", "Blank", "");
  EXPECT_EQ(ConfigValue(m_state, "Blank", "x").ToString(), "x");
  const int writes = m_settings.WriteCount();
  EXPECT_EQ(ConfigValue(m_state, "Nada", "").ToString(), "");
  EXPECT_EQ(m_settings.WriteCount(), writes);
  EXPECT_TRUE(ConfigValue(m_state, "", 5).IsEmpty());
}

}  // namespace qorvexctl
