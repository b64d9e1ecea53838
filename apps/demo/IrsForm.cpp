#include "IrsForm.h"

#include <string>

#include "AniGifShowcase.h"
#include "ButtonShowcase.h"
#include "IrsDeclarationStore.h"
#include "SkinsShowcase.h"
#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/LibraryControls.h"
#include "qorvexctl/controls/skins/skGrowth.h"
#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl::demo {

using platform::Rect;

namespace {

// The form fills a 1024 x 768 screen; the pages sit right of the page menu.
constexpr Rect kFormBounds = Rect::FromSize(8, 4, 1008, 756);
constexpr Rect kPageBounds = Rect::FromSize(206, 80, 786, 560);
constexpr Colour kHeaderTint = RGB(252, 240, 238);
constexpr const char* kPageCaptions[] = {"Rosto", "Anexo A", "Anexo H", "Entrega"};

}  // namespace

IrsForm::IrsForm(platform::Desktop& desktop, LibraryState& library,
                 std::shared_ptr<hostkit::HostDatabase> database)
    : platform::Form(desktop, "Declaração de Rendimentos - IRS Modelo 3"),
      m_library(library),
      m_database(std::move(database)),
      m_components(library),
      m_selection(library, desktop) {
  RegisterLibraryControls(m_components, desktop);
  Name("frmModelo3");
  SetBounds(kFormBounds);
  BackColor(RGB(255, 255, 255));
  AddHeader();
  AddPageMenu();
  AddRosto();
  AddAnexoA();
  AddAnexoH();
  AddEntrega();
  AddButtons();
  ShowPage(kRosto);
}

// The skinned header: the declaration's title, a badge per page and the go-button.
void IrsForm::AddHeader() {
  auto& header = AddControl<skGrowth>(*this, m_library, "hdrModelo3",
                                          Rect::FromSize(8, 6, 984, 68));
  header.BackColor(RGB(255, 255, 255));
  header.Caption("IRS - Modelo 3 - Declaração de rendimentos de 2026");
  for (int page = 0; page < kPageCount; ++page) {
    auto& badge = AddControl<skNumber>(*this, m_library, "numPagina",
                                           Rect::FromSize(24 + page * 34, 38, 26, 26));
    badge.Index(page);
    badge.BackColor(kHeaderTint);
    badge.Caption(std::to_string(page + 1));
    badge.ToolTipText(kPageCaptions[page]);
    badge.Clicked.connect([this, page] { ShowPage(page); });
    m_badges[page] = &badge;
  }
  m_next = &AddGoButton(*this, m_library, "goSeguinte", Rect::FromSize(912, 40, 64, 24),
                        "Página seguinte");
  m_next->BackColor(kHeaderTint);
  m_next->Click.connect([this] { ShowPage((m_page + 1) % kPageCount); });
}

// The skinned menu of pages left of them, and the spinning coin under it.
void IrsForm::AddPageMenu() {
  const char* names[] = {"mnuRosto", "mnuAnexoA", "mnuAnexoH", "mnuEntrega"};
  for (int page = 0; page < kPageCount; ++page) {
    auto& entry = AddMenuEntry(*this, m_library, names[page], kPageCaptions[page],
                               Rect::FromSize(8, 84 + page * 32, 188, 26));
    entry.Clicked.connect([this, page] { ShowPage(page); });
    m_menu[page] = &entry;
  }
  // The coin and its caption lie over the box rather than in it: what sits on a user control
  // is not among the form's controls (its name would not reach play scripts or form files).
  AddFramedBox(*this, m_library, "quaAjuda", Rect::FromSize(8, 224, 188, 150));
  AddCoinAnimation(*this, m_library, "aniMoeda", Rect::FromSize(68, 264, 64, 64), gfsScaleAlways,
                   RGB(255, 253, 247));
  AddCaption(*this, "lblAjuda", "Reembolso em 20 dias", Rect::FromSize(18, 336, 168, 18))
      .BackStyle(0);
}

platform::Frame& IrsForm::AddPage(int page, const char* name, const char* caption) {
  auto& frame = Add<platform::Frame>(name);
  frame.Caption(caption);
  frame.SetBounds(kPageBounds);
  frame.TabIndex(m_tab++);
  m_pages.at(page) = &frame;
  return frame;
}

