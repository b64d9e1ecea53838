#pragma once
// Runs a play script on a headless desktop with the virtual clock: forms and controls are made,
// driven and read by name, and everything that happens is written as JSON Lines, one object a
// line: every event any control raises, every value a script asks for, every message box and
// popup menu shown.
//
//   PlaySession session(std::cout, {.scriptFolder = "tests", .screenshots = "out"});
//   int exit = session.Run(ReadScript(text));   // 0, or 1 with session.Failure() set
//
// The script format is described in docs/play.md.

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "play/ScriptReader.h"
#include "qorvexctl/base/Event.h"
#include "qorvexctl/frame/Members.h"

namespace qorvexctl {
class Component;
class LibraryState;
class Registry;
namespace platform {
class Desktop;
class Form;
class Window;
}  // namespace platform
}  // namespace qorvexctl

namespace qorvexctl::play {

class PlayOutput;
class ScriptedMessageBoxes;
class ScriptedMenus;

// A command that cannot be carried out; the session names its line.
struct CommandFailed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A form the host program makes itself, on the session's desktop and library.
using HostFormFactory =
    std::function<std::unique_ptr<platform::Form>(platform::Desktop&, LibraryState&)>;

struct PlayOptions {
  std::filesystem::path root;          // the application root (its data folder)
  std::filesystem::path scriptFolder;  // form files are found relative to it
  std::filesystem::path screenshots;   // where screenshots go; empty: the current folder
  // Forms that `form NAME` opens by name (the demo's "irs"), before form files are looked for.
  std::map<std::string, HostFormFactory, std::less<>> forms;
};

class PlaySession {
 public:
  PlaySession(std::ostream& out, PlayOptions options);
  ~PlaySession();
  PlaySession(const PlaySession&) = delete;
  PlaySession& operator=(const PlaySession&) = delete;

  // Runs the script up to its end or its first failing command: 0, or 1.
  int Run(const Script& script);
  // "line N: what failed", after Run returned 1.
  const std::string& Failure() const { return m_failure; }

 private:
  // An object whose events are printed under a name; an object of `new` is kept alive here.
  struct Named {
    std::string name;
    ObjectRef object;
    std::shared_ptr<Component> keep;
    std::vector<Connection> connections;
    Named() = default;
    Named(const Named&) = delete;
    Named& operator=(const Named&) = delete;
    ~Named();
  };
  // A value written into an argument of the next raising of an event.
  struct Reply {
    std::string control;
    std::string event;
    std::size_t argument;
    Variant value;
  };
  // A resolved name: the object and the name its events print under.
  struct Target {
    std::string name;
    ObjectRef object;
    platform::Window* window = nullptr;
  };
  // A modal form while its block runs, and the names watched in it.
  struct ModalScope {
    platform::Form* form = nullptr;
    std::vector<std::unique_ptr<Named>> named;
  };

  // Runs commands; false after a failure (recorded in m_failure).
  bool RunBlock(const std::vector<Command>& commands);
  void RunCommand(const Command& command);
  void Fail(const Command& command, const std::string& message);

  // --- Commands (PlayCommands.cpp).
  void FormCommand(const Command& command);
  void AddCommand(const Command& command);
  void NewCommand(const Command& command);
  void SetCommand(const Command& command);
  void GetCommand(const Command& command);
  void CallCommand(const Command& command);
  void ExpectCommand(const Command& command);
  void FocusCommand(const Command& command);
  void KeysCommand(const Command& command);
  void ClickCommand(const Command& command);
  void MoveCommand(const Command& command);
  void ClipboardCommand(const Command& command);
  void AnswerCommand(const Command& command);
  void ModalCommand(const Command& command);
  void ReplyCommand(const Command& command);
  void ClockCommand(const Command& command);
  void ScreenshotCommand(const Command& command);
  void HostCommand(const Command& command);
  void SettingCommand(const Command& command);

  // --- Names and events.
  Target FindFirst(const NameStep& step);
  Target Resolve(std::string_view dotted);
  // "nif1.Value" split into the object and the member name.
  std::pair<Target, std::string> ResolveMember(std::string_view dotted);
  platform::Window& WindowOf(std::string_view dotted);
  Variant Read(std::string_view dotted);
  platform::Form& CurrentForm();
  std::unique_ptr<platform::Form> NewForm(const std::string& caption);
  void OpenForm(std::unique_ptr<platform::Form> form);
  // Prints the object's events under `name` (once per object and name); `keep` holds an
  // object of `new`.
  void Watch(const std::string& name, ObjectRef object, std::shared_ptr<Component> keep = {});
  void WatchForm(platform::Form& form);
  void OnEvent(const std::string& control, const EventMember& event, std::vector<Variant>& args);
  void RunModal(const Command& command, platform::Window& modal);
  void DetachHost();

  std::unique_ptr<PlayOutput> m_output;
  PlayOptions m_options;
  std::unique_ptr<platform::Desktop> m_desktop;
  ScriptedMessageBoxes* m_messageBoxes = nullptr;  // owned by the desktop
  std::unique_ptr<LibraryState> m_library;
  std::unique_ptr<Registry> m_registry;
  std::unique_ptr<ScriptedMenus> m_menus;
  std::unique_ptr<platform::Form> m_form;
  std::vector<std::unique_ptr<Named>> m_named;
  std::vector<ModalScope*> m_modals;  // innermost last
  std::vector<Reply> m_replies;
  std::filesystem::path m_hostFolder;  // the seeded host database's folder, removed at the end
  std::string m_failure;
};

}  // namespace qorvexctl::play
