// The commands of a play script, one member each.

#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "hostkit/DemoSeed.h"
#include "hostkit/SqliteTaxpayerDirectory.h"
#include "play/PlayOutput.h"
#include "play/PlaySession.h"
#include "play/ScriptedDialogs.h"
#include "qorvexctl/base/Text.h"
#include "qorvexctl/frame/FormStore.h"
#include "qorvexctl/frame/IntrinsicControls.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/HeadlessPresenter.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl::play {

namespace {

bool IsWord(const Argument& argument, std::string_view word) {
  return !argument.quoted && EqualsNoCase(argument.text, word);
}

// A number argument; `what` names it in the error.
double NumberOf(const Argument& argument, const char* what) {
  const Variant value = ValueOf(argument);
  if (argument.quoted || !value.IsNumber() || !std::isfinite(value.ToDouble())) {
    throw CommandFailed(std::string(what) + " must be a number, not \"" + argument.text + "\"");
  }
  return value.ToDouble();
}

int PixelOf(const Argument& argument, const char* what) {
  const double value = NumberOf(argument, what);
  if (std::fabs(value) > 100000) throw CommandFailed(std::string(what) + " is out of range");
  return static_cast<int>(value);
}

// Whether `actual` is what an `expect` asked for: a Boolean, number, text or nothing.
bool Matches(const Variant& actual, const Variant& expected) {
  try {
    switch (expected.Type()) {
      case VarType::Boolean:
        return actual.Type() != VarType::String && actual.ToBoolean() == expected.ToBoolean();
      case VarType::Null:
        return actual.IsEmpty() || actual.IsNull();
      case VarType::String:
        return actual.ToString() == expected.ToString();
      default:
        return actual.IsNumber() && actual.ToDouble() == expected.ToDouble();
    }
  } catch (const std::exception&) {
    return false;
  }
}

// The index in the event's argument list of the argument named `name`: the name itself, else
// the one it ends (xCancel for Cancel), else its 1-based number.
std::optional<std::size_t> ArgumentIndex(const EventMember& event, std::string_view name) {
  const auto& args = event.arguments;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (EqualsNoCase(args[i], name)) return i;
  }
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i].size() > name.size() &&
        EqualsNoCase(std::string_view(args[i]).substr(args[i].size() - name.size()), name)) {
      return i;
    }
  }
  const Variant number = ValueOf(Argument{std::string(name), false});
  if (number.IsNumber() && number.ToDouble() >= 1 && number.ToDouble() <= args.size()) {
    return static_cast<std::size_t>(number.ToDouble()) - 1;
  }
  return std::nullopt;
}

}  // namespace

std::unique_ptr<platform::Form> PlaySession::NewForm(const std::string& caption) {
  auto form = std::make_unique<platform::Form>(*m_desktop, caption);
  form->Move(0, 0, 9000, 6000);
  return form;
}

void PlaySession::FormCommand(const Command& command) {
  const auto& args = command.args;
  if (IsWord(args[0], "new")) {
    OpenForm(NewForm(args.size() > 1 ? args[1].text : ""));
    return;
  }
  if (args.size() != 1) throw CommandFailed("form: give \"new [CAPTION]\" or one form file");
  if (const auto host = m_options.forms.find(args[0].text); host != m_options.forms.end()) {
    OpenForm(host->second(*m_desktop, *m_library));
    return;
  }
  std::filesystem::path file = args[0].text;
  if (file.is_relative()) file = m_options.scriptFolder / file;
  FormStore store(*m_registry, IntrinsicControls::Standard());
  auto form = std::make_unique<platform::Form>(*m_desktop);
  const auto report = store.Load(file, *form);
  if (!report) throw CommandFailed("cannot read the form file " + file.string());
  OpenForm(std::move(form));
}

