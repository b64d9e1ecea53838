#include "IrsForm.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "IrsDeclarationStore.h"
#include "hostkit/DemoSeed.h"
#include "hostkit/SqliteTaxpayerDirectory.h"
#include "qorvexctl/frame/FormStore.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/TabOrder.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "testsupport/TestData.h"

namespace qorvexctl::demo {
namespace {

using Values = std::map<std::string, std::string>;

class IrsFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    hostkit::SeedDemoDatabase(database);
    library.SetDefaultTaxpayerDirectory(
        std::make_shared<hostkit::SqliteTaxpayerDirectory>(database));
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::unique_ptr<IrsForm> NewForm() {
    auto form = std::make_unique<IrsForm>(desktop, library, database);
    form->Show();
    return form;
  }
  platform::Window& Control(IrsForm& form, const std::string& name, int index = -1) {
    platform::Window* control = form.FindControl(name, index);
    EXPECT_NE(control, nullptr) << name;
    return *control;
  }
  void TypeInto(platform::Window& box, const std::string& text) {
    desktop.Input().Click(box);
    desktop.Input().Type(text);
  }
  // A user fills in every page: taxpayers, disability, civil status, a dependant abroad, the
  // country, the NIB, the income with the taxpayer it belongs to, and deductions.
  void Fill(IrsForm& form) {
    TypeInto(Control(form, "txtServicoFinancas"), "3247");
    TypeInto(form.Nif().NumberBox(), "274019817");
    TypeInto(form.NifB().NumberBox(), "123456789");
    TypeInto(Control(form, "txtNomeB"), "Rui Cabral");
    auto& disability = dynamic_cast<cTipDefCTLNew&>(Control(form, "defSujeito", 1));
    desktop.Input().Click(disability.Option(1));
    TypeInto(disability.DegreeBox(), "60");
    desktop.Input().Click(Control(form, "optEstadoCivil", 1));
    desktop.Input().Click(Control(form, "chkConjunta"));
    desktop.Input().Click(Control(form, "chkEnglobamento"));
    form.NifDependant().CountryID("ES");
    TypeInto(form.NifDependant().NumberBox(), "12345678Z");
    dynamic_cast<platform::TextBox&>(Control(form, "txtPais")).Text("FR");
    TypeInto(form.RefundAccount().nib(0), "0035012300012345678");
    form.ShowPage(IrsForm::kAnexoA);
    TypeInto(form.NifEmployer().NumberBox(), "500100144");
    desktop.Input().Click(form.Holder().KindButton(1));
    TypeInto(form.Income().TextBox(), "23456,78");
    TypeInto(form.Withheld().TextBox(), "4120");
    form.ShowPage(IrsForm::kAnexoH);
    TypeInto(form.Amounts().Field(0).TextBox(), "1450,2");
    form.ShowPage(IrsForm::kRosto);
    desktop.DoEvents();
  }
  static Values ValuesOf(IrsForm& form) {
    Values values;
    for (const auto& value : IrsDeclarationStore::Values(form)) {
      values[value.key] = IrsDeclarationStore::Read(form, value);
    }
    return values;
  }

