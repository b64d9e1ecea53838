#include "qorvexctl/frame/FormStore.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "qorvexctl/frame/UserControl.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/CheckBox.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Frame.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/ListView.h"
#include "qorvexctl/platform/widgets/ScrollBar.h"
#include "qorvexctl/platform/widgets/TextBox.h"
#include "testsupport/TestData.h"

namespace qorvexctl {
namespace {

using platform::CheckBox;
using platform::CommandButton;
using platform::Form;
using platform::Label;
using platform::TextBox;

// A library control with two persisted properties, made by the registry as "QORVEXCTL.cGauge".
class cGauge final : public UserControl {
 public:
  cGauge(LibraryState& library, platform::Desktop& desktop) : UserControl(library, desktop) {}
  std::string_view ClassName() const override { return "cGauge"; }

  std::string caption;
  int limit = 10;

 protected:
  std::span<const PersistedProperty> PersistedProperties() const override {
    static const std::array<PersistedProperty, 2> table{
        Persisted<cGauge>(
            "Caption", "", [](cGauge& g, const Variant& v) { g.caption = v.ToString(); },
            [](const cGauge& g) { return g.caption; }),
        Persisted<cGauge>(
            "Limit", 10, [](cGauge& g, const Variant& v) { g.limit = v.ToLong(); },
            [](const cGauge& g) { return g.limit; }),
    };
    return table;
  }
};

class FormStoreTest : public ::testing::Test {
 protected:
  FormStoreTest() {
    registry.Register(
        "cGauge", [this](LibraryState& state) { return std::make_unique<cGauge>(state, desktop); });
  }
  ~FormStoreTest() override { std::filesystem::remove_all(folder); }

  // A form with intrinsic controls (one inside a frame, two in a control array) and a gauge.
  void FillIn(Form& form) {
    form.Name("frmAnexo");
    form.Caption("Anexo H");
    form.Move(0, 0, 6000, 4500);
    auto& name = form.Add<TextBox>("txtNome");
    name.Move(120, 120, 2400, 315);
    name.Text("Ana Sá");
    name.MaxLength(40);
    name.TabIndex(2);
    auto& frame = form.Add<platform::Frame>("fraMorada", nullptr, "Morada");
    frame.Move(120, 600, 3000, 1500);
    auto& street = form.Add<TextBox>("txtRua", &frame);
    street.Move(120, 300, 2000, 315);
    street.Alignment(1);
    for (int i = 0; i < 2; ++i) {
      auto& option = form.Add<CheckBox>("chkAnexo", nullptr, i ? "Anexo B" : "Anexo A");
      option.Index(i);
      option.Move(3300, 120 + 400 * i, 1500, 300);
      option.Value(i);
    }
    auto& label = form.Add<Label>("lblTitulo", nullptr, "&Rendimentos");
    label.Move(120, 2200, 2000, 300);
    auto font = label.Font();
    font.Bold(true);
    label.Font(font);
    label.ForeColor(RGB(0, 0, 128));
    form.Add<CommandButton>("cmdOK", nullptr, "OK").Default(true);
    auto gauge = registry.Create("QORVEXCTL.cGauge");
    auto* control = dynamic_cast<cGauge*>(gauge.get());
    control->SetParent(&form);
    control->caption = "Total";
    control->limit = 99;
    control->Tag("soma");
    control->Move(3300, 1200, 1500, 600);
    form.Adopt(std::shared_ptr<platform::Window>(gauge, control), "gauge");
  }

  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};
  Registry registry{library};
  FormStore store{registry, IntrinsicControls::Standard()};
  std::filesystem::path folder = testsupport::MakeTempFolder("formstore");
};

TEST_F(FormStoreTest, FormRoundTripsThroughItsFileWithEveryControlAndProperty) {
  Form original(desktop);
  FillIn(original);
  const auto path = folder / "anexo.json";
  ASSERT_TRUE(store.Save(original, path));

  Form copy(desktop);
  const auto report = store.Load(path, copy);
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(report->created, 8);
  EXPECT_TRUE(report->skipped.empty());
  EXPECT_EQ(store.Capture(copy).ToText(), store.Capture(original).ToText());

  EXPECT_EQ(copy.Caption(), "Anexo H");
  EXPECT_EQ(copy.Width(), 6000);
  auto* name = dynamic_cast<TextBox*>(copy.FindControl("txtNome"));
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->Text(), "Ana Sá");
  EXPECT_EQ(name->MaxLength(), 40);
  EXPECT_EQ(name->TabIndex(), 2);
  EXPECT_EQ(name->Left(), 120);
  auto* street = dynamic_cast<TextBox*>(copy.FindControl("txtRua"));
  ASSERT_NE(street, nullptr);
  EXPECT_EQ(street->Parent(), copy.FindControl("fraMorada"));
  EXPECT_EQ(street->Alignment(), 1);
  auto* second = dynamic_cast<CheckBox*>(copy.FindControl("chkAnexo", 1));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->Caption(), "Anexo B");
  EXPECT_EQ(second->Value(), 1);
  auto* label = dynamic_cast<Label*>(copy.FindControl("lblTitulo"));
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(label->Font().Bold());
  EXPECT_EQ(label->ForeColor(), RGB(0, 0, 128));
  auto* ok = dynamic_cast<CommandButton*>(copy.FindControl("cmdOK"));
  ASSERT_NE(ok, nullptr);
  EXPECT_TRUE(ok->Default());
  auto* gauge = dynamic_cast<cGauge*>(copy.FindControl("gauge"));
  ASSERT_NE(gauge, nullptr);
  EXPECT_EQ(gauge->caption, "Total");
  EXPECT_EQ(gauge->limit, 99);
  EXPECT_EQ(gauge->Tag(), "soma");
  EXPECT_EQ(gauge->Top(), 1200);
  EXPECT_EQ(library.LiveObjectCount(), 2);
}

