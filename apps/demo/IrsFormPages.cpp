// The four pages of the IRS form and the small builders they share.

#include <string>

#include "ArticleShowcase.h"
#include "ButtonShowcase.h"
#include "HouseholdShowcase.h"
#include "IrsForm.h"
#include "SelectionShowcase.h"
#include "SkinsShowcase.h"
#include "qorvexctl/controls/amount/AmountFunctions.h"
#include "qorvexctl/frame/CountryFile.h"
#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl::demo {

using platform::Point;
using platform::Rect;

namespace {

// Anexo A, quadro 4A: one payment of employment income.
constexpr AmountLine kIncomeLines[] = {
    {"401", "Rendimentos (€)", valor, 0, 0, 1, "Rendimentos do trabalho dependente pagos no ano",
     "IRS,2,1"},
    {"402", "Retenções na fonte (€)", valor, 0, 0, 1,
     "Retenções de IRS que a entidade pagadora fez", ""},
    {"403", "Contribuições obrigatórias (€)", valor, 0, 0, 1,
     "Contribuições para a segurança social e regimes de proteção social", "IRS,25,1,b)"},
    {"404", "Quotizações sindicais (€)", valor, 0, 0, 0.01,
     "Quotizações sindicais: contam %MULT%% dos rendimentos", "IRS,25,1,c)"},
};

// Anexo H, quadro 6: the deductions from the tax, each with its rate and ceiling.
constexpr AmountLine kDeductionLines[] = {
    {"601", "Despesas de saúde (€)", valor, 1000, 0, 0.15,
     "Dedução de %MULT%% das despesas de saúde, até %MAX%", "IRS,78-C,1"},
    {"602", "Despesas de formação e educação (€)", valor, 800, 0, 0.3,
     "Dedução de %MULT%% das despesas de educação, até %MAX%", "IRS,78-D,1"},
    {"603", "Encargos com imóveis (€)", valor, 296, 0, 0.15,
     "Juros e rendas da habitação permanente: %MULT%%, até %MAX%", "IRS,78-E,1"},
    {"604", "Encargos com lares (€)", valor, 403.75, 0, 0.25,
     "Lares e apoio domiciliário: %MULT%%, até %MAX%", "IRS,84,1"},
    {"605", "Donativos (€)", Referencia, 0, 25, 1, "Donativos, com um mínimo de %MIN%", ""},
};

constexpr const char* kCivilStatus[] = {"Casado", "Unido de facto", "Solteiro", "Viúvo",
                                        "Separado de facto"};

}  // namespace

// --- Small builders.

platform::Frame& IrsForm::AddQuadro(platform::Window& container, const char* name,
                                    const char* caption, Rect bounds) {
  auto& frame = Add<platform::Frame>(name, &container);
  frame.Caption(caption);
  frame.SetBounds(bounds);
  frame.TabIndex(m_tab++);
  return frame;
}

platform::Label& IrsForm::AddCaption(platform::Window& container, const char* name,
                                     const char* caption, Rect bounds) {
  auto& label = Add<platform::Label>(name, &container);
  label.Caption(caption);
  label.SetBounds(bounds);
  label.TabIndex(m_tab++);  // an access key in the caption moves to the next field
  return label;
}

platform::TextBox& IrsForm::AddTextBox(platform::Window& container, const char* name,
                                       Rect bounds) {
  auto& box = Add<platform::TextBox>(name, &container);
  box.SetBounds(bounds);
  box.TabIndex(m_tab++);
  return box;
}

cNIF& IrsForm::AddNif(platform::Window& container, const char* name, Rect bounds) {
  auto& field = AddControl<cNIF>(*this, m_library, name, bounds, &container);
  field.TabIndex(m_tab++);
  return field;
}

// An information button at `at`, with its tip text ("title||text").
InfoButton& IrsForm::AddHelp(platform::Window& container, const char* name, Point at,
                             const char* tip) {
  auto& help = Add<InfoButton>(name, &container, m_library);
  help.InitProperties();
  help.TipText(tip);
  help.SetBounds(Rect::FromSize(at.x, at.y, InfoButton::kSizePixels, InfoButton::kSizePixels));
  help.TabIndex(m_tab++);
  return help;
}

// --- Rosto.

