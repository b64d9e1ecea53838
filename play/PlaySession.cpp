#include "play/PlaySession.h"

#include <stdexcept>
#include <utility>

#include "play/PlayOutput.h"
#include "play/ScriptedDialogs.h"
#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/LibraryControls.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl::play {

PlaySession::Named::~Named() {
  for (Connection& connection : connections) connection.Disconnect();
}

namespace {

std::string StepName(const NameStep& step) {
  return step.index ? step.name + "(" + std::to_string(*step.index) + ")" : step.name;
}

}  // namespace

PlaySession::PlaySession(std::ostream& out, PlayOptions options)
    : m_output(std::make_unique<PlayOutput>(out)), m_options(std::move(options)) {
  m_desktop = std::make_unique<platform::Desktop>();
  auto boxes = std::make_unique<ScriptedMessageBoxes>(*m_output);
  m_messageBoxes = boxes.get();
  m_desktop->SetMessageBoxService(std::move(boxes));
  const std::string root = m_options.root.string();
  m_library = std::make_unique<LibraryState>(m_desktop->Settings(), m_desktop->MessageBoxes(),
                                             [root] { return root; });
  m_registry = std::make_unique<Registry>(*m_library);
  RegisterLibraryControls(*m_registry, *m_desktop);
  m_menus = std::make_unique<ScriptedMenus>(m_desktop->Scripts(), *m_output);
}

PlaySession::~PlaySession() {
  m_named.clear();
  m_form.reset();
  DetachHost();
}

int PlaySession::Run(const Script& script) {
  if (!script.error.empty()) {
    m_failure = script.error;
    return 1;
  }
  return RunBlock(script.commands) ? 0 : 1;
}

bool PlaySession::RunBlock(const std::vector<Command>& commands) {
  for (const Command& command : commands) {
    if (!m_failure.empty()) return false;
    m_menus->Arm();
    try {
      RunCommand(command);
      m_desktop->DoEvents();
    } catch (const RuntimeError& e) {
      Fail(command, e.Description());
    } catch (const std::exception& e) {
      Fail(command, e.what());
    }
    const std::string problem = m_menus->TakeProblem();
    if (!problem.empty()) Fail(command, problem);
  }
  return m_failure.empty();
}

void PlaySession::Fail(const Command& command, const std::string& message) {
  if (m_failure.empty()) m_failure = "line " + std::to_string(command.line) + ": " + message;
}

void PlaySession::RunCommand(const Command& command) {
  struct Verb {
    const char* name;
    std::size_t minArgs, maxArgs;
    void (PlaySession::*run)(const Command&);
  };
  static constexpr Verb kVerbs[] = {
      {"form", 1, 2, &PlaySession::FormCommand},
      {"add", 6, 6, &PlaySession::AddCommand},
      {"new", 2, 2, &PlaySession::NewCommand},
      {"set", 2, 2, &PlaySession::SetCommand},
      {"get", 1, 1, &PlaySession::GetCommand},
      {"call", 1, 64, &PlaySession::CallCommand},
      {"expect", 2, 2, &PlaySession::ExpectCommand},
      {"focus", 1, 1, &PlaySession::FocusCommand},
      {"keys", 1, 1, &PlaySession::KeysCommand},
      {"click", 1, 4, &PlaySession::ClickCommand},
      {"move", 3, 3, &PlaySession::MoveCommand},
      {"clipboard", 1, 1, &PlaySession::ClipboardCommand},
      {"answer", 2, 2, &PlaySession::AnswerCommand},
      {"modal", 0, 0, &PlaySession::ModalCommand},
      {"reply", 3, 3, &PlaySession::ReplyCommand},
      {"clock", 1, 1, &PlaySession::ClockCommand},
      {"screenshot", 1, 1, &PlaySession::ScreenshotCommand},
      {"host", 1, 1, &PlaySession::HostCommand},
      {"setting", 4, 4, &PlaySession::SettingCommand},
  };
  for (const Verb& verb : kVerbs) {
    if (command.verb != verb.name) continue;
    if (command.args.size() < verb.minArgs || command.args.size() > verb.maxArgs) {
      throw CommandFailed(command.verb + ": wrong number of arguments");
    }
    (this->*verb.run)(command);
    return;
  }
  throw CommandFailed("unknown command \"" + command.verb + "\"");
}

// --- Names.

platform::Form& PlaySession::CurrentForm() {
  if (!m_modals.empty() && m_modals.back()->form) return *m_modals.back()->form;
  if (!m_form) OpenForm(NewForm(""));
  return *m_form;
}