TEST_F(FormStoreTest, StoresNeitherDefaultPropertiesNorTheInnerPartsOfControls) {
  Form form(desktop);
  auto& box = form.Add<TextBox>("txtVazio");
  form.Add<Label>("lblDentro", &box);  // a part of the box, not of the form
  const FormFile file = store.Capture(form);
  ASSERT_EQ(file.controls.size(), 1u);
  EXPECT_EQ(file.controls[0].properties.Count(), 0u);
}

TEST_F(FormStoreTest, ScrollBarsAndListViewsComeBackWithTheirRangesAndColumns) {
  Form original(desktop);
  auto& bar = original.Add<platform::ScrollBar>("hsbTamanho", nullptr,
                                                platform::ScrollBarOrientation::Horizontal);
  bar.Move(120, 120, 2400, 255);
  bar.Min(6);
  bar.Max(20);
  bar.LargeChange(4);
  bar.Value(12);
  auto& list = original.Add<platform::ListView>("lvwPaises");
  list.Move(120, 600, 4000, 2000);
  list.AddColumn("País", 2400);
  list.AddColumn("Código; ISO", 900);
  list.SortKey(1);
  list.SortOrder(platform::lvwDescending);
  list.AddItem("Espanha").SetSubItem(1, "ES");  // items are the host's, not the form's
  const auto path = folder / "listas.json";
  ASSERT_TRUE(store.Save(original, path));

  Form copy(desktop);
  const auto report = store.Load(path, copy);
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(report->created, 2);
  auto* bar2 = dynamic_cast<platform::ScrollBar*>(copy.FindControl("hsbTamanho"));
  ASSERT_NE(bar2, nullptr);
  EXPECT_FALSE(bar2->IsVertical());
  EXPECT_EQ((std::array<int, 4>{bar2->Min(), bar2->Max(), bar2->LargeChange(), bar2->Value()}),
            (std::array<int, 4>{6, 20, 4, 12}));
  auto* list2 = dynamic_cast<platform::ListView*>(copy.FindControl("lvwPaises"));
  ASSERT_NE(list2, nullptr);
  ASSERT_EQ(list2->ColumnCount(), 2);
  EXPECT_EQ(list2->Column(1).Text(), "Código; ISO");
  EXPECT_EQ(list2->Column(1).Width(), 900);
  EXPECT_EQ(list2->SortKey(), 1);
  EXPECT_EQ(list2->SortOrder(), platform::lvwDescending);
  EXPECT_EQ(list2->ItemCount(), 0);
  EXPECT_EQ(store.Capture(copy).ToText(), store.Capture(original).ToText());
}

TEST_F(FormStoreTest, UnknownTypesAreSkippedAndReportedWhileTheRestLoads) {
  FormFile file;
  file.controls = {{"Gadget", "gizmo", std::nullopt, 0, 0, 300, 300, {}, {}},
                   {"TextBox", "txtA", std::nullopt, 0, 400, 900, 300, {}, {}},
                   {"cMissing", "other", 3, 0, 800, 900, 300, {}, {}}};
  file.controls[1].properties.WriteProperty("Text", "kept");
  file.controls[1].properties.WriteProperty("MaxLength", "not a number");
  Form form(desktop);
  const FormLoadReport report = store.Restore(file, form);
  EXPECT_EQ(report.created, 1);
  EXPECT_EQ(report.skipped, (std::vector<std::string>{"gizmo (Gadget)", "other (cMissing)"}));
  auto* box = dynamic_cast<TextBox*>(form.FindControl("txtA"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->Text(), "kept");  // the bad MaxLength is skipped, the text still applied
  EXPECT_EQ(box->MaxLength(), 0);
}

TEST_F(FormStoreTest, DamagedFileLoadsAsNothingAndLeavesTheFormAlone) {
  Form original(desktop);
  FillIn(original);
  const auto path = folder / "anexo.json";
  ASSERT_TRUE(store.Save(original, path));
  const std::string text = store.Capture(original).ToText();
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text.substr(0, text.size() / 2);

  Form copy(desktop);
  EXPECT_FALSE(store.Load(path, copy).has_value());
  EXPECT_FALSE(store.Load(folder / "absent.json", copy).has_value());
  EXPECT_TRUE(copy.Controls().empty());
  EXPECT_EQ(copy.Caption(), "");
}

}  // namespace
}  // namespace qorvexctl
