#include "PlatformShowcase.h"

#include <cstdio>
#include <string>

#include "qorvexctl/frame/FlagPicture.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/HeadlessPresenter.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/services/Clipboard.h"
#include "qorvexctl/platform/widgets/Label.h"

namespace qorvexctl::demo {

using platform::Rect;

PlatformShowcase::PlatformShowcase(platform::Desktop& desktop, LibraryState& library)
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
  BuildCountryList(library);
  BuildFontSizeBar();
  BuildPopup();
}

void PlatformShowcase::BuildCountryList(LibraryState& library) {
  struct Country {
    const char* name;
    const char* code;
    const char* capital;
  };
  static constexpr Country kCountries[] = {
      {"Portugal", "PT", "Lisboa"},  {"Espanha", "ES", "Madrid"},
      {"França", "FR", "Paris"},     {"Alemanha", "DE", "Berlim"},
      {"Itália", "IT", "Roma"},      {"Países Baixos", "NL", "Amesterdão"},
      {"Bélgica", "BE", "Bruxelas"}, {"Áustria", "AT", "Viena"},
      {"Irlanda", "IE", "Dublim"},   {"Grécia", "GR", "Atenas"},
  };
  AddLabel("lblPaises", "&Países da União Europeia:", Rect::FromSize(12, 158, 240, 18));
  m_countries = &m_form.Add<platform::ListView>("lvwPaises");
  m_countries->SetBounds(Rect::FromSize(12, 178, 448, 150));
  m_countries->TabIndex(4);
  m_countries->SmallIcons(&m_flags);
  m_countries->AddColumn("País", 2400);
  m_countries->AddColumn("Código", 1000);
  m_countries->AddColumn("Capital", 2400);
  for (const Country& country : kCountries) {
    m_flags.Add(country.code, platform::Picture(FlagCell(library, country.code)));
    auto& item = m_countries->AddItem(country.name, country.code);
    item.SetSubItem(1, country.code);
    item.SetSubItem(2, country.capital);
    item.ToolTipText(std::string(country.name) + " (" + country.capital + ")");
  }
  m_countries->Sorted(true);
  m_countries->SortKey(0);
  m_countries->FullRowSelect(true);
  // A click on a column's header sorts by it; a second click reverses the order.
  m_countries->ColumnClick.connect([this](int column) {
    const bool again = m_countries->SortKey() == column;
    m_countries->SortOrder(again ? 1 - m_countries->SortOrder() : 0);
    m_countries->SortKey(column);
  });
}

void PlatformShowcase::BuildFontSizeBar() {
  m_fontSizeCaption = &m_form.Add<platform::Label>("lblTamanho");
  m_fontSizeCaption->SetBounds(Rect::FromSize(12, 342, 130, 18));
  m_fontSize = &m_form.Add<platform::ScrollBar>("hsbTamanho", nullptr,
                                                platform::ScrollBarOrientation::Horizontal);
  m_fontSize->SetBounds(Rect::FromSize(144, 340, 316, 17));
  m_fontSize->Min(6);
  m_fontSize->Max(16);
  m_fontSize->LargeChange(2);
  m_fontSize->TabIndex(5);
  const auto follow = [this] {
    m_fontSizeCaption->Caption("Tamanho da letra: " + std::to_string(m_fontSize->Value()));
    platform::Font font = m_notes->Font();
    font.PointSize(m_fontSize->Value());
    m_notes->Font(font);
  };
  m_fontSize->Change.connect(follow);
  m_fontSize->Scroll.connect(follow);
  m_fontSize->Value(8);
  follow();
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
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  PlatformShowcase showcase(desktop, library);
  showcase.Window().Show();
  // The caret in the notes, on the second line.
  desktop.Input().Click(showcase.Notes(), platform::Point{40, 20});
  // The list sorted by its code column, Portugal selected.
  desktop.Input().Click(showcase.Countries(),
                        platform::Point{showcase.Countries().HeaderRect(1).left + 10, 8});
  for (platform::ListItem* item : showcase.Countries().Items()) {
    if (item->Text() == "Portugal") item->Selected(true);
  }
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