  platform::Desktop desktop;
  std::filesystem::path folder = testsupport::MakeTempFolder("irs-form");
  std::string root = testsupport::RepositoryRoot().string() + "/";
  LibraryState library{desktop.Settings(), desktop.MessageBoxes(), [this] { return root; }};
  std::shared_ptr<hostkit::HostDatabase> database =
      hostkit::HostDatabase::Open(folder / "host.sqlite");
};

TEST_F(IrsFormTest, HoldsAControlOfEveryTypeTheLibraryRegisters) {
  auto form = NewForm();
  std::set<std::string> onForm;
  for (platform::Window* control : form->Controls()) onForm.insert(control->TypeName());
  for (const std::string& name : form->Components().Names()) {
    const auto component = form->Components().Create(std::string(kLibraryName) + "." + name);
    if (dynamic_cast<platform::Window*>(component.get()) == nullptr) continue;  // not a control
    EXPECT_TRUE(onForm.contains(name)) << name << " is not on the form";
  }
}

// What a user entered comes back in a fresh form from the database: every value, and each of
// these (which the filling changed) as typed.
TEST_F(IrsFormTest, ReopeningTheSavedDeclarationRestoresEveryValue) {
  auto form = NewForm();
  const Values fresh = ValuesOf(*form);
  Fill(*form);
  ASSERT_TRUE(form->SaveDeclaration());
  const Values filled = ValuesOf(*form);
  const std::int64_t id = form->Declaration()->Id();
  form.reset();

  auto copy = NewForm();
  copy->UseDeclaration(hostkit::SqliteDeclaration::Open(database, id));
  const Values reopened = ValuesOf(*copy);
  EXPECT_EQ(reopened, filled);
  const std::pair<const char*, const char*> changed[] = {
      {"txtServicoFinancas.Text", "3247"},
      {"nifSujeitoA.Value", "PT274019817"},
      {"txtNomeA.Text", "Beatriz Lacerda Cabral"},
      {"nifSujeitoB.Value", "PT123456789"},
      {"txtNomeB.Text", "Rui Cabral"},
      {"defSujeito(1).Tipo", "1"},
      {"defSujeito(1).GrauDef", "60"},
      {"optEstadoCivil(1).Value", "True"},
      {"chkConjunta.Value", "1"},
      {"chkEnglobamento.Value", "True"},
      {"nifDependente.CountryID", "ES"},
      {"nifDependente.Value", "ES12345678Z"},
      {"txtPais.Text", "FR"},
      {"nibReembolso.Text", "003501230001234567818"},
      {"nifEntidade.Value", "PT500100144"},
      {"selTitular.SujeitoValueType", "B"},
      {"rendA401.Value", "23456.78"},
      {"rendA402.Value", "4120"},
      {"dedH601.Value", "1450.2"},
  };
  for (const auto& [key, value] : changed) {
    EXPECT_NE(fresh.at(key), filled.at(key)) << key;
    EXPECT_EQ(reopened.at(key), value) << key;
  }
  EXPECT_EQ(copy->Holder().SelectedNIF("B"), "PT123456789");
}

TEST_F(IrsFormTest, TheFormFileRecreatesEveryControlItHolds) {
  auto form = NewForm();
  Fill(*form);
  form->FormFilePath(folder / "modelo3.json");
  ASSERT_TRUE(form->SaveDeclaration());
  platform::Form loaded(desktop);
  const FormStore store(form->Components(), IntrinsicControls::Standard());
  const auto report = store.Load(folder / "modelo3.json", loaded);
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(report->skipped, std::vector<std::string>{});
  EXPECT_GT(report->created, 100);
  ASSERT_NE(loaded.FindControl("nifSujeitoA"), nullptr);
  EXPECT_EQ(loaded.FindControl("nifSujeitoA")->TypeName(), "cNIF");
  EXPECT_EQ(dynamic_cast<platform::TextBox&>(*loaded.FindControl("txtNomeB")).Text(), "Rui Cabral");
}

// A value the control refuses (a hand-edited database) is skipped; the rest still comes back.
TEST_F(IrsFormTest, AValueAControlRefusesLeavesTheOthersRestored) {
  auto form = NewForm();
  Fill(*form);
  ASSERT_TRUE(form->SaveDeclaration());
  const auto declaration = form->Declaration();
  declaration->Set("rendA401.Value", "muito");
  declaration->Set("defSujeito(1).Tipo", "9");
  auto copy = NewForm();
  copy->UseDeclaration(hostkit::SqliteDeclaration::Open(database, declaration->Id()));
  EXPECT_EQ(copy->Income().Value(), 0);
  EXPECT_DOUBLE_EQ(copy->Withheld().Value(), 4120);
  EXPECT_EQ(copy->NifB().Value(), "PT123456789");
}

// Tab from each stop of a page lands on the next one and Shift+Tab on the one before, right
// round the page: no control keeps the focus, skips its neighbour or sends it elsewhere.
TEST_F(IrsFormTest, TabAndShiftTabVisitEveryStopOfEachPageInOrder) {
  auto form = NewForm();
  Fill(*form);
  for (int page = 0; page < IrsForm::kPageCount; ++page) {
    form->ShowPage(page);
    desktop.DoEvents();
    const std::vector<platform::Window*> stops = platform::TabStops(*form);
    ASSERT_GT(stops.size(), 5u) << "page " << page;
    for (std::size_t i = 0; i < stops.size(); ++i) {
      for (const bool forward : {true, false}) {
        const std::size_t next = forward ? (i + 1) % stops.size() : (i + stops.size() - 1) % stops.size();
        stops[i]->SetFocus();
        desktop.Input().SendKeys(forward ? "{TAB}" : "+{TAB}");
        desktop.DoEvents();
        EXPECT_EQ(desktop.Focus(), stops[next])
            << "page " << page << ": " << (forward ? "Tab" : "Shift+Tab") << " from "
            << stops[i]->Parent()->Name() << "." << stops[i]->Name() << " went to "
            << (desktop.Focus() ? desktop.Focus()->Name() : "nothing");
      }
    }
  }
}

}  // namespace
}  // namespace qorvexctl::demo
