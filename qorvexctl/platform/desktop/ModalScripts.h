#pragma once
// Answers for modal forms and popup menus started while no real user is there. A test or the
// demo installs a script before the action that opens the modal; the modal loop runs the first
// matching script, and closes the modal as cancelled when the script leaves it open or when no
// script matches. Every modal that ran is logged, so a test can see that it happened.

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace qorvexctl::platform {

class Menu;
class Window;

struct ModalRecord {
  enum class Kind { Form, PopupMenu };
  Kind kind{Kind::Form};
  std::string title;  // the form's caption or name, or the menu's name
  bool scripted{false};
  bool cancelled{false};
};

class ModalScripts {
 public:
  using FormScript = std::function<void(Window& modal)>;
  // Chooses the item to click in a popup menu, or nullptr to cancel it. It runs while the
  // popup is open on the desktop, so it may take a screenshot or answer with keys and clicks
  // through desktop.Input() instead (the item it returns then counts only if still open).
  using MenuScript = std::function<Menu*(Menu& popup)>;

  // Runs `script` for the next modal form whose caption, name or type name equals `match`
  // (an empty match takes any form).
  void OnModalForm(std::string match, FormScript script);
  // Answers the next popup menu.
  void OnPopupMenu(MenuScript script);
  // Answers the next popup menu by clicking the item with this caption (access-key "&"
  // ignored) or name; "Parent|Child" walks into a submenu.
  void ChoosePopupItem(std::string captionPath);

  // Removes and returns the script for a form with these names, or an empty function.
  FormScript TakeFormScript(const std::vector<std::string>& names);
  MenuScript TakeMenuScript();
  bool Pending() const { return !m_forms.empty() || !m_menus.empty(); }

  void Record(ModalRecord record) { m_log.push_back(std::move(record)); }
  const std::vector<ModalRecord>& Log() const { return m_log; }
  void ClearLog() { m_log.clear(); }

 private:
  struct FormEntry {
    std::string match;
    FormScript script;
  };
  std::deque<FormEntry> m_forms;
  std::deque<MenuScript> m_menus;
  std::vector<ModalRecord> m_log;
};

}  // namespace qorvexctl::platform
