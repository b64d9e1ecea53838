#include "PlatformShowcase.h"

#include <cstdio>

#include "qorvexctl/platform/Clipboard.h"
#include "qorvexctl/platform/Desktop.h"
#include "qorvexctl/platform/Label.h"
#include "qorvexctl/platform/UserInput.h"
#include "qorvexctl/platform/headless/HeadlessPresenter.h"

namespace qorvexctl::demo {

using platform::Rect;

PlatformShowcase::PlatformShowcase(platform::Desktop& desktop)
    : m_form(desktop, "Plataforma - controlos intrínsecos") {
  m_form.SetBounds(Rect::FromSize(60, 50, 560, 420));
  AddLabel("lblNome", "&Nome:", Rect::FromSize(12, 15, 90, 18));
  m_name = &m_form.Add<platform::TextBox>("txtNome");
  m_name->SetBounds(Rect::FromSize(104, 12, 260, 22));
  m_name->Text("Ana Sá Ferreira");
  m_name->TabIndex(1);

  AddLabel("lblNotas", "&Observações:", Rect::FromSize(12, 45, 90, 18));
  m_notes = &m_form.Add<platform::TextBox>("txtNotas");
  m_notes->MultiLine(true);
  m_notes->ScrollBars(platform::vbVertical);
  m_notes->SetBounds(Rect::FromSize(104, 42, 260, 78));
  m_notes->Text(
      "Rendimentos do trabalho dependente declarados no anexo A.\r\n"
      "Despesas de saúde confirmadas no portal.\r\n"
      "Sem rendimentos no estrangeiro.");
  m_notes->TabIndex(2);

  m_joint = &m_form.Add<platform::CheckBox>("chkConjunta", nullptr, "Tributação &conjunta");
  m_joint->SetBounds(Rect::FromSize(104, 128, 200, 20));
  m_joint->Value(1);
  m_joint->TabIndex(3);

  auto& ok = m_form.Add<platform::CommandButton>("cmdOK", nullptr, "OK");
  ok.SetBounds(Rect::FromSize(372, 12, 88, 26));
  ok.Default(true);
  auto& cancel = m_form.Add<platform::CommandButton>("cmdCancelar", nullptr, "Cancelar");
  cancel.SetBounds(Rect::FromSize(372, 44, 88, 26));
  cancel.Cancel(true);
  cancel.Click.connect([this] { m_form.Hide(); });
  BuildPopup();
}

void PlatformShowcase::BuildPopup() {
  m_popup.Add("mnuCopiar", "&Copiar observações").Click.connect([this] {
    m_form.GetDesktop().GetClipboard().SetText(m_notes->Text());
  });
  m_popup.Add("mnuLimpar", "&Limpar observações").Click.connect([this] { m_notes->Text(""); });
  m_popup.Add("mnuSep", "-");
  auto& spelling = m_popup.Add("mnuOrtografia", "&Verificar ortografia");
  spelling.Checked(true);
  spelling.Click.connect([&spelling] { spelling.Checked(!spelling.Checked()); });
  m_popup.Add("mnuImprimir", "&Imprimir").Enabled(false);
  m_form.MouseUp.connect([this](int button, int, float, float) {
    if (button == platform::vbRightButton) m_form.PopupMenu(m_popup);
  });
}

void PlatformShowcase::AddLabel(const char* name, const char* caption, Rect bounds) {
  m_form.Add<platform::Label>(name, nullptr, caption).SetBounds(bounds);
}

namespace {

void Report(bool ok, const std::filesystem::path& file) {
  std::printf("%s %s\n", ok ? "wrote" : "could not write", file.string().c_str());
}

bool Save(platform::Window& window, const std::filesystem::path& file) {
  const bool ok = platform::HeadlessPresenter::Screenshot(window, file);
  Report(ok, file);
  return ok;
}

bool SaveDesktop(platform::Desktop& desktop, const std::filesystem::path& file) {
  const bool ok = platform::HeadlessPresenter::Screenshot(desktop, file);
  Report(ok, file);
  return ok;
}

}  // namespace

bool WritePlatformShowcaseScreenshots(const std::filesystem::path& folder) {
  platform::Desktop desktop;
  PlatformShowcase showcase(desktop);
  showcase.Window().Show();
  // The caret in the notes, on the second line.
  desktop.Input().Click(showcase.Notes(), platform::Point{40, 20});
  bool ok = Save(showcase.Window(), folder / "platform_showcase.png");
  // A right click on the form opens the popup; the picture is taken while it is open.
  desktop.Scripts().OnPopupMenu([&](platform::Menu&) -> platform::Menu* {
    ok = SaveDesktop(desktop, folder / "platform_showcase_menu.png") && ok;
    return nullptr;
  });
  desktop.Input().Click(showcase.Window(), platform::Point{470, 200}, platform::vbRightButton);
  return ok;
}

}  // namespace qorvexctl::demo
