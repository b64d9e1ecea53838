// The disability-type selector driven through the headless desktop: option clicks, the degree
// box typed into, the scroll bar's arrows, pixels of the option pictures, and the form file
// round trip together with a taxpayer selector and a text box.

#include "qorvexctl/controls/helpers/cTipDefCTLNew.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "qorvexctl/controls/helpers/cSujeitoSelector.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Compositor.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/TextBox.h"
#include "testsupport/FormRoundTrip.h"

namespace qorvexctl {
namespace {

struct TipDefTest : ::testing::Test {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};
  platform::Form form{desktop, "Anexo"};
  std::vector<std::string> log;
  std::unique_ptr<cTipDefCTLNew> tip = MakeSelector();

  std::unique_ptr<cTipDefCTLNew> MakeSelector() {
    form.SetBounds(platform::Rect::FromSize(0, 0, 400, 200));
    auto made = std::make_unique<cTipDefCTLNew>(library, desktop, &form);
    made->Name("TipDef");
    made->SetBounds(platform::Rect::FromSize(10, 10, 200, 34));
    made->InitProperties();
    made->Changed.connect([this] { log.push_back("Changed"); });
    made->GrauChanged.connect([this] { log.push_back("GrauChanged " + std::to_string(tip->GrauDef())); });
    form.Show();
    return made;
  }
};

TEST_F(TipDefTest, TipoIsClampedToTheThreeOptions) {
  const struct {
    int given;
    IRS_TipoSujeito kept;
  } cases[] = {{5, IRS_SujeitoDeficienteFA}, {-1, IRS_SujeitoNormal}, {1, IRS_SujeitoDeficiente},
               {2, IRS_SujeitoDeficienteFA}, {0, IRS_SujeitoNormal}};
  for (const auto& c : cases) {
    tip->Tipo(c.given);
    EXPECT_EQ(tip->Tipo(), c.kept) << c.given;
  }
  EXPECT_EQ(log.size(), std::size(cases)) << "every let raises Changed";
  // A hand over every option but the selected one.
  EXPECT_EQ(tip->Option(0).MousePointer(), 0);
  EXPECT_NE(tip->Option(1).MousePointer(), 0);
}

TEST_F(TipDefTest, TheDegreeFieldShowsOnlyForADisabilityWhenAsked) {
  const struct {
    bool show;
    IRS_TipoSujeito tipo;
    bool visible;
  } cases[] = {{true, IRS_SujeitoNormal, false},     {true, IRS_SujeitoDeficiente, true},
               {true, IRS_SujeitoDeficienteFA, true}, {false, IRS_SujeitoDeficiente, false},
               {false, IRS_SujeitoNormal, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.show) + " " + std::to_string(c.tipo));
    tip->ShowGrauDef(c.show);
    tip->Tipo(c.tipo);
    EXPECT_EQ(tip->DegreeBox().Visible(), c.visible);
    EXPECT_EQ(tip->DegreeScroll().Visible(), c.visible);
    EXPECT_EQ(tip->DegreeLabel().Visible(), c.visible);
  }
}

TEST_F(TipDefTest, ClickingAnOptionSelectsItAndFocusesTheDegreeBox) {
  tip->ShowGrauDef(true);
  desktop.Input().Click(tip->Option(1));
  EXPECT_EQ(tip->Tipo(), IRS_SujeitoDeficiente);
  EXPECT_EQ(desktop.Focus(), &tip->DegreeBox());
  EXPECT_EQ(log, (std::vector<std::string>{"Changed"}));
}

TEST_F(TipDefTest, TypingKeepsTheDegreeWithinAHundredAndRefusesLetters) {
  tip->ShowGrauDef(true);
  desktop.Input().Click(tip->Option(2));
  log.clear();
  desktop.Input().Type("6a");
  EXPECT_EQ(tip->DegreeBox().Text(), "6");
  EXPECT_EQ(tip->GrauDef(), 6);
  desktop.Input().SendKeys("{BS}");
  desktop.Input().Type("150");
  EXPECT_EQ(tip->GrauDef(), 100);
  EXPECT_EQ(tip->DegreeBox().Text(), "100");
  EXPECT_EQ(log, (std::vector<std::string>{"GrauChanged 6", "GrauChanged 0", "GrauChanged 1",
                                           "GrauChanged 15", "GrauChanged 100"}));
}

TEST_F(TipDefTest, TheScrollBarStepsTheDegreeAndRaisesGrauChanged) {
  tip->ShowGrauDef(true);
  tip->Tipo(IRS_SujeitoDeficiente);
  tip->GrauDef(60);
  tip->GrauDef(101);  // ignored
  EXPECT_EQ(tip->GrauDef(), 60);
  EXPECT_EQ(tip->DegreeBox().Text(), "60");
  log.clear();
  desktop.Input().Click(tip->DegreeScroll(), platform::Point{7, 3});  // the upper arrow
  EXPECT_EQ(tip->GrauDef(), 61);
  EXPECT_EQ(tip->DegreeBox().Text(), "61");
  EXPECT_EQ(log, (std::vector<std::string>{"GrauChanged 61"}));
}

