// Several euro fields on one form: moving between them, their information texts, balloon tips
// and boxes, the calculator hand-over, and a form file that brings them back.

#include <filesystem>

#include "qorvexctl/controls/amount/AmountFieldTest.h"
#include "qorvexctl/controls/helpers/clsBalloonTip.h"
#include "qorvexctl/frame/FormStore.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/TextBox.h"
#include "testsupport/TestData.h"

namespace qorvexctl {
namespace {

struct AmountFormTest : AmountFieldTest {
  std::vector<std::unique_ptr<eurbox>> fields;

  // Amount fields at tab indexes 0, 1, 3, 4 and a plain text box at 2.
  void MakeFields() {
    for (int tab : {0, 1, 3, 4}) fields.push_back(MakeField(tab));
    form.Show();
  }
  eurbox* Focused() {
    for (auto& f : fields) {
      if (f->TextBox().HasFocus()) return f.get();
    }
    return nullptr;
  }
};

TEST_F(AmountFormTest, EnterMovesToTheNextEnabledAmountFieldByTabIndex) {
  MakeFields();
  platform::TextBox other(form);
  other.TabIndex(2);
  bool pressed = false;
  auto& ok = form.Add<platform::CommandButton>("cmdOK");
  ok.Default(true);  // the fields take Enter before the default button
  ok.Click.connect([&] { pressed = true; });
  fields[2]->Enabled(false);
  fields[0]->TextBox().SetFocus();
  input.PressKey(platform::vbKeyReturn);
  EXPECT_EQ(Focused(), fields[1].get());
  input.PressKey(platform::vbKeyReturn);  // skips the disabled field and the text box
  EXPECT_EQ(Focused(), fields[3].get());
  Record(*fields[3]);
  input.PressKey(platform::vbKeyReturn);  // the last one: the focus stays
  EXPECT_EQ(Focused(), fields[3].get());
  EXPECT_EQ(log.front(), "KeyDown 13");
  input.PressKey(platform::vbKeyReturn, platform::vbShiftMask);
  EXPECT_EQ(Focused(), fields[1].get());
  EXPECT_FALSE(pressed);
  fields[1]->FocusNavEnter(false);
  input.PressKey(platform::vbKeyReturn);
  EXPECT_TRUE(pressed);
}

TEST_F(AmountFormTest, ArrowsMoveOnlyWhenAskedTo) {
  MakeFields();
  fields[0]->TextBox().SetFocus();
  input.PressKey(platform::vbKeyDown);
  EXPECT_EQ(Focused(), fields[0].get());
  fields[0]->FocusNavArrows(true);
  input.PressKey(platform::vbKeyDown);
  EXPECT_EQ(Focused(), fields[1].get());
  fields[1]->FocusNavArrows(true);
  input.PressKey(platform::vbKeyUp);
  EXPECT_EQ(Focused(), fields[0].get());
}

TEST_F(AmountFormTest, FocusShowsTheCalculatorButtonAndSelectsTheText) {
  MakeFields();
  fields[0]->CampoID("301");
  fields[0]->TextBox().SetFocus();
  desktop.DoEvents();
  EXPECT_TRUE(fields[0]->CalculatorButton().Visible());
  EXPECT_EQ(fields[0]->TextBox().SelLength(), 6);
  EXPECT_EQ(fields[0]->TextBox().BackColor(), RGB(255, 255, 240));
  const int labelWidth = fields[0]->CodeLabel().Width();
  EXPECT_EQ(fields[0]->CalculatorButton().Left(), labelWidth + 15);
  EXPECT_EQ(fields[0]->TextBox().Left(), labelWidth + 15 + 225);
  fields[1]->TextBox().SetFocus();
  desktop.DoEvents();
  EXPECT_FALSE(fields[0]->CalculatorButton().Visible());
  EXPECT_EQ(fields[0]->TextBox().BackColor(), RGB(255, 255, 255));
}

TEST_F(AmountFormTest, TheBalloonWarnsWhenTheMaximumIsApplied) {
  MakeFields();
  eurbox& field = *fields[0];
  field.CampoID("301");
  field.FieldType(transporte);
  field.max(100);
  field.Value(250);
  EXPECT_EQ(field.BalloonTip(), nullptr);
  field.TextBox().SetFocus();
  input.MoveTo(field.TextBox());
  ASSERT_NE(field.BalloonTip(), nullptr);
  EXPECT_EQ(field.BalloonTip()->Title(), "Transporte(Campo 301)");
  field.Value(260);  // the next refresh sets the icon
  EXPECT_EQ(field.BalloonTip()->Icon(), TTIconWarning);
  EXPECT_EQ(field.BalloonTip()->TipText(),
            "Máximo a aplicar: 100,00 €\r\nValor a ser considerado: 100,00 € (aplicado o máximo "
            "de 100,00 €)");
  field.max(1000);
  EXPECT_EQ(field.BalloonTip()->Icon(), TTIconInfo);
  fields[1]->TextBox().SetFocus();
  EXPECT_EQ(field.BalloonTip(), nullptr);
}

TEST_F(AmountFormTest, TheDescriptionEnablesTheInformationBox) {
  MakeFields();
  eurbox& field = *fields[0];
  EXPECT_FALSE(field.ContextMenu().Item("mnu_Info")->Enabled());
  field.max(1500);
  field.descricao("Limite: %MAX%");
  EXPECT_EQ(field.descricao(), "Limite: 1.500,00 €");
  EXPECT_TRUE(field.ContextMenu().Item("mnu_Info")->Enabled());
  field.RefArtigo("IRS,78,2,a)");
  EXPECT_EQ(field.descricao(),
            "Limite: 1.500,00 €\r\nCódigo de IRS artigo 78.º número 2 alínea a)");
  EXPECT_EQ(field.RefArtigo2(), "Código de IRS artigo 78.º número 2 alínea a)");
  field.mult(0.5);
  EXPECT_NE(field.InformationText().find("Percentagem a considerar: 50% de 0,00 €"),
            std::string::npos);
  desktop.Scripts().ChoosePopupItem("Informação...");
  field.PopupContextMenu();
  auto& boxes = static_cast<platform::HeadlessMessageBoxService&>(desktop.MessageBoxes());
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].title, "Informação sobre este campo");
  EXPECT_EQ(boxes.Shown()[0].text, field.descricao());
}

