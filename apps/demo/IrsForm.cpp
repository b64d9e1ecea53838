#include "IrsForm.h"

#include <string>

#include "PngShowcase.h"
#include "qorvexctl/base/Text.h"
#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl::demo {

using platform::Rect;

IrsForm::IrsForm(platform::Desktop& desktop, LibraryState& library)
    : m_form(desktop, "Declaração de Rendimentos - IRS"), m_desktop(desktop), m_library(library) {
  m_form.SetBounds(Rect::FromSize(40, 40, 520, 380));
  auto& title = m_form.Add<platform::Label>("lblTitulo");
  title.Caption("Modelo 3 - Rendimentos do ano de 2026");
  platform::Font big("Arial", 12, true);
  title.Font(big);
  title.SetBounds(Rect::FromSize(12, 8, 480, 24));

  auto& who = m_form.Add<platform::Frame>("fraSujeito");
  who.Caption("Identificação do sujeito passivo");
  who.SetBounds(Rect::FromSize(12, 38, 488, 118));
  m_name = &AddField(who, "&Nome:", "txtNome", 20, 1);
  AddCaption(who, "N&IF (sujeito A):", "lblNIF", Rect::FromSize(12, 55, 170, 18), 2);
  m_nif = MakeNifField(who, "nifSujeitoA", Rect::FromSize(190, 52, 112, 22), 3);
  m_nif->NameUpdated.connect([this](const std::string& name) { m_name->Text(name); });
  AddCaption(who, "NIF (&B):", "lblNIFB", Rect::FromSize(310, 55, 50, 18), 4);
  m_nifB = MakeNifField(who, "nifSujeitoB", Rect::FromSize(358, 52, 112, 22), 4);
  m_nifB->NameUpdated.connect([this](const std::string& name) {
    if (!name.empty()) m_status->Caption("Sujeito passivo B: " + name);
  });
  m_nifHelp = &AddHelp(who, "ibNIF", 52, "Indique o NIF do sujeito passivo A||Nove algarismos");
  m_address = &AddField(who, "&Morada:", "txtMorada", 84, 5);

  auto& income = m_form.Add<platform::Frame>("fraRendimentos");
  income.Caption("Rendimentos do trabalho dependente (Anexo A)");
  income.SetBounds(Rect::FromSize(12, 164, 488, 88));
  m_income = &AddField(income, "Rendimento &bruto (€):", "txtRendimento", 20, 7);
  m_withheld = &AddField(income, "&Retenções na fonte (€):", "txtRetencoes", 52, 9);
  AddHelp(income, "ibRendimento", 20,
          "Rendimento bruto do ano, antes de descontos||Em euros, com duas casas decimais");
  AddHelp(income, "ibRetencoes", 52,
          "Soma das retenções na fonte||Consulte a declaração anual da entidade patronal");

  m_joint = &m_form.Add<platform::CheckBox>("chkConjunta");
  m_joint->Caption("Tributação &conjunta");
  m_joint->SetBounds(Rect::FromSize(16, 262, 200, 20));
  m_joint->TabIndex(11);
  // A dependant may live abroad: the flag of this field offers every country.
  AddCaption(m_form, "NIF do &dependente:", "lblNIFDependente", Rect::FromSize(236, 265, 118, 18),
             11);
  m_nifDependant = MakeNifField(m_form, "nifDependente", Rect::FromSize(358, 260, 112, 22), 11);
  m_nifDependant->Countries(GSEL_All);
  AddRefundAccount();

  m_check = &m_form.Add<platform::CommandButton>("cmdValidar");
  m_check->Caption("&Validar");
  m_check->SetBounds(Rect::FromSize(316, 292, 88, 26));
  m_check->TabIndex(12);
  m_check->Default(true);
  m_check->Click.connect([this] { CheckFields(); });
  m_close = &m_form.Add<platform::CommandButton>("cmdFechar");
  m_close->Caption("&Fechar");
  m_close->SetBounds(Rect::FromSize(412, 292, 88, 26));
  m_close->TabIndex(13);
  m_close->Cancel(true);
  m_close->Click.connect([this] { m_form.UnloadForm(); });

  m_status = &m_form.Add<platform::Label>("lblEstado");
  m_status->BorderStyle(1);
  m_status->SetBounds(Rect::FromSize(12, 328, 488, 20));
  m_status->Caption("Preencha os campos e carregue em Validar.");
  AddPngShowcase(m_form);
}

platform::TextBox& IrsForm::AddField(platform::Window& frame, const char* caption, const char* name,
                                     int top, int tabIndex) {
  AddCaption(frame, caption, (std::string("lbl") + (name + 3)).c_str(),
             Rect::FromSize(12, top + 3, 170, 18), tabIndex - 1);
  auto& box = m_form.Add<platform::TextBox>(name, &frame);
  box.SetBounds(Rect::FromSize(190, top, 280, 22));
  box.TabIndex(tabIndex);
  return box;
}

platform::Label& IrsForm::AddCaption(platform::Window& frame, const char* caption, const char* name,
                                     Rect bounds, int tabIndex) {
  auto& label = m_form.Add<platform::Label>(name, &frame);
  label.Caption(caption);
  label.SetBounds(bounds);
  label.TabIndex(tabIndex);
  return label;
}

std::unique_ptr<cNIF> IrsForm::MakeNifField(platform::Window& frame, const char* name, Rect bounds,
                                            int tabIndex) {
  auto field = std::make_unique<cNIF>(m_library, m_desktop, &frame);
  field->Name(name);
  field->SetBounds(bounds);
  field->InitProperties();
  field->TabIndex(tabIndex);
  return field;
}

// An information button right of the field at `top`, with its tip text.
InfoButton& IrsForm::AddHelp(platform::Window& frame, const char* name, int top, const char* tip) {
  auto& help = m_form.Add<InfoButton>(name, &frame, m_library);
  help.InitProperties();
  help.TipText(tip);
  help.SetBounds(Rect::FromSize(472, top + 3, InfoButton::kSizePixels, InfoButton::kSizePixels));
  return help;
}

// The bank account a refund is paid into, left of the buttons.
void IrsForm::AddRefundAccount() {
  AddCaption(m_form, "NI&B (reembolso):", "lblNIB", Rect::FromSize(16, 297, 98, 18), 11);
  m_refundAccount = std::make_shared<cNIB>(m_library, m_desktop, &m_form);
  m_form.Adopt(m_refundAccount, "nibReembolso");
  m_refundAccount->SetBounds(Rect::FromSize(114, 293, 198, 22));
  m_refundAccount->InitProperties();
  m_refundAccount->TabIndex(11);
}

// The status line says what is missing, or that the declaration is ready.
void IrsForm::CheckFields() {
  std::string problem;
  if (Trim(m_name->Text()).empty())
    problem = "Falta o nome do sujeito passivo.";
  else if (!m_nif->IsValid())
    problem = "O NIF do sujeito passivo A não é válido.";
  else if (!m_nifB->IsEmpty() && !m_nifB->IsValid())
    problem = "O NIF do sujeito passivo B não é válido.";
  else if (!m_nifDependant->IsEmpty() && !m_nifDependant->IsValid())
    problem = "O NIF do dependente não é válido.";
  else if (!m_refundAccount->Text().empty() && !m_refundAccount->Valid())
    problem = "O NIB para reembolso não está correcto.";
  else if (m_income->Text().empty())
    problem = "Indique o rendimento bruto.";
  m_status->Caption(problem.empty() ? "Declaração pronta a submeter." : problem);
}

}  // namespace qorvexctl::demo