void IrsForm::AddRosto() {
  auto& page = AddPage(kRosto, "fraRosto", "Rosto da declaração");
  auto& office = AddQuadro(page, "fraQ1", "1 - Serviço de Finanças da área do domicílio fiscal",
                           Rect::FromSize(10, 20, 376, 56));
  AddCaption(office, "lblServico", "Có&digo:", Rect::FromSize(10, 25, 60, 18));
  AddTextBox(office, "txtServicoFinancas", Rect::FromSize(76, 22, 60, 22)).MaxLength(4);
  AddHelp(office, "ibServico", Point{144, 25},
          "Serviço de Finanças||O código de quatro algarismos do serviço da sua área");
  auto& year = AddQuadro(page, "fraQ2", "2 - Ano dos rendimentos", Rect::FromSize(398, 20, 378, 56));
  AddCaption(year, "lblAno", "An&o:", Rect::FromSize(10, 25, 40, 18));
  auto& yearBox = AddTextBox(year, "txtAno", Rect::FromSize(56, 22, 60, 22));
  yearBox.MaxLength(4);
  yearBox.Text("2026");
  AddTaxpayers(page);
  AddHousehold(page);
  AddResidenceAndRefund(page);
}

// Quadro 3: the NIF, name and disability of taxpayers A and B.
void IrsForm::AddTaxpayers(platform::Frame& page) {
  auto& who = AddQuadro(page, "fraQ3", "3 - Identificação dos sujeitos passivos",
                        Rect::FromSize(10, 84, 766, 112));
  const struct {
    const char* code;
    const char* caption;
    const char* nif;
    const char* name;
    int index;
    int top;
  } rows[] = {{"A", "Sujeito passivo &A - NIF:", "nifSujeitoA", "txtNomeA", 0, 26},
              {"B", "Sujeito passivo &B - NIF:", "nifSujeitoB", "txtNomeB", 1, 68}};
  for (const auto& row : rows) {
    AddCaption(who, (std::string("lblNIF") + row.code).c_str(), row.caption,
               Rect::FromSize(10, row.top + 3, 146, 18));
    cNIF& nif = AddNif(who, row.nif, Rect::FromSize(158, row.top, 112, 22));
    AddCaption(who, (std::string("lblNome") + row.code).c_str(), "Nome:",
               Rect::FromSize(296, row.top + 3, 40, 18));
    platform::TextBox& name = AddTextBox(who, row.name, Rect::FromSize(338, row.top, 214, 22));
    auto& disability = AddDisabilitySelector(*this, m_library, "defSujeito", row.index,
                                             Rect::FromSize(562, row.top - 6, 196, 34), &who);
    disability.TabIndex(m_tab++);
    const std::string code = row.code;
    nif.NameUpdated.connect([this, code, &nif, &name](const std::string& found) {
      if (!found.empty()) name.Text(found);
      RecordMember(code, nif, name.Text());
    });
    nif.Changed.connect([this, code, &nif, &name] { RecordMember(code, nif, name.Text()); });
    (code == "A" ? m_nifA : m_nifB) = &nif;
    (code == "A" ? m_nameA : m_nameB) = &name;
  }
  m_nifHelp = &AddHelp(who, "ibNIF", Point{274, 29},
                       "Indique o NIF do sujeito passivo A||Nove algarismos; o nome vem do registo");
}

// Quadros 4, 5 and 6: civil status, joint taxation and a dependant.
void IrsForm::AddHousehold(platform::Frame& page) {
  auto& status = AddQuadro(page, "fraQ4", "4 - Estado civil dos sujeitos passivos",
                           Rect::FromSize(10, 204, 376, 96));
  for (int i = 0; i < 5; ++i) {
    const Rect bounds = i < 3 ? Rect::FromSize(10 + i * 120, 22, 112, 28)
                              : Rect::FromSize(10 + (i - 3) * 120, 58, i == 4 ? 150 : 112, 28);
    cButton& option = AddButton(*this, m_library, "optEstadoCivil", kCivilStatus[i], bounds, &status);
    option.Index(i);
    option.ButtonStyle(efbxp_Netscape);
    option.Mode(efbxp_OptionButton);
    option.TabIndex(m_tab++);
  }
  auto& joint = AddQuadro(page, "fraQ5", "5 - Opção de tributação", Rect::FromSize(398, 204, 378, 96));
  auto& together = Add<platform::CheckBox>("chkConjunta", &joint);
  together.Caption("Tributação &conjunta");
  together.SetBounds(Rect::FromSize(10, 26, 180, 20));
  together.TabIndex(m_tab++);
  cButton& englobar = AddButton(*this, m_library, "chkEnglobamento", "&Englobamento",
                                Rect::FromSize(10, 56, 130, 28), &joint);
  englobar.ButtonStyle(efbxp_w95);
  englobar.Mode(efbxp_CheckBox);
  englobar.TabIndex(m_tab++);
  AddHelp(joint, "ibConjunta", Point{200, 28},
          "Tributação conjunta||Os rendimentos do casal são somados e divididos por dois");

  auto& household = AddQuadro(page, "fraQ6", "6 - Agregado familiar: dependentes",
                              Rect::FromSize(10, 308, 766, 84));
  AddCaption(household, "lblNIFD1", "&Dependente 1 - NIF:", Rect::FromSize(10, 33, 146, 18));
  // A dependant may live abroad: the flag of this field offers every country.
  m_nifDependant = &AddNif(household, "nifDependente", Rect::FromSize(158, 30, 112, 22));
  m_nifDependant->Countries(GSEL_All);
  AddCaption(household, "lblNomeD1", "Nome:", Rect::FromSize(296, 33, 40, 18));
  auto& name = AddTextBox(household, "txtNomeD1", Rect::FromSize(338, 30, 214, 22));
  auto& disability = AddDisabilitySelector(*this, m_library, "defSujeito", 2,
                                           Rect::FromSize(562, 24, 196, 34), &household);
  disability.TabIndex(m_tab++);
  m_nifDependant->NameUpdated.connect([this, &name](const std::string& found) {
    if (!found.empty()) name.Text(found);
    RecordMember("D1", *m_nifDependant, name.Text());
  });
}