TEST_F(AmountFormTest, TheDetailsBoxGoesThroughShowInfo) {
  MakeFields();
  eurbox& field = *fields[1];
  field.CampoID("302");
  field.ExtraSaveVar = "_2";
  field.Min(10);
  std::string message;
  bool showDefault = true;
  field.ShowInfo.connect([&](bool& show, std::string& text) {
    message = text;
    show = showDefault;
  });
  field.ShowDetailsBox();
  auto& boxes = static_cast<platform::HeadlessMessageBoxService&>(desktop.MessageBoxes());
  ASSERT_EQ(boxes.Shown().size(), 1u);
  const std::string& shown = boxes.Shown()[0].text;
  EXPECT_EQ(message, "Informação sobre este campo:\r\n" + shown);
  EXPECT_NE(shown.find("\r\nCampo=302\r\nSavevar=302_2\r\nParent form name='"), std::string::npos);
  EXPECT_NE(shown.find("Object name='valor1'\r\nUsemax=False (0,00 €)\r\nUsemin=True (10,00 €)"
                       "\r\nMultiplier=1\r\n\r\nMínimo a aplicar: 10,00 €"),
            std::string::npos);
  showDefault = false;
  field.ShowDetailsBox();
  EXPECT_EQ(boxes.Shown().size(), 1u);
}

// A calculator that records what the field asks of it and confirms `result`.
struct FakeCalculator : AmountCalculator {
  std::vector<std::string>* calls;
  Currency result;
  bool memory = false;
  void Value(Currency amount) override { calls->push_back("Value " + amount.ToString(".")); }
  std::string List() const override { return "tape"; }
  void List(const std::string& lines) override { calls->push_back("List " + lines); }
  bool ListMemory() const override { return memory; }
  void ListMemory(bool on) override { memory = on; }
  void ActionOpMult() override { calls->push_back("x"); }
  void ActionOpDiv() override { calls->push_back("÷"); }
  void ShowModal() override { SetValue(result); }
};