void PlaySession::AddCommand(const Command& command) {
  const auto& args = command.args;
  const std::string& type = args[0].text;
  const std::string& name = args[1].text;
  const double left = NumberOf(args[2], "LEFT"), top = NumberOf(args[3], "TOP");
  const double width = NumberOf(args[4], "WIDTH"), height = NumberOf(args[5], "HEIGHT");
  platform::Form& form = CurrentForm();
  if (form.FindControl(name)) throw CommandFailed("there is already a control named " + name);
  std::shared_ptr<Component> component;
  std::shared_ptr<platform::Window> window;
  if (type.find('.') != std::string::npos) {
    component = m_registry->Create(type);
    if (!component) throw CommandFailed("unknown type " + type);
    auto* control = dynamic_cast<platform::Window*>(component.get());
    if (!control) throw CommandFailed(type + " is not a control (make it with new)");
    window = std::shared_ptr<platform::Window>(component, control);
    window->SetParent(&form);
  } else {
    const IntrinsicControls intrinsics = IntrinsicControls::Standard();  // outlives the lookup
    const IntrinsicType* intrinsic =
        intrinsics.Find(EqualsNoCase(type, "ScrollBar") ? "VScrollBar" : type);
    if (!intrinsic) throw CommandFailed("unknown type " + type);
    window = intrinsic->create(form);
  }
  form.Adopt(window, name);
  window->Move(left, top, width, height);
  Watch(name, m_registry->Members().Of(*window));
  if (component) component->InitProperties();
  window->Visible(true);
}

void PlaySession::NewCommand(const Command& command) {
  const std::string& name = command.args[1].text;
  std::shared_ptr<Component> component = m_registry->Create(command.args[0].text);
  if (!component) throw CommandFailed("unknown type " + command.args[0].text);
  auto* window = dynamic_cast<platform::Window*>(component.get());
  ObjectRef object =
      window ? m_registry->Members().Of(*window) : m_registry->Members().Of(*component);
  if (!object) throw CommandFailed(command.args[0].text + " has no member table");
  if (window) component->InitProperties();
  Watch(name, object, std::move(component));
}

void PlaySession::SetCommand(const Command& command) {
  auto [target, member] = ResolveMember(command.args[0].text);
  CallByName(target.object, member, CallType::Let, {ValueOf(command.args[1])});
}

void PlaySession::GetCommand(const Command& command) {
  const std::string& name = command.args[0].text;
  m_output->Write(Json{{"get", name}, {"value", PlainJson(Read(name))}});
}

void PlaySession::CallCommand(const Command& command) {
  const std::string& name = command.args[0].text;
  auto [target, member] = ResolveMember(name);
  std::vector<Variant> values;
  for (std::size_t i = 1; i < command.args.size(); ++i) values.push_back(ValueOf(command.args[i]));
  const Variant result = CallByName(target.object, member, CallType::Method, values);
  m_output->Write(Json{{"call", name}, {"value", PlainJson(result)}});
}

void PlaySession::ExpectCommand(const Command& command) {
  const std::string& name = command.args[0].text;
  const Variant actual = Read(name);
  const Variant expected = ValueOf(command.args[1]);
  if (Matches(actual, expected)) return;
  throw CommandFailed("expect " + name + ": got " + PlainJson(actual).dump() + ", expected " +
                      PlainJson(expected).dump());
}

void PlaySession::FocusCommand(const Command& command) {
  platform::Window& window = WindowOf(command.args[0].text);
  if (!m_desktop->SetFocus(&window)) {
    throw CommandFailed(command.args[0].text + " cannot take the focus");
  }
}

void PlaySession::KeysCommand(const Command& command) {
  if (!m_desktop->Focus()) throw CommandFailed("keys: no window has the focus");
  m_desktop->Input().SendKeys(command.args[0].text);
}

void PlaySession::ClickCommand(const Command& command) {
  const auto& args = command.args;
  platform::Window& window = WindowOf(args[0].text);
  std::size_t next = 1;
  std::optional<platform::Point> point;
  if (args.size() >= 3) {
    point = platform::Point{PixelOf(args[1], "X"), PixelOf(args[2], "Y")};
    next = 3;
  }
  bool right = false, twice = false;
  if (next < args.size()) {
    right = IsWord(args[next], "right");
    twice = IsWord(args[next], "double");
    if ((!right && !twice) || next + 1 != args.size()) {
      throw CommandFailed("click: give NAME [X Y] [right|double]");
    }
  } else if (args.size() == 2) {
    throw CommandFailed("click: give NAME [X Y] [right|double]");
  }
  const int button = right ? platform::vbRightButton : platform::vbLeftButton;
  if (twice) {
    m_desktop->Input().DoubleClick(window, point, button);
  } else {
    m_desktop->Input().Click(window, point, button);
  }
}

