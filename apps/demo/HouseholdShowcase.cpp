#include "HouseholdShowcase.h"

#include <cstdio>
#include <string>

#include "DemoControls.h"
#include "hostkit/DemoSeed.h"
#include "hostkit/SqliteDeclaration.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/HeadlessPresenter.h"
#include "qorvexctl/platform/desktop/UserInput.h"

namespace qorvexctl::demo {

using platform::Rect;

namespace {

// Seeded households (hostkit/DemoSeed.cpp): "A B D1 D2" and "A B F1 H1".
constexpr int kWithDependants = 0;
constexpr int kWithoutDependants = 2;

}  // namespace

cSujeitoSelector& AddSujeitoSelector(platform::Form& form, LibraryState& library,
                                     const std::string& name, int index, Rect bounds,
                                     platform::Window* container) {
  auto& selector = AddControl<cSujeitoSelector>(form, library, name, bounds, container);
  selector.Index(index);
  std::string all = "*";
  selector.Possible(all);
  return selector;
}

cTipDefCTLNew& AddDisabilitySelector(platform::Form& form, LibraryState& library,
                                     const std::string& name, int index, Rect bounds,
                                     platform::Window* container) {
  auto& disability = AddControl<cTipDefCTLNew>(form, library, name, bounds, container);
  disability.Index(index);
  disability.ShowGrauDef(true);
  return disability;
}

HouseholdShowcase::HouseholdShowcase(platform::Desktop& desktop, LibraryState& library,
                                     const std::shared_ptr<hostkit::HostDatabase>& database)
    : m_library(library),
      m_database(database),
      m_form(desktop, "Agregado familiar") {
  m_form.SetBounds(Rect::FromSize(60, 60, 480, 290));
  m_rows.reserve(2);
  const auto declarations = hostkit::SeedDemoDatabase(database).declarations;
  AddRow("Casal com dependentes", declarations.at(kWithDependants), 10);
  AddRow("Casal sem dependentes (falecido, herança)", declarations.at(kWithoutDependants), 125);
}

void HouseholdShowcase::AddRow(const char* caption, std::int64_t declaration, int top) {
  auto& title = m_form.Add<platform::Label>("lblAgregado" + std::to_string(m_rows.size()));
  title.Caption(caption);
  title.SetBounds(Rect::FromSize(12, top, 440, 18));
  Row row;
  const int index = static_cast<int>(m_rows.size());
  row.selector = &AddSujeitoSelector(m_form, m_library, "Sujeito", index,
                                     Rect::FromSize(12, top + 22, 440, 30));
  row.selector->IRSClass(hostkit::SqliteDeclaration::Open(m_database, declaration));
  row.chosen = &m_form.Add<platform::Label>("lblEscolha" + std::to_string(m_rows.size()));
  row.chosen->SetBounds(Rect::FromSize(12, top + 56, 440, 18));
  row.disability = &AddDisabilitySelector(m_form, m_library, "TipDef", index,
                                          Rect::FromSize(12, top + 76, 200, 34));
  m_rows.push_back(row);
  Row& added = m_rows.back();
  added.selector->Changed.connect([this, &added] { ShowChoice(added); });
  added.selector->SujeitoValueType("A");
  ShowChoice(added);
}

void HouseholdShowcase::ShowChoice(Row& row) {
  const std::string code = row.selector->SujeitoValueType();
  row.chosen->Caption(code.empty() ? "Nenhum sujeito escolhido"
                                   : code + ": NIF " + row.selector->SelectedNIF());
}

bool WriteHouseholdScreenshots(const std::filesystem::path& folder,
                               const std::filesystem::path& databaseFile) {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  HouseholdShowcase showcase(desktop, library, hostkit::HostDatabase::Open(databaseFile));
  showcase.Window().Show();
  desktop.DoEvents();
  bool ok = true;
  const auto save = [&](const std::filesystem::path& file) {
    const bool saved = platform::HeadlessPresenter::Screenshot(desktop, file);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", file.string().c_str());
    ok = saved && ok;
  };
  // The user opens the first household's dependants, photographs the list and takes the second.
  desktop.Scripts().OnPopupMenu([&](platform::Menu& popup) {
    save(folder / "households_member_list.png");
    return popup.Item("mnu_list", 2);
  });
  desktop.Input().Click(showcase.Selector(0).KindButton(2));
  desktop.Input().Click(showcase.Selector(1).KindButton(4));
  desktop.Input().Click(showcase.Disability(1).Option(1));
  desktop.Input().Type("80");
  desktop.DoEvents();
  save(folder / "households_showcase.png");
  return ok;
}

}  // namespace qorvexctl::demo
