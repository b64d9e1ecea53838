#include "qorvexctl/frame/LibraryState.h"

#include <filesystem>
#include <system_error>

#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/platform/services/SettingsStore.h"

namespace qorvexctl {

LibraryState::LibraryState(platform::SettingsStore& settings,
                           platform::MessageBoxService& messageBoxes,
                           CurrentFolderSource currentFolder)
    : m_settings(settings),
      m_messageBoxes(messageBoxes),
      m_currentFolder(std::move(currentFolder)) {}

std::string LibraryState::ProcessCurrentFolder() {
  std::error_code error;
  return std::filesystem::current_path(error).string();
}

void LibraryState::RemoveNifControl() {
  --m_nifControls;
  if (m_nifControls < 1) m_flagStrip.reset();
}

RuleSet LibraryState::TaxNumberRules() {
  if (!m_taxNumberRules) {
    const std::string stored =
        m_settings.Get(kSettingsApplication, kConfigSection, kTaxNumberRulesKey, "");
    m_taxNumberRules = ParseRuleSet(stored).value_or(RuleSet::Classic);
  }
  return *m_taxNumberRules;
}

}  // namespace qorvexctl