// Check, save and close under the pages, and the status line.
void IrsForm::AddButtons() {
  m_status = &Add<platform::Label>("lblEstado");
  m_status->BorderStyle(1);
  m_status->SetBounds(Rect::FromSize(8, 654, 560, 22));
  m_status->Caption("Preencha a declaração e carregue em Validar.");
  m_check = &AddButton(*this, m_library, "cmdValidar", "&Validar", Rect::FromSize(580, 648, 96, 32));
  m_check->ButtonStyle(efbxp_XP);
  m_check->TabIndex(m_tab++);
  m_check->Click.connect([this] { CheckFields(); });
  SetDefaultButton(m_check);
  auto& close = AddButton(*this, m_library, "cmdFechar", "&Fechar", Rect::FromSize(896, 648, 96, 32));
  close.ButtonStyle(efbxp_w95);
  close.TabIndex(m_tab++);
  close.Click.connect([this] { UnloadForm(); });
}

void IrsForm::ShowPage(int page) {
  if (page < 0 || page >= kPageCount) return;
  m_page = page;
  for (int i = 0; i < kPageCount; ++i) {
    m_pages[i]->Visible(i == page);
    m_menu[i]->Active(i == page);
    m_badges[i]->Active(i == page);
  }
  if (page == kEntrega) ShowSummary();
}

std::shared_ptr<hostkit::SqliteDeclaration> IrsForm::Declaration() {
  if (!m_declaration && m_database) {
    m_declaration = hostkit::SqliteDeclaration::Create(m_database, 2026);
    m_holder->IRSClass(m_declaration);
  }
  return m_declaration;
}

void IrsForm::UseDeclaration(std::shared_ptr<hostkit::SqliteDeclaration> declaration) {
  m_declaration = std::move(declaration);
  m_holder->IRSClass(m_declaration);
  if (m_declaration) IrsDeclarationStore::Restore(*this, *m_declaration);
}

bool IrsForm::ReopenDeclaration() {
  if (!m_declaration || !m_database) return false;
  auto saved = hostkit::SqliteDeclaration::Open(m_database, m_declaration->Id());
  if (!saved) return false;
  UseDeclaration(std::move(saved));
  m_status->Caption("Declaração n.º " + std::to_string(m_declaration->Id()) + " reaberta.");
  return true;
}

// The taxpayer behind a NIF field joins the declaration's household under `code`.
void IrsForm::RecordMember(const std::string& code, cNIF& field, const std::string& name) {
  if (!field.IsValid()) return;
  const auto declaration = Declaration();
  if (!declaration) return;
  declaration->AddMember(code, field.Value(), name);
  // The taxpayer selector offers B with a spouse and D with dependants.
  declaration->SetHouseholdItem("casado", m_nifB->IsValid() ? "1" : "0");
  declaration->SetHouseholdItem("dependentes", m_nifDependant->IsValid() ? "1" : "0");
  m_holder->IRSClass(declaration);
}

bool IrsForm::CheckFields() {
  std::string problem;
  if (Trim(m_nameA->Text()).empty())
    problem = "Falta o nome do sujeito passivo A.";
  else if (!m_nifA->IsValid())
    problem = "O NIF do sujeito passivo A não é válido.";
  else if (!m_nifB->IsEmpty() && !m_nifB->IsValid())
    problem = "O NIF do sujeito passivo B não é válido.";
  else if (!m_nifDependant->IsEmpty() && !m_nifDependant->IsValid())
    problem = "O NIF do dependente não é válido.";
  else if (!m_refundAccount->Text().empty() && !m_refundAccount->Valid())
    problem = "O NIB para reembolso não está correcto.";
  else if (Income().Text().empty())
    problem = "Indique os rendimentos do trabalho dependente (Anexo A).";
  m_status->Caption(problem.empty() ? "Declaração pronta a submeter." : problem);
  return problem.empty();
}

bool IrsForm::SaveDeclaration() {
  const auto declaration = Declaration();
  const bool saved = declaration && IrsDeclarationStore::Save(*this, *declaration, m_formFile);
  m_status->Caption(saved ? "Declaração gravada (n.º " + std::to_string(declaration->Id()) + ")."
                          : "Não foi possível gravar a declaração.");
  return saved;
}

}  // namespace qorvexctl::demo