void PlaySession::MoveCommand(const Command& command) {
  platform::Window& window = WindowOf(command.args[0].text);
  m_desktop->Input().MoveTo(
      window, platform::Point{PixelOf(command.args[1], "X"), PixelOf(command.args[2], "Y")});
}

void PlaySession::ClipboardCommand(const Command& command) {
  m_desktop->GetClipboard().SetText(ValueOf(command.args[0]).ToString());
}

void PlaySession::SettingCommand(const Command& command) {
  const auto& args = command.args;
  m_desktop->Settings().Set(args[0].text, args[1].text, args[2].text, ValueOf(args[3]).ToString());
}

void PlaySession::AnswerCommand(const Command& command) {
  const Argument& answer = command.args[1];
  if (IsWord(command.args[0], "msgbox")) {
    const auto result = MessageBoxResultOf(answer.text);
    if (!result) throw CommandFailed("answer msgbox: unknown result \"" + answer.text + "\"");
    m_messageBoxes->Queue(*result);
  } else if (IsWord(command.args[0], "menu")) {
    m_menus->Queue(IsWord(answer, "cancel") ? std::nullopt : std::optional(answer.text));
  } else {
    throw CommandFailed("answer: give msgbox RESULT or menu ITEM");
  }
}

void PlaySession::ModalCommand(const Command& command) {
  m_desktop->Scripts().OnModalForm(
      "", [this, block = command](platform::Window& modal) { RunModal(block, modal); });
}

void PlaySession::RunModal(const Command& command, platform::Window& modal) {
  ModalScope scope;
  scope.form = dynamic_cast<platform::Form*>(&modal);
  m_modals.push_back(&scope);
  if (scope.form) WatchForm(*scope.form);
  RunBlock(command.body);
  m_modals.pop_back();
}

void PlaySession::ReplyCommand(const Command& command) {
  auto [target, eventName] = ResolveMember(command.args[0].text);
  const EventMember* event = target.object.table->FindEvent(eventName);
  if (!event) {
    throw CommandFailed(target.object.table->typeName + "." + eventName + ": no such event");
  }
  const auto index = ArgumentIndex(*event, command.args[1].text);
  if (!index) {
    throw CommandFailed(target.object.table->typeName + "." + event->name + " has no argument " +
                        command.args[1].text);
  }
  m_replies.push_back(Reply{target.name, event->name, *index, ValueOf(command.args[2])});
}

void PlaySession::ClockCommand(const Command& command) {
  const double ms = NumberOf(command.args[0], "MS");
  if (ms < 0 || ms > 86'400'000) throw CommandFailed("clock: MS must be 0 to 86400000");
  m_desktop->Wait(static_cast<std::int64_t>(ms));
}

void PlaySession::ScreenshotCommand(const Command& command) {
  std::filesystem::path file = command.args[0].text;
  if (!m_options.screenshots.empty()) file = m_options.screenshots / file;
  std::error_code ec;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
  if (!platform::HeadlessPresenter::Screenshot(*m_desktop, file)) {
    throw CommandFailed("cannot write the screenshot " + file.string());
  }
}

void PlaySession::HostCommand(const Command& command) {
  if (IsWord(command.args[0], "none")) {
    DetachHost();
    return;
  }
  if (!IsWord(command.args[0], "seed")) throw CommandFailed("host: give seed or none");
  DetachHost();
  std::string pattern = (std::filesystem::temp_directory_path() / "qorvexctl-play-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw CommandFailed("host seed: no temporary folder");
  m_hostFolder = pattern;
  auto database = hostkit::HostDatabase::Open(m_hostFolder / "host.sqlite");
  hostkit::SeedDemoDatabase(database);
  m_library->SetDefaultTaxpayerDirectory(
      std::make_shared<hostkit::SqliteTaxpayerDirectory>(database));
}

void PlaySession::DetachHost() {
  if (m_library) m_library->SetDefaultTaxpayerDirectory(nullptr);
  if (m_hostFolder.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(m_hostFolder, ec);
  m_hostFolder.clear();
}

}  // namespace qorvexctl::play
