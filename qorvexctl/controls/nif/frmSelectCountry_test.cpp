#include "qorvexctl/controls/nif/frmSelectCountry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qorvexctl/controls/nif/NifFieldTest.h"
#include "qorvexctl/frame/CountryFile.h"
#include "qorvexctl/frame/FlagPicture.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "testsupport/SurfaceCompare.h"

namespace qorvexctl {
namespace {

using Rows = std::vector<std::string>;

platform::Point CentreOf(const platform::Rect& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

struct CountryListTest : NifFieldTest {
  frmSelectCountry list{library, desktop};

  // Each row as "name|code|number".
  Rows Listed() {
    Rows rows;
    for (platform::ListItem* item : list.cList().Items()) {
      rows.push_back(item->Text() + "|" + item->SubItem(1) + "|" + item->SubItem(2));
    }
    return rows;
  }

  Rows Relisted(GSEL_CountryFilterList filter, std::string custom = {}) {
    list.Filter(filter);
    list.CustomList(std::move(custom));
    list.RelistCountries();
    return Listed();
  }

  // The row whose second column holds `code`.
  platform::ListItem& RowOf(const std::string& code) {
    for (platform::ListItem* item : list.cList().Items()) {
      if (item->SubItem(1) == code) return *item;
    }
    throw std::runtime_error("no row for " + code);
  }
};

TEST_F(CountryListTest, StartsWithEveryCountryOfTheFileAfterPortugal) {
  EXPECT_EQ(list.Filter(), GSEL_All);
  const Rows rows = Relisted(GSEL_All);
  std::size_t countries = 0;
  const std::string text = ReadWholeFile(library, GetDataPath(library) + kCountryFileName);
  for (const auto& line : SplitCountryFile(text)) countries += line.size() >= 2 ? 1 : 0;
  ASSERT_EQ(rows.size(), countries + 1);
  EXPECT_EQ(rows.front(), "Portugal|PT|");
  EXPECT_EQ(rows.at(1), "Afeganistão|AF|004");  // numeric codes keep three digits
  EXPECT_EQ(list.cList().ColumnCount(), 3);
  EXPECT_FALSE(list.Picture1().Visible());
}

TEST_F(CountryListTest, EachFilterOffersItsCountries) {
  EXPECT_EQ(Relisted(GSEL_OnlyPT), (Rows{"Portugal|PT|"}));
  const Rows eu = Relisted(GSEL_OnlyEU);
  // Greece is "GR" in the file, never "EL", so the file gives 26 members, Portugal among them.
  EXPECT_EQ(eu.size(), 27u);
  EXPECT_EQ(eu.front(), "Portugal|PT|");
  EXPECT_NE(std::find(eu.begin(), eu.end(), "Portugal|PT|620"), eu.end());
  EXPECT_NE(std::find(eu.begin(), eu.end(), "Espanha|ES|724"), eu.end());
}

TEST_F(CountryListTest, ACustomListNeedsACommaAfterEveryCode) {
  EXPECT_EQ(Relisted(GSEL_Custom, "ES,FR"), (Rows{"Espanha|ES|724"}));
  EXPECT_EQ(Relisted(GSEL_Custom, "FR,ES,"), (Rows{"Espanha|ES|724", "França|FR|250"}));
  // Portugal is not put first in a custom list; the file's line comes only when it is named.
  EXPECT_EQ(Relisted(GSEL_Custom, "ES,PT,"), (Rows{"Espanha|ES|724", "Portugal|PT|620"}));
}

TEST_F(CountryListTest, RowsShowTheFlagsDrawnThroughTheHiddenPicture) {
  Relisted(GSEL_OnlyEU);
  const platform::ImageList* flags = list.cList().SmallIcons();
  ASSERT_NE(flags, nullptr);
  EXPECT_EQ(flags->Count(), 27 - 1);  // Portugal's flag once
  EXPECT_EQ(RowOf("DE").SmallIcon(), "DE");
  const platform::Picture* german = flags->Find("DE");
  ASSERT_NE(german, nullptr);
  const auto same = testsupport::CompareSurfaces(german->Pixels(), FlagCell(library, "DE"), 0);
  EXPECT_TRUE(same) << same.message;
  EXPECT_EQ(library.FlagTarget(), nullptr);
}

TEST_F(CountryListTest, HeaderClicksSortAndTheSameColumnReverses) {
  Relisted(GSEL_Custom, "FR,ES,DE,");
  list.Show();
  auto clickHeader = [&](int column) {
    input.Click(list.cList(), CentreOf(list.cList().HeaderRect(column)));
  };
  clickHeader(1);
  EXPECT_EQ(Listed(), (Rows{"Alemanha|DE|276", "Espanha|ES|724", "França|FR|250"}));
  clickHeader(1);
  EXPECT_EQ(Listed(), (Rows{"França|FR|250", "Espanha|ES|724", "Alemanha|DE|276"}));
  clickHeader(2);
  EXPECT_EQ(Listed(), (Rows{"França|FR|250", "Alemanha|DE|276", "Espanha|ES|724"}));
}

TEST_F(CountryListTest, ConfirmTakesTheSelectedCodeAndCancelNone) {
  Relisted(GSEL_OnlyEU);
  list.Show();
  list.cList().SelectedItem(&RowOf("IT"));
  input.Click(list.EF_CommandButton1(0));
  EXPECT_EQ(list.SelectedCode(), "IT");
  EXPECT_FALSE(list.Visible());
  list.Show();
  input.Click(list.EF_CommandButton1(1));
  EXPECT_EQ(list.SelectedCode(), "");
  EXPECT_FALSE(list.Visible());
}

// The field's flag opens the list; scripts answer the modal window as a user would.
struct ShowCountryListTest : NifFieldTest {
  std::unique_ptr<cNIF> field = MakeField();
  Log hostLog;

  void SetUp() override {
    form.Show();
    field->Countries(GSEL_OnlyEU);
    field->DisplayingCountryList.connect([this](bool&) { hostLog.push_back("Displaying"); });
    field->CountryListSelected.connect(
        [this](std::string& code, bool&) { hostLog.push_back("Selected " + code); });
  }

  // Installs a script that double-clicks the row of `code`.
  void DoubleClickRowWhenShown(const std::string& code) {
    desktop.Scripts().OnModalForm("frmSelectCountry", [this, code](platform::Window& modal) {
      auto& list = dynamic_cast<frmSelectCountry&>(modal).cList();
      for (platform::ListItem* item : list.Items()) {
        if (item->SubItem(1) != code) continue;
        item->EnsureVisible();
        input.DoubleClick(list, CentreOf(list.ItemRect(item->Index())));
        return;
      }
    });
  }
};

TEST_F(ShowCountryListTest, DoubleClickingARowChoosesItsCountry) {
  DoubleClickRowWhenShown("FR");
  input.Click(field->FlagBox());
  EXPECT_EQ(hostLog, (Log{"Displaying", "Selected FR"}));
  EXPECT_EQ(field->CountryID(), "FR");
  EXPECT_EQ(field->MousePointer(), 0);
  EXPECT_FALSE(desktop.Scripts().Log().back().cancelled);
}

TEST_F(ShowCountryListTest, CancellingKeepsTheCountry) {
  desktop.Scripts().OnModalForm("frmSelectCountry", [this](platform::Window& modal) {
    input.Click(dynamic_cast<frmSelectCountry&>(modal).EF_CommandButton1(1));
  });
  input.Click(field->FlagBox());
  EXPECT_EQ(hostLog, (Log{"Displaying", "Selected "}));
  EXPECT_EQ(field->CountryID(), "PT");
  EXPECT_FALSE(desktop.Scripts().Log().back().cancelled);  // the button closed it
}

TEST_F(ShowCountryListTest, TheHostMayRefuseTheList) {
  field->DisplayingCountryList.connect([](bool& cancel) { cancel = true; });
  input.Click(field->FlagBox());
  EXPECT_EQ(hostLog, (Log{"Displaying"}));
  EXPECT_TRUE(desktop.Scripts().Log().empty());
}

TEST_F(ShowCountryListTest, TheHostMayRefuseTheChosenCountry) {
  field->CountryListSelected.connect([](std::string&, bool& cancel) { cancel = true; });
  DoubleClickRowWhenShown("DE");
  field->ShowCountryList();
  EXPECT_EQ(hostLog, (Log{"Displaying", "Selected DE"}));
  EXPECT_EQ(field->CountryID(), "PT");
}

}  // namespace
}  // namespace qorvexctl
