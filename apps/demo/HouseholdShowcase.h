#pragma once
// The demo's household panel: for two seeded declarations of the host database (a couple with
// dependants, and a couple with a deceased taxpayer and an undivided estate but no dependants)
// a taxpayer selector offering the kinds each household has, a line with the chosen taxpayer's
// code, title and NIF, and a disability-type selector with its degree field.

#include <filesystem>
#include <memory>
#include <vector>

#include "hostkit/HostDatabase.h"
#include "qorvexctl/controls/helpers/cSujeitoSelector.h"
#include "qorvexctl/controls/helpers/cTipDefCTLNew.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Label.h"

namespace qorvexctl::demo {

// A taxpayer selector (name and control-array index) on `container` (the form by default).
cSujeitoSelector& AddSujeitoSelector(platform::Form& form, LibraryState& library,
                                     const std::string& name, int index, platform::Rect bounds,
                                     platform::Window* container = nullptr);
// A disability selector that shows the degree field, likewise.
cTipDefCTLNew& AddDisabilitySelector(platform::Form& form, LibraryState& library,
                                     const std::string& name, int index, platform::Rect bounds,
                                     platform::Window* container = nullptr);

class HouseholdShowcase {
 public:
  HouseholdShowcase(platform::Desktop& desktop, LibraryState& library,
                    const std::shared_ptr<hostkit::HostDatabase>& database);

  platform::Form& Window() { return m_form; }
  cSujeitoSelector& Selector(int row) { return *m_rows.at(row).selector; }
  cTipDefCTLNew& Disability(int row) { return *m_rows.at(row).disability; }

 private:
  struct Row {
    cSujeitoSelector* selector{nullptr};
    cTipDefCTLNew* disability{nullptr};
    platform::Label* chosen{nullptr};
  };
  void AddRow(const char* caption, std::int64_t declaration, int top);
  void ShowChoice(Row& row);

  LibraryState& m_library;
  std::shared_ptr<hostkit::HostDatabase> m_database;
  platform::Form m_form;
  std::vector<Row> m_rows;
};

// Writes households_showcase.png (dependant 2 of the first household chosen, the second
// household's deceased taxpayer disabled at 80 %) and households_member_list.png (the
// dependants' list open).
bool WriteHouseholdScreenshots(const std::filesystem::path& folder,
                               const std::filesystem::path& databaseFile);

}  // namespace qorvexctl::demo
