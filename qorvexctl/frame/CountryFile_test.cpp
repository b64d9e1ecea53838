#include "qorvexctl/frame/CountryFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/frame/CountryTables.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/platform/services/MemorySettingsStore.h"
#include "qorvexctl/platform/services/MessageBoxService.h"
#include "testsupport/TestData.h"

namespace qorvexctl {
namespace {

// A library state whose application root is `root`.
class CountryFileTest : public ::testing::Test {
 protected:
  explicit CountryFileTest(
      std::filesystem::path root = testsupport::RepositoryDataFolder().parent_path())
      : m_root(std::move(root)) {}

  platform::MemorySettingsStore m_settings;
  platform::HeadlessMessageBoxService m_boxes;
  std::filesystem::path m_root;
  LibraryState m_state{m_settings, m_boxes, [this] { return m_root.string(); }};
};

TEST_F(CountryFileTest, NamesComeFromTheShippedFile) {
  EXPECT_EQ(CountryName(m_state, "SK"), "Eslováquia");
  EXPECT_EQ(CountryName(m_state, "GB"), "Reino Unido");
  EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(CountryFileTest, FullDescriptionMarksEuMembers) {
  EXPECT_EQ(CountryName(m_state, "SK", true),
            "Eslováquia - Código ISO3166: 703 (SK,SVK) - País da União Europeia");
  EXPECT_EQ(CountryName(m_state, "BR", true), "Brasil - Código ISO3166: 076 (BR,BRA)");
  // Greece is "GR" in the file and "EL" in the EU list, so it is not marked.
  EXPECT_EQ(CountryName(m_state, "GR", true), "Grécia - Código ISO3166: 300 (GR,GRC)");
}

TEST_F(CountryFileTest, PortugalIsNamedWithoutTheFile) {
  m_root = "/nonexistent-qorvexctl-root";
  EXPECT_EQ(CountryName(m_state, "PT"), "Portugal");
  EXPECT_EQ(CountryName(m_state, "PT", true), "Portugal");
  EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(CountryFileTest, AbsentCodeGivesNothingAndNoMessage) {
  EXPECT_EQ(CountryName(m_state, "EL"), "");
  EXPECT_EQ(CountryName(m_state, "ZZ", true), "");
  EXPECT_EQ(CountryName(m_state, ""), "");
  EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(CountryFileTest, MissingFileShowsTheMessageOncePerCall) {
  m_root = "/nonexistent-qorvexctl-root";
  EXPECT_EQ(CountryName(m_state, "SK"), "");
  EXPECT_EQ(m_boxes.Shown().size(), 1u);
  EXPECT_EQ(CountryName(m_state, "SK", true), "");
  ASSERT_EQ(m_boxes.Shown().size(), 2u);
  EXPECT_EQ(m_boxes.Shown()[1].title, "Ficheiro com acesso negado ou inexistente");
  EXPECT_NE(m_boxes.Shown()[1].text.find("iso3166.txt"), std::string::npos);
}

TEST_F(CountryFileTest, ShortLinesAndTheFirstMatchingLineRule) {
  const auto folder = testsupport::MakeTempFolder("country-file");
  std::filesystem::create_directory(folder / "data");
  std::ofstream(folder / "data" / kCountryFileName, std::ios::binary)
      << "XX\r\n\r\n999\tXX\tXXX\tPrimeiro\r\n998\tXX\tXXY\tSegundo\r\n";
  m_root = folder;
  EXPECT_EQ(CountryName(m_state, "XX", true), "Primeiro - Código ISO3166: 999 (XX,XXX)");
  std::filesystem::remove_all(folder);
}

TEST(CountryFile, ShippedFileListsEveryCountryAndTheEuMembers) {
  std::ifstream in(testsupport::RepositoryDataFolder() / kCountryFileName, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  auto lines = SplitCountryFile(bytes);
  ASSERT_EQ(lines.size(), 250u);  // the last line ends in CR LF too
  EXPECT_TRUE(lines.back().empty());
  lines.pop_back();
  std::set<std::string> codes;
  for (const auto& line : lines) {
    ASSERT_EQ(line.size(), 4u) << Join(line, "|");
    EXPECT_EQ(line[0].size(), 3u);
    EXPECT_EQ(line[2].size(), 3u);
    codes.insert(line[1]);
  }
  EXPECT_EQ(codes.size(), 249u);
  for (const std::string& eu : Split(EuCountryCodesPortugalFirst, ",")) {
    EXPECT_EQ(codes.contains(eu), eu != "EL") << eu;
  }
}

}  // namespace
}  // namespace qorvexctl