TEST_F(TipDefTest, LeavingTheBoxRewritesWhatWasPasted) {
  tip->ShowGrauDef(true);
  desktop.Input().Click(tip->Option(1));
  tip->DegreeBox().Text("75,4");  // a number that was not typed key by key
  EXPECT_EQ(tip->GrauDef(), 75);
  form.SetFocus();
  desktop.DoEvents();
  EXPECT_EQ(tip->DegreeBox().Text(), "75");
}

// The colour at the left edge of option `index`: the selected picture is filled
// with blue, the others with white, the disabled ones with grey.
Colour OptionFill(cTipDefCTLNew& tip, int index) {
  tip.GetDesktop().DoEvents();
  const platform::Surface shown = platform::ComposeWindow(tip);
  return shown.PixelColour(index * 34 + 4, 16);
}

TEST_F(TipDefTest, TheSelectedOptionIsDrawnWithItsSelectedPicture) {
  tip->Tipo(IRS_SujeitoDeficiente);
  EXPECT_EQ(tip->OptionPictureName(0), "TIP_A0");
  EXPECT_EQ(tip->OptionPictureName(1), "TIP_B1");
  EXPECT_GT(BlueOf(OptionFill(*tip, 1)), 150);
  EXPECT_LT(RedOf(OptionFill(*tip, 1)), 80);
  EXPECT_GT(RedOf(OptionFill(*tip, 0)), 240);
  tip->Enabled(false);
  EXPECT_EQ(tip->OptionPictureName(1), "TIP_B");
  EXPECT_FALSE(tip->Option(1).Visible());
  const Colour grey = OptionFill(*tip, 1);
  EXPECT_EQ(RedOf(grey), BlueOf(grey));
  EXPECT_TRUE(TipPicture("TIP_Z").IsEmpty());
}

TEST_F(TipDefTest, BothSelectorsComeBackFromAFormFileBesideATextBox) {
  tip->ShowGrauDef(true);
  tip->Tipo(IRS_SujeitoDeficienteFA);
  tip->GrauDef(80);
  tip->ToolTip(2, "Com deficiência");
  cSujeitoSelector who(library, desktop, &form);
  who.Name("Sujeito");
  who.Move(150, 1000, 6000, 500);
  who.InitProperties();
  std::string possible = "ABDH";
  who.Possible(possible);
  who.CanSelectNone(true);
  platform::TextBox note(form);
  note.Name("txtNota");
  note.Text("anexo H");

  Registry registry(library);
  RegisterSujeitoSelector(registry, desktop);
  RegisterTipDefSelector(registry, desktop);
  platform::Form again(desktop, "Anexo");
  const auto report = testsupport::SaveAndLoad(registry, form, again);
  ASSERT_TRUE(report.has_value());
  EXPECT_TRUE(report->skipped.empty());

  std::vector<cTipDefCTLNew*> tips;
  std::vector<cSujeitoSelector*> selectors;
  std::vector<platform::TextBox*> boxes;
  for (platform::Window* child : again.Children()) {
    if (auto* t = dynamic_cast<cTipDefCTLNew*>(child)) tips.push_back(t);
    if (auto* s = dynamic_cast<cSujeitoSelector*>(child)) selectors.push_back(s);
    if (auto* b = dynamic_cast<platform::TextBox*>(child)) boxes.push_back(b);
  }
  ASSERT_EQ(tips.size(), 1u);
  ASSERT_EQ(selectors.size(), 1u);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(tips[0]->Tipo(), IRS_SujeitoDeficienteFA);
  EXPECT_EQ(tips[0]->GrauDef(), 80);
  EXPECT_TRUE(tips[0]->ShowGrauDef());
  EXPECT_EQ(tips[0]->ToolTip(2), "Com deficiência");
  EXPECT_EQ(tips[0]->Option(1).ToolTipText(), "Com deficiência");
  EXPECT_EQ(tips[0]->ToolTip(4), "Grau de Deficiência (percentagem de incapacidade)");
  EXPECT_EQ(selectors[0]->Possible(), "ABDH");
  EXPECT_TRUE(selectors[0]->CanSelectNone());
  EXPECT_EQ(boxes[0]->Text(), "anexo H");
}

}  // namespace
}  // namespace qorvexctl

namespace qorvexctl {
namespace {

TEST_F(TipDefTest, IsReachedByNameThroughItsMemberTable) {
  const ObjectRef ref{tip.get(), &cTipDefCTLNew::Members()};
  CallByName(ref, "ShowGrauDef", CallType::Let, {Variant(true)});
  CallByName(ref, "Tipo", CallType::Let, {Variant(std::int32_t{7})});
  EXPECT_EQ(CallByName(ref, "Tipo", CallType::Get).ToLong(), IRS_SujeitoDeficienteFA);
  CallByName(ref, "GrauDef", CallType::Let, {Variant(std::int32_t{45})});
  EXPECT_EQ(CallByName(ref, "GrauDef", CallType::Get).ToLong(), 45);
  CallByName(ref, "ToolTip_4", CallType::Let, {Variant(std::string("Grau"))});
  EXPECT_EQ(tip->DegreeBox().ToolTipText(), "Grau");
  EXPECT_EQ(ref.table->FindPart("txtDef")->find(tip.get(), 0), &tip->DegreeBox());
  EXPECT_EQ(ref.table->FindPart("itm")->find(tip.get(), 3), nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"Changed", "GrauChanged 45"}));
}

}  // namespace
}  // namespace qorvexctl