// Quadro 8 (the country of residence, from the selection dialog) and the refund's NIB.
void IrsForm::AddResidenceAndRefund(platform::Frame& page) {
  auto& residence = AddQuadro(page, "fraQ8", "8 - Residência fiscal", Rect::FromSize(10, 400, 376, 84));
  m_chooseCountry = &AddButton(*this, m_library, "cmdPais", "Escolher o &país...",
                               Rect::FromSize(10, 22, 150, 28), &residence);
  m_chooseCountry->ButtonStyle(efbxp_Java);
  m_chooseCountry->TabIndex(m_tab++);
  m_chooseCountry->Click.connect([this] { ChooseResidence(); });
  m_countryCode = &AddTextBox(residence, "txtPais", Rect::FromSize(170, 25, 40, 22));
  m_countryCode->Locked(true);
  m_country = &AddCaption(residence, "lblPais", "Portugal", Rect::FromSize(218, 28, 150, 18));
  m_countryCode->Change.connect([this] {
    const std::string code = m_countryCode->Text();
    m_country->Caption(code.empty() ? "Portugal" : CountryName(m_library, code));
  });

  auto& refund = AddQuadro(page, "fraReembolso", "Reembolso - NIB da conta bancária",
                           Rect::FromSize(398, 400, 378, 84));
  AddCaption(refund, "lblNIB", "NI&B:", Rect::FromSize(10, 30, 40, 18));
  m_refundAccount =
      &AddControl<cNIB>(*this, m_library, "nibReembolso", Rect::FromSize(52, 26, 198, 22), &refund);
  m_refundAccount->TabIndex(m_tab++);
  AddHelp(refund, "ibNIB", Point{258, 29},
          "NIB para reembolso||21 algarismos; os dois últimos são de controlo");
}

void IrsForm::ChooseResidence() {
  const std::string code = ChooseCountry(m_selection, *m_chooseCountry, "País de residência",
                                         "Países da União Europeia", GSEL_OnlyEU);
  if (!code.empty()) m_countryCode->Text(code);
}

// --- Anexo A.

void IrsForm::AddAnexoA() {
  auto& page = AddPage(kAnexoA, "fraAnexoA", "Anexo A - Trabalho dependente e pensões");
  auto& who = AddQuadro(page, "fraA3", "3 - Identificação dos sujeitos passivos",
                        Rect::FromSize(10, 20, 766, 52));
  auto& holders = AddCaption(who, "lblA3", "Sujeito passivo A: -", Rect::FromSize(10, 24, 740, 18));
  const auto showHolders = [this, &holders] {
    holders.Caption("Sujeito passivo A: " + m_nifA->Value() + "    Sujeito passivo B: " +
                    m_nifB->Value());
  };
  m_nifA->Changed.connect(showHolders);
  m_nifB->Changed.connect(showHolders);

  auto& income = AddQuadro(page, "fraA4", "4A - Rendimentos do trabalho dependente",
                           Rect::FromSize(10, 80, 766, 440));
  AddCaption(income, "lblEntidade", "NIF da &entidade pagadora:", Rect::FromSize(10, 27, 170, 18));
  m_nifEmployer = &AddNif(income, "nifEntidade", Rect::FromSize(184, 24, 112, 22));
  AddCaption(income, "lblCodigo", "Código dos rend&imentos:", Rect::FromSize(10, 61, 170, 18));
  auto& code = AddTextBox(income, "txtCodigo", Rect::FromSize(184, 58, 50, 22));
  code.MaxLength(3);
  code.Text("401");
  AddHelp(income, "ibCodigo", Point{242, 61},
          "Códigos dos rendimentos||401 trabalho dependente, 403 pensões, 405 pré-reforma");
  AddArticleReference(*this, m_library, "refCodigo", Rect::FromSize(266, 61, 130, 17), "2,1,a)",
                      &income)
      .TabIndex(m_tab++);
  AddCaption(income, "lblTitular", "&Titular:", Rect::FromSize(10, 100, 170, 18));
  m_holder = &AddSujeitoSelector(*this, m_library, "selTitular", -1,
                                 Rect::FromSize(184, 94, 440, 30), &income);
  m_holder->TabIndex(m_tab++);
  m_income = std::make_unique<AmountColumn>(
      *this, m_library, Rect::FromSize(10, 136, 360, 200), m_tab,
      AmountColumnLayout{"fraA4Valores", "Valores do ano", "rendA", kIncomeLines}, &income);
  m_tab += static_cast<int>(m_income->Count()) + 1;
}

