// Desktop: posting and sending messages, the message loop, Wait and modal loops.

#include <algorithm>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Presenter.h"
#include "qorvexctl/platform/desktop/SendKeys.h"
#include "qorvexctl/platform/desktop/Window.h"

namespace qorvexctl::platform {
namespace {

// A safety bound on the items one DoEvents handles, so tasks that keep posting tasks cannot
// hold the caller forever.
constexpr int kMaxItemsPerPump = 100000;

}  // namespace

void Desktop::PostMessage(HWND hwnd, std::uint32_t msg, WPARAM wParam, LPARAM lParam) {
  m_queue.Push(Message{hwnd, msg, wParam, lParam});
}

LRESULT Desktop::SendMessage(HWND hwnd, std::uint32_t msg, WPARAM wParam, LPARAM lParam) {
  Window* w = FromHandle(hwnd);
  return w ? w->WindowProc(Message{hwnd, msg, wParam, lParam}) : 0;
}

void Desktop::Post(Task task) { m_queue.Push(std::move(task)); }

void Desktop::PostInput(const InputEvent& event) { m_queue.Push(event); }

void Desktop::SendKeys(std::string_view keys) {
  for (const KeyStroke& stroke : ParseSendKeys(keys)) PostKeyStroke(stroke);
}

void Desktop::PostKeyStroke(const KeyStroke& stroke) {
  if (stroke.keyCode == 0) {
    PostInput(InputEvent{.kind = InputEvent::Kind::Char, .character = stroke.character});
    return;
  }
  constexpr int kModifiers[3][2] = {
      {vbShiftMask, vbKeyShift}, {vbCtrlMask, vbKeyControl}, {vbAltMask, vbKeyMenu}};
  for (const auto& m : kModifiers) {
    if (stroke.shift & m[0]) PostInput({.kind = InputEvent::Kind::KeyDown, .keyCode = m[1]});
  }
  PostInput({.kind = InputEvent::Kind::KeyDown, .keyCode = stroke.keyCode});
  PostInput({.kind = InputEvent::Kind::KeyUp, .keyCode = stroke.keyCode});
  for (const auto& m : kModifiers) {
    if (stroke.shift & m[0]) PostInput({.kind = InputEvent::Kind::KeyUp, .keyCode = m[1]});
  }
}

void Desktop::Dispatch(const Message& message) {
  if (Window* w = FromHandle(message.hwnd)) w->WindowProc(message);
}

bool Desktop::PumpOne() {
  if (m_workerInbox.HasTasks()) {
    for (Task& task : m_workerInbox.TakeAll()) m_queue.Push(std::move(task));
  }
  if (auto item = m_queue.Take()) {
    if (auto* m = std::get_if<Message>(&*item)) {
      Dispatch(*m);
    } else if (auto* e = std::get_if<InputEvent>(&*item)) {
      DispatchInput(*e);
    } else if (auto* t = std::get_if<Task>(&*item)) {
      if (*t) (*t)();
    }
    return true;
  }
  return FireOneTimer();
}

bool Desktop::FireOneTimer() {
  auto due = m_timers.TakeDue(NowMs());
  if (!due) return false;
  if (due->proc) {
    due->proc(due->hwnd, due->id);
  } else {
    SendMessage(due->hwnd, WM_TIMER, due->id);
  }
  m_timers.Finished(due->hwnd, due->id);
  return true;
}

void Desktop::DoEvents() {
  m_presenter->PollInput(*this, 0);
  for (int i = 0; i < kMaxItemsPerPump && PumpOne(); ++i) {
  }
  PaintPending();
  m_presenter->Present(*this);
}

void Desktop::WaitForSomething(std::int64_t untilMs) {
  if (m_virtualClock) {
    m_virtualClock->Advance(untilMs - m_virtualClock->NowMs());
    return;
  }
  const auto timeout = static_cast<int>(std::clamp<std::int64_t>(untilMs - NowMs(), 0, 50));
  if (Interactive()) {
    m_presenter->PollInput(*this, timeout);
  } else {
    m_workerInbox.WaitForTask(timeout);
  }
}

void Desktop::Wait(std::int64_t ms) {
  const std::int64_t deadline = NowMs() + std::max<std::int64_t>(ms, 0);
  for (;;) {
    DoEvents();
    if (NowMs() >= deadline) return;
    const auto next = m_timers.NextDue();
    WaitForSomething(next ? std::min(*next, deadline) : deadline);
  }
}

void Desktop::RunModal(Window& modal, const std::function<bool()>& isOpen,
                       const std::function<void()>& cancel) {
  const std::vector<std::string> names{modal.WindowText(), modal.Name(), modal.TypeName()};
  ModalScripts::FormScript script = m_scripts.TakeFormScript(names);
  ModalRecord record;
  record.title = modal.WindowText().empty() ? modal.Name() : modal.WindowText();
  record.scripted = static_cast<bool>(script);
  const HWND handle = modal.hWnd();
  auto answer = [this, script, isOpen, cancel, handle] {
    Window* w = FromHandle(handle);
    if (w && script && isOpen()) script(*w);
    if (!FromHandle(handle) || !isOpen()) return false;
    cancel();
    return true;
  };
  record.cancelled = RunModalLoop(modal, isOpen, answer, record.scripted);
  m_scripts.Record(record);
}

bool Desktop::RunModalLoop(Window& modal, const std::function<bool()>& isOpen,
                           std::function<bool()> answer, bool scripted) {
  struct State {
    bool answered{false};   // the answer has run
    bool cancelled{false};  // and had to cancel
    bool loopEnded{false};  // an answer still queued then must not run
  };
  auto state = std::make_shared<State>();
  const HWND handle = modal.hWnd();
  m_modalStack.push_back(handle);
  // The press that opened the modal (a click's release runs its Click) no longer holds the
  // mouse: the modal window's own clicks must reach it.
  m_implicitCapture = 0;
  if (scripted || !Interactive()) {
    Post([state, answer = std::move(answer)] {
      if (state->loopEnded) return;
      state->cancelled = answer();
      state->answered = true;
    });
  }
  while (FromHandle(handle) && isOpen()) {
    if (PumpOne()) continue;
    PaintPending();
    m_presenter->Present(*this);
    if (state->answered && !Interactive()) break;  // refused to close: do not hang
    const auto next = m_timers.NextDue();
    WaitForSomething(next ? *next : NowMs() + 50);
  }
  state->loopEnded = true;
  std::erase(m_modalStack, handle);
  return state->cancelled;
}

}  // namespace qorvexctl::platform