TEST_F(AmountFormTest, StarOpensTheCalculatorWithTheAmountAndAMultiplication) {
  MakeFields();
  eurbox& field = *fields[0];
  std::vector<std::string> calls;
  field.Calculator([&](platform::Desktop&) {
    auto calc = std::make_unique<FakeCalculator>();
    calc->calls = &calls;
    calc->result = Currency::FromRaw(1001250);  // 100.125 goes to 100.12
    return calc;
  });
  field.Value(50);
  Record(field);
  TypeEach(field, {"*"});
  EXPECT_EQ(Join(calls, ","), "Value 50,x");
  EXPECT_EQ(field.Text(), "100,12 €");
  EXPECT_EQ(field.ShoppingData, "");
  EXPECT_EQ(TakeLog(), "");  // TypeEach took the log of the key
  field.ShoppingData = "  |50|50";
  field.OpenCalculator();
  EXPECT_EQ(calls.back(), "List   |50|50");
  EXPECT_EQ(field.ShoppingData, "tape");  // the tape memory was switched on
  field.EnableCalculadora = false;
  calls.clear();
  field.OpenCalculator();
  EXPECT_TRUE(calls.empty());
}

TEST_F(AmountFormTest, FieldsComeBackFromAFormFileWithTheirProperties) {
  MakeFields();
  eurbox& total = *fields[0];
  total.CampoID("350");
  total.FieldType(Total);
  total.max(1500.5);
  total.Min(-20);
  total.mult(0.25);
  total.descricao("Limite: %MAX%");
  total.RefArtigo("IRS,78");
  total.Centimos(false);
  total.FocusNavArrows(true);
  total.REWD(false);
  total.SaveVar("H350");
  fields[1]->Enabled(false);
  fields[1]->Transparent(true);
  fields[1]->EnableCalculadora = false;
  fields[1]->ForceCurrency("$");

  PropertyBag written;
  total.WriteProperties(written);
  EXPECT_EQ(Join(written.Keys(), ","),
            "FocusNavEnter,FocusNavArrows,max,min,CampoID,enabled,FieldType,backcolor,savevar,"
            "Multiplier,REWD,Descricao,ForceCurrency,Centimos,EuroEsquerda,RefArtigo,"
            "RefArtigoLong,EnableCalculadora");

  Registry registry(library);
  RegisterAmountField(registry, desktop);
  FormStore store(registry, IntrinsicControls::Standard());
  const auto folder = testsupport::MakeTempFolder("eurbox-form");
  ASSERT_TRUE(store.Save(form, folder / "anexo.json"));
  platform::Form again(desktop, "Anexo");
  const auto report = store.Load(folder / "anexo.json", again);
  std::filesystem::remove_all(folder);
  ASSERT_TRUE(report.has_value());
  ASSERT_EQ(report->created, 4);
  std::vector<eurbox*> copies;
  for (platform::Window* control : again.Controls())
    copies.push_back(dynamic_cast<eurbox*>(control));
  ASSERT_NE(copies[0], nullptr);
  ASSERT_NE(copies[1], nullptr);
  const eurbox& copy = *copies[0];
  EXPECT_EQ(copy.CampoID(), "350");
  EXPECT_EQ(copy.FieldType(), Total);
  EXPECT_EQ(copy.BackGroundColor(), RGB(64, 128, 192));
  EXPECT_EQ(copy.max(), 1500.5);
  EXPECT_EQ(copy.Min(), -20);
  EXPECT_EQ(copy.mult(), 0.25);
  EXPECT_EQ(copy.descricao(), "Limite: 1.500,50 €\r\nCódigo de IRS artigo 78.º");
  EXPECT_FALSE(copy.Centimos());
  EXPECT_TRUE(copy.FocusNavArrows());
  EXPECT_TRUE(copy.FocusNavEnter());
  EXPECT_FALSE(copy.REWD());
  EXPECT_EQ(copy.SaveVar(), "H350");
  EXPECT_FALSE(copies[1]->Enabled());
  EXPECT_TRUE(copies[1]->Transparent());
  EXPECT_FALSE(copies[1]->EnableCalculadora);
  EXPECT_EQ(copies[1]->ForceCurrency(), "");  // written, never read back
}

TEST_F(AmountFormTest, TheEuroSettingDecidesWhereAFieldWithoutTheKeyShowsTheSign) {
  desktop.Settings().Set("Balverde", "Configuration", "Simbolo do Euro alinhado à esquerda", "1");
  auto field = MakeField();
  field->ReadProperties(PropertyBag{});
  EXPECT_TRUE(field->EuroEsquerda());
  EXPECT_FALSE(field->Centimos());  // an absent "Centimos" reads False
  EXPECT_EQ(field->Text(), "€ 0");
}

}  // namespace
}  // namespace qorvexctl
