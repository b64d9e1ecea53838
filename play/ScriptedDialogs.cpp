#include "play/ScriptedDialogs.h"

#include <algorithm>
#include <charconv>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/platform/desktop/Menu.h"
#include "qorvexctl/platform/desktop/Mnemonic.h"
#include "qorvexctl/platform/desktop/ModalScripts.h"

namespace qorvexctl::play {

using platform::MessageBoxResult;

std::optional<MessageBoxResult> MessageBoxResultOf(std::string_view text) {
  static constexpr std::pair<const char*, MessageBoxResult> kNames[] = {
      {"ok", MessageBoxResult::OK},       {"cancel", MessageBoxResult::Cancel},
      {"abort", MessageBoxResult::Abort}, {"retry", MessageBoxResult::Retry},
      {"ignore", MessageBoxResult::Ignore}, {"yes", MessageBoxResult::Yes},
      {"no", MessageBoxResult::No}};
  int number = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (ec == std::errc() && end == text.data() + text.size()) {
    if (number < 1 || number > 7) return std::nullopt;
    return static_cast<MessageBoxResult>(number);
  }
  if (text.size() > 2 && EqualsNoCase(text.substr(0, 2), "vb")) text.remove_prefix(2);
  for (const auto& [name, result] : kNames) {
    if (EqualsNoCase(text, name)) return result;
  }
  return std::nullopt;
}

MessageBoxResult ScriptedMessageBoxes::Show(const platform::MessageBoxRequest& request) {
  const int style = static_cast<int>(request.buttons) + static_cast<int>(request.icon) +
                    256 * request.defaultButton;
  m_out.Write(Json{{"msgbox", request.text}, {"title", request.title}, {"style", style}});
  if (m_answers.empty()) return platform::DefaultAnswer(request);
  const MessageBoxResult answer = m_answers.front();
  m_answers.pop_front();
  return answer;
}

namespace {

// The shown items of a menu as their captions, a submenu's as "Parent|Child" after it.
void ListItems(const platform::Menu& menu, const std::string& prefix, Json& items) {
  for (const platform::Menu* item : menu.Items()) {
    if (!item->Visible() || item->IsSeparator()) continue;
    const std::string caption = prefix + platform::StripMnemonic(item->Caption());
    items.push_back(caption);
    if (item->HasSubItems()) ListItems(*item, caption + "|", items);
  }
}

}  // namespace

void ScriptedMenus::Arm() {
  const auto& log = m_scripts.Log();
  const auto shown = std::count_if(log.begin(), log.end(), [](const platform::ModalRecord& r) {
    return r.kind == platform::ModalRecord::Kind::PopupMenu;
  });
  if (m_armed > shown) return;
  m_scripts.OnPopupMenu([this](platform::Menu& popup) { return Answer(popup); });
  ++m_armed;
}

platform::Menu* ScriptedMenus::Answer(platform::Menu& popup) {
  Json items = Json::array();
  ListItems(popup, "", items);
  std::optional<std::string> answer;
  if (!m_answers.empty()) {
    answer = m_answers.front();
    m_answers.pop_front();
  }
  m_out.Write(Json{{"menu", popup.Name()},
                   {"items", items},
                   {"chosen", answer ? Json(*answer) : Json(nullptr)}});
  if (!answer) return nullptr;
  platform::Menu* item = popup.Find(*answer);
  if (!item) m_problem = "the menu \"" + popup.Name() + "\" has no item \"" + *answer + "\"";
  return item;
}

std::string ScriptedMenus::TakeProblem() { return std::exchange(m_problem, {}); }

}  // namespace qorvexctl::play
