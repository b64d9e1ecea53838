#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/controls/selection/SelectionTest.h"
#include "qorvexctl/frame/CountryTables.h"
#include "qorvexctl/platform/services/MessageBoxService.h"

namespace qorvexctl {
namespace {

using CountrySelectionTest = SelectionTest;

TEST_F(CountrySelectionTest, EachFilterOffersItsCountries) {
  const struct {
    const char* name;
    GSEL_CountryFilterList filter;
    std::string given;
    std::string filterAfter;
    int offered;  // buttons of the dialog; 0 when none is shown
    std::vector<std::string> firstTitles;
  } cases[] = {
      {"custom ES and FR", GSEL_Custom, "ES,FR", "ES,FR", 2, {"Espanha", "França"}},
      // An entry matches every code it begins with: "ESP" takes ES.
      {"custom ESP and FR", GSEL_Custom, "ESP,FR", "ESP,FR", 2, {"Espanha", "França"}},
      {"custom lower case matches nothing", GSEL_Custom, "es,fr", "es,fr", 0, {}},
      {"custom single code", GSEL_Custom, "ES", "ES", 0, {}},
      {"custom empty", GSEL_Custom, "", "", 0, {}},
      {"all", GSEL_All, "ES", "*", 249, {"Afeganistão", "África do Sul", "Albânia"}},
      // 26 of the 27 codes are lines of the file: Greece is "GR" there, not "EL".
      {"EU", GSEL_OnlyEU, "", std::string(EuCountryCodesPortugalFirst), 26,
       {"Alemanha", "Áustria", "Bélgica"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> titles;
    int offered = 0;
    Answer([&](frmSelector& form) {
      offered = form.btnSelectorUBound() + 1;
      for (int i = 0; i < offered && i < 3; ++i) titles.push_back(form.btnSelector(i).Caption());
      Click(form.btn_Handle(1));
    });
    std::string filter = c.given;
    const int before = DialogsShown();
    EXPECT_EQ(selection.SelectCountry(GFXSelection{}, c.filter, filter), "");
    EXPECT_EQ(filter, c.filterAfter);
    EXPECT_EQ(DialogsShown() - before, c.offered > 0 ? 1 : 0);
    EXPECT_EQ(offered, c.offered);
    const std::size_t shown = std::min<std::size_t>(c.firstTitles.size(), 3);
    EXPECT_EQ(titles, std::vector<std::string>(c.firstTitles.begin(),
                                               c.firstTitles.begin() + static_cast<long>(shown)));
    desktop.Scripts().TakeFormScript({"frmSelector"});  // an unused answer does not linger
  }
}

TEST_F(CountrySelectionTest, PortugalOnlyAnswersAtOnce) {
  std::string filter = "ES,FR";
  EXPECT_EQ(selection.SelectCountry(GFXSelection{}, GSEL_OnlyPT, filter), "PT");
  EXPECT_EQ(filter, "PT,");
  EXPECT_EQ(DialogsShown(), 0);
}

TEST_F(CountrySelectionTest, TheChosenCountrysCodeIsTheAnswer) {
  GFXSelection s;
  s.Title = "País de residência";
  Answer([&](frmSelector& form) {
    EXPECT_EQ(form.lblTITLE().Caption(), "País de residência");
    EXPECT_NE(form.btnSelector(2).Picture(), nullptr);  // every EU country has its flag
    Click(form.btnSelector(2));
    Click(form.btn_Handle(0));
  });
  std::string filter;
  EXPECT_EQ(selection.SelectCountry(s, GSEL_OnlyEU, filter), "BE");
  EXPECT_EQ(log.back(), "Closed");
}

TEST_F(CountrySelectionTest, TheFixedListsAndTheCodedTables) {
  EXPECT_EQ(selection.EU_CountryList(),
            "PT,DE,AT,BE,BG,CY,DK,SK,SI,ES,EE,FI,FR,EL,NL,HU,GB,IE,IT,LV,LT,LU,MT,PL,CZ,RO,SE");
  EXPECT_EQ(selection.SelectCAErev3(), "");
  EXPECT_EQ(selection.SelectCTA(), "");
  EXPECT_EQ(selection.SelectDistrito(), "");
  EXPECT_EQ(selection.SelectLocalidade(), "");
  EXPECT_EQ(selection.SelectLocalidade("Lisboa"), "");
  EXPECT_EQ(selection.SelectFreguesia(), "");
  EXPECT_EQ(selection.SelectFreguesia("Sintra"), "");
  EXPECT_EQ(DialogsShown(), 0);
}

// A data folder of its own: a country file and the flags asked for.
struct OwnDataFolderTest : ::testing::Test {
  std::filesystem::path root = testsupport::MakeTempFolder("selection");
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes(),
                       [this] { return root.string(); }};
  clsGFXSelection selection{library, desktop};

  ~OwnDataFolderTest() override { std::filesystem::remove_all(root); }
  void WriteCountries(const std::string& text) {
    std::filesystem::create_directories(root / "data");
    std::ofstream(root / "data" / "iso3166.txt", std::ios::binary) << text;
  }
  void CopyFlag(const std::string& code) {
    const auto folder = root / "data/images/flags_iso/16";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(
        testsupport::RepositoryDataFolder() / "images/flags_iso/16" / (code + ".png"),
        folder / (code + ".png"));
  }
  int BoxesShown() {
    return static_cast<int>(
        dynamic_cast<platform::HeadlessMessageBoxService&>(desktop.MessageBoxes()).Shown().size());
  }
};

TEST_F(OwnDataFolderTest, ACountryWithoutAFlagFileGetsAButtonWithoutAPicture) {
  WriteCountries("724\tES\tESP\tEspanha\r\n250\tFR\tFRA\tFrança\r\n");
  CopyFlag("ES");
  bool esFlag = false;
  bool frFlag = true;
  desktop.Scripts().OnModalForm("frmSelector", [&](platform::Window& modal) {
    auto& form = dynamic_cast<frmSelector&>(modal);
    esFlag = form.btnSelector(0).Picture() != nullptr;
    frFlag = form.btnSelector(1).Picture() != nullptr;
    desktop.Input().Click(form.btnSelector(1));
    desktop.Input().Click(form.btn_Handle(0));
  });
  std::string filter;
  EXPECT_EQ(selection.SelectCountry(GFXSelection{}, GSEL_All, filter), "FR");
  EXPECT_TRUE(esFlag);
  EXPECT_FALSE(frFlag);
}

TEST_F(OwnDataFolderTest, AMatchingLineWithoutANameIsASubscriptError) {
  WriteCountries("724\tES\tESP\tEspanha\r\n999\tZZ\r\n");
  std::string filter = "ES,ZZ";
  try {
    selection.SelectCountry(GFXSelection{}, GSEL_Custom, filter);
    FAIL() << "no error";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), kErrSubscriptOutOfRange);
  }
  // A short line the filter does not take is passed over.
  filter = "ES";
  EXPECT_EQ(selection.SelectCountry(GFXSelection{}, GSEL_Custom, filter), "");
}

TEST_F(OwnDataFolderTest, AMissingCountryFileIsToldAndAnswersNothing) {
  std::string filter;
  EXPECT_EQ(selection.SelectCountry(GFXSelection{}, GSEL_All, filter), "");
  EXPECT_EQ(BoxesShown(), 1);
  EXPECT_TRUE(desktop.Scripts().Log().empty());
}

}  // namespace
}  // namespace qorvexctl