PlaySession::Target PlaySession::FindFirst(const NameStep& step) {
  for (const auto& named : m_named) {
    if (named->keep && EqualsNoCase(named->name, step.name) && !step.index) {
      return Target{named->name, named->object, nullptr};
    }
  }
  std::vector<platform::Form*> forms;
  for (auto it = m_modals.rbegin(); it != m_modals.rend(); ++it) {
    if ((*it)->form) forms.push_back((*it)->form);
  }
  if (m_form) forms.push_back(m_form.get());
  for (platform::Form* form : forms) {
    platform::Window* window = nullptr;
    if (!step.index && (EqualsNoCase(step.name, "form") || EqualsNoCase(step.name, form->Name()))) {
      window = form;
    } else {
      window = form->FindControl(step.name, step.index.value_or(-1));
    }
    if (window) return Target{StepName(step), m_registry->Members().Of(*window), window};
  }
  throw CommandFailed("no control or object named \"" + StepName(step) + "\"");
}

PlaySession::Target PlaySession::Resolve(std::string_view dotted) {
  const auto steps = SplitName(dotted);
  if (!steps) throw CommandFailed("\"" + std::string(dotted) + "\" is not a name");
  Target target = FindFirst(steps->front());
  for (std::size_t i = 1; i < steps->size(); ++i) {
    const NameStep& step = (*steps)[i];
    const PartMember* part = target.object.table->FindPart(step.name);
    platform::Window* window =
        part ? part->find(target.object.object, step.index.value_or(-1)) : nullptr;
    if (!window) {
      throw CommandFailed(target.object.table->typeName + " " + target.name +
                          " has no inner part \"" + StepName(step) + "\"");
    }
    target = Target{target.name + "." + StepName(step), m_registry->Members().Of(*window), window};
  }
  if (target.window) Watch(target.name, target.object);
  return target;
}

std::pair<PlaySession::Target, std::string> PlaySession::ResolveMember(std::string_view dotted) {
  const std::size_t dot = dotted.rfind('.');
  if (dot == std::string_view::npos || dot + 1 == dotted.size()) {
    throw CommandFailed("\"" + std::string(dotted) + "\" names no member (NAME.MEMBER)");
  }
  return {Resolve(dotted.substr(0, dot)), std::string(dotted.substr(dot + 1))};
}

platform::Window& PlaySession::WindowOf(std::string_view dotted) {
  Target target = Resolve(dotted);
  if (!target.window) throw CommandFailed(std::string(dotted) + " is not a window");
  return *target.window;
}

Variant PlaySession::Read(std::string_view dotted) {
  if (EqualsNoCase(dotted, "clipboard")) return Variant(m_desktop->GetClipboard().GetText());
  auto [target, member] = ResolveMember(dotted);
  return CallByName(target.object, member, CallType::Get);
}

// --- Events.

void PlaySession::Watch(const std::string& name, ObjectRef object,
                        std::shared_ptr<Component> keep) {
  auto* list = &m_named;
  if (!m_modals.empty()) list = &m_modals.back()->named;
  for (auto* named : {&m_named, list}) {
    for (const auto& entry : *named) {
      if (entry->object.object == object.object && EqualsNoCase(entry->name, name)) return;
    }
  }
  auto named = std::make_unique<Named>();
  named->name = name;
  named->object = object;
  named->keep = std::move(keep);
  const MemberTable* table = object.table;
  named->connections = ConnectAllEvents(
      object, [this, name, table](std::string_view event, std::vector<Variant>& args) {
        OnEvent(name, *table->FindEvent(event), args);
      });
  (named->keep ? m_named : *list).push_back(std::move(named));
}

void PlaySession::OnEvent(const std::string& control, const EventMember& event,
                          std::vector<Variant>& args) {
  Json values = Json::array();
  for (const Variant& arg : args) values.push_back(PlainJson(arg));
  m_output->Write(Json{{"event", event.name}, {"control", control}, {"args", values}});
  for (auto it = m_replies.begin(); it != m_replies.end(); ++it) {
    if (!EqualsNoCase(it->control, control) || !EqualsNoCase(it->event, event.name)) continue;
    if (it->argument < args.size()) args[it->argument] = it->value;
    m_replies.erase(it);
    return;
  }
}

void PlaySession::WatchForm(platform::Form& form) {
  Watch(form.Name().empty() ? "form" : form.Name(), m_registry->Members().Of(form));
  for (platform::Window* control : form.Controls()) {
    const std::string name = control->Index() >= 0
                                 ? control->Name() + "(" + std::to_string(control->Index()) + ")"
                                 : control->Name();
    Watch(name, m_registry->Members().Of(*control));
  }
}

void PlaySession::OpenForm(std::unique_ptr<platform::Form> form) {
  std::erase_if(m_named, [](const std::unique_ptr<Named>& named) { return !named->keep; });
  if (m_form) m_form->UnloadForm();
  m_form = std::move(form);
  WatchForm(*m_form);
  m_form->Show();
}

}  // namespace qorvexctl::play