// --- Anexo H.

void IrsForm::AddAnexoH() {
  auto& page = AddPage(kAnexoH, "fraAnexoH", "Anexo H - Benefícios fiscais e deduções");
  m_deductions = std::make_unique<AmountColumn>(
      *this, m_library, Rect::FromSize(10, 20, 360, 248), m_tab,
      AmountColumnLayout{"fraH6", "6 - Deduções à coleta", "dedH", kDeductionLines}, &page);
  m_tab += static_cast<int>(m_deductions->Count()) + 1;
  AddCaption(page, "lblBaseLegal", "Base legal:", Rect::FromSize(386, 30, 80, 18));
  AddArticleReference(*this, m_library, "refDeducoes", Rect::FromSize(468, 30, 130, 17), "78,1",
                      &page)
      .TabIndex(m_tab++);
  AddHelp(page, "ibDeducoes", Point{606, 30},
          "Deduções à coleta||Cada despesa conta pela sua taxa, até ao limite da lei");
  auto& notes = AddControl<cSlider>(*this, m_library, "sldNotas", Rect::FromSize(386, 64, 390, 96),
                                    &page);
  notes.TabIndex(m_tab++);
  const char* lines[] = {"Guarde as faturas durante quatro anos.",
                         "As despesas de saúde vêm do e-fatura.",
                         "Dependentes com menos de 3 anos: dedução maior."};
  for (int i = 0; i < 3; ++i) {
    auto& line = Add<platform::Label>("lblNota", &notes);
    line.Index(i);
    line.Caption(lines[i]);
    line.SetBounds(Rect::FromSize(6, 8 + i * 26, 330, 18));
  }
  FitSlidePanel(notes);
}

// --- Entrega.

void IrsForm::AddEntrega() {
  auto& page = AddPage(kEntrega, "fraEntrega", "Entrega da declaração");
  AddFramedBox(*this, m_library, "quaResumo", Rect::FromSize(10, 20, 360, 220), &page);
  m_summary = &AddCaption(page, "lblResumo", "", Rect::FromSize(24, 64, 332, 160));
  m_summary->BackStyle(0);
  AddSlideshow(*this, m_library, "apDestaques", Rect::FromSize(386, 28, 240, 150), &page);
  m_save = &AddButton(*this, m_library, "cmdGravar", "&Gravar||a declaração",
                      Rect::FromSize(10, 256, 170, 48), &page);
  m_save->GradientMode(efbxp_Top2Bottom);
  m_save->GradientColor(RGB(90, 140, 220));
  m_save->BackColor(RGB(235, 243, 255));
  m_save->Picture(std::make_shared<platform::Picture>(InfoButtonPicture("IB_INFO")));
  m_save->CaptionStyle(efbxp_Raised);
  m_save->TabIndex(m_tab++);
  m_save->Click.connect([this] { SaveDeclaration(); });
  cButton& reopen = AddButton(*this, m_library, "cmdAbrir", "A&brir a gravada",
                              Rect::FromSize(190, 256, 150, 48), &page);
  reopen.ButtonStyle(efbxp_Macintosh);
  reopen.TabIndex(m_tab++);
  reopen.Click.connect([this] { ReopenDeclaration(); });
}

// What the declaration comes to: its income, withholding and deductions as they count.
void IrsForm::ShowSummary() {
  double deductions = 0;
  for (std::size_t i = 0; i < m_deductions->Count(); ++i) {
    deductions += m_deductions->Field(i).RVal();
  }
  const auto orDash = [](const std::string& text) { return text.empty() ? "-" : text; };
  m_summary->Caption("Sujeito passivo A: " + orDash(m_nameA->Text()) +
                     "\r\nRendimentos: " + FormatEuroAmount(Income().Value()) +
                     "\r\nRetenções na fonte: " + FormatEuroAmount(Withheld().Value()) +
                     "\r\nDeduções à coleta: " + FormatEuroAmount(deductions) +
                     "\r\nNIB para o reembolso: " + orDash(m_refundAccount->Text()));
}

}  // namespace qorvexctl::demo
