#pragma once
// The message boxes and popup menus of a play run: each one shown is written out, and answered
// with what the script queued (`answer msgbox`, `answer menu`), else with the box's default
// button or by dismissing the menu.

#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "play/PlayOutput.h"
#include "qorvexctl/platform/services/MessageBoxService.h"

namespace qorvexctl::platform {
class Menu;
class ModalScripts;
}  // namespace qorvexctl::platform

namespace qorvexctl::play {

// A message box result by its number (1 to 7) or its name ("yes", "vbYes", "Cancel").
std::optional<platform::MessageBoxResult> MessageBoxResultOf(std::string_view text);

class ScriptedMessageBoxes final : public platform::MessageBoxService {
 public:
  explicit ScriptedMessageBoxes(PlayOutput& out) : m_out(out) {}
  platform::MessageBoxResult Show(const platform::MessageBoxRequest& request) override;
  void Queue(platform::MessageBoxResult answer) { m_answers.push_back(answer); }

 private:
  PlayOutput& m_out;
  std::deque<platform::MessageBoxResult> m_answers;
};

class ScriptedMenus {
 public:
  ScriptedMenus(platform::ModalScripts& scripts, PlayOutput& out)
      : m_scripts(scripts), m_out(out) {}

  // The item to choose in the next popup menu ("Caption|Sub"), or nothing to dismiss it.
  void Queue(std::optional<std::string> captionPath) { m_answers.push_back(captionPath); }
  // Keeps one answer waiting for the next popup menu, so every menu shown is written out.
  void Arm();
  // What went wrong with the last answer ("" when nothing); reading clears it.
  std::string TakeProblem();

 private:
  platform::Menu* Answer(platform::Menu& popup);

  platform::ModalScripts& m_scripts;
  PlayOutput& m_out;
  std::deque<std::optional<std::string>> m_answers;
  int m_armed = 0;
  std::string m_problem;
};

}  // namespace qorvexctl::play
