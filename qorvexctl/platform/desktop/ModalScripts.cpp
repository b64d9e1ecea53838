#include "qorvexctl/platform/desktop/ModalScripts.h"

#include <algorithm>

#include "qorvexctl/platform/desktop/Menu.h"

namespace qorvexctl::platform {

void ModalScripts::OnModalForm(std::string match, FormScript script) {
  m_forms.push_back(FormEntry{std::move(match), std::move(script)});
}

void ModalScripts::OnPopupMenu(MenuScript script) { m_menus.push_back(std::move(script)); }

void ModalScripts::ChoosePopupItem(std::string captionPath) {
  OnPopupMenu([path = std::move(captionPath)](Menu& popup) { return popup.Find(path); });
}

ModalScripts::FormScript ModalScripts::TakeFormScript(const std::vector<std::string>& names) {
  for (auto it = m_forms.begin(); it != m_forms.end(); ++it) {
    const bool matches =
        it->match.empty() || std::find(names.begin(), names.end(), it->match) != names.end();
    if (matches) {
      FormScript script = std::move(it->script);
      m_forms.erase(it);
      return script;
    }
  }
  return {};
}

ModalScripts::MenuScript ModalScripts::TakeMenuScript() {
  if (m_menus.empty()) return {};
  MenuScript script = std::move(m_menus.front());
  m_menus.pop_front();
  return script;
}

}  // namespace qorvexctl::platform
