#include "qorvexctl/platform/desktop/Desktop.h"

#include <utility>

#include <algorithm>

#include "qorvexctl/platform/desktop/HeadlessPresenter.h"
#include "qorvexctl/platform/desktop/Presenter.h"
#include "qorvexctl/platform/desktop/TabOrder.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/desktop/Window.h"
#include "qorvexctl/platform/services/IniSettingsStore.h"
#include "qorvexctl/platform/services/MemorySettingsStore.h"

namespace qorvexctl::platform {
namespace {

// The chain from the top-level window down to `w` (empty for none).
std::vector<Window*> AncestorChain(Window* w) {
  std::vector<Window*> chain;
  for (; w; w = w->Parent()) chain.insert(chain.begin(), w);
  return chain;
}

bool Contains(const std::vector<Window*>& v, const Window* w) {
  return std::find(v.begin(), v.end(), w) != v.end();
}

}  // namespace

Desktop::Desktop() : Desktop(Options{}) {}

Desktop::Desktop(Options options)
    : m_options(options),
      m_input(std::make_unique<UserInput>(*this)),
      m_presenter(std::make_unique<HeadlessPresenter>()) {
  if (options.virtualClock) {
    auto clock = std::make_unique<VirtualClock>();
    m_virtualClock = clock.get();
    m_clock = std::move(clock);
  } else {
    m_clock = std::make_unique<RealClock>();
  }
  if (options.userServices) {
    m_settings = std::make_unique<IniSettingsStore>();
    m_shell = std::make_unique<XdgShellOpener>();
  } else {
    m_settings = std::make_unique<MemorySettingsStore>();
    m_shell = std::make_unique<RecordingShellOpener>();
  }
  m_messageBoxes = std::make_unique<HeadlessMessageBoxService>();
}

Desktop::~Desktop() = default;

int Desktop::TwipsPerPixelX() const { return kTwipsPerPixel; }
int Desktop::TwipsPerPixelY() const { return kTwipsPerPixel; }

HWND Desktop::Register(Window& window) {
  const HWND handle = m_nextHandle;
  m_nextHandle += 4;
  m_windows[handle] = &window;
  return handle;
}

void Desktop::Unregister(Window& window) {
  const HWND handle = window.hWnd();
  m_windows.erase(handle);
  m_timers.KillAll(handle);
  m_queue.DropMessagesOf(handle);
  std::erase(m_needsPaint, handle);
  for (HWND* h : {&m_focus, &m_active, &m_capture, &m_implicitCapture}) {
    if (*h == handle) *h = 0;
  }
}

Window* Desktop::FromHandle(HWND hwnd) const {
  auto it = m_windows.find(hwnd);
  return it == m_windows.end() ? nullptr : it->second;
}

void Desktop::AddTopLevel(Window& window) {
  if (!Contains(m_topLevels, &window)) m_topLevels.push_back(&window);
  RestackTopLevel(window, true);
}

void Desktop::RemoveTopLevel(Window& window) {
  std::erase(m_topLevels, &window);
  SceneChanged();
}

void Desktop::RestackTopLevel(Window& window, bool toFront) {
  SceneChanged();
  std::erase(m_topLevels, &window);
  // Topmost windows stay above the others: find the end of the window's own layer.
  auto firstTopMost = std::find_if(m_topLevels.begin(), m_topLevels.end(),
                                   [](const Window* w) { return w->TopMost(); });
  if (window.TopMost()) {
    m_topLevels.insert(toFront ? m_topLevels.end() : firstTopMost, &window);
  } else {
    m_topLevels.insert(toFront ? firstTopMost : m_topLevels.begin(), &window);
  }
}

Window* Desktop::WindowFromPoint(Point screen) const {
  for (auto it = m_topLevels.rbegin(); it != m_topLevels.rend(); ++it) {
    if (Window* hit = (*it)->ChildFromScreenPoint(screen)) return hit;
  }
  return nullptr;
}

Window* Desktop::ModalWindow() const {
  return m_modalStack.empty() ? nullptr : FromHandle(m_modalStack.back());
}

bool Desktop::AcceptsInput(const Window& window) const {
  const Window* modal = ModalWindow();
  if (!modal) return true;
  const Window* top = &window;
  while (top->Parent()) top = top->Parent();
  // Windows opened above the modal one (its popup menus) take input too.
  auto modalPos = std::find(m_topLevels.begin(), m_topLevels.end(), modal);
  auto pos = std::find(m_topLevels.begin(), m_topLevels.end(), top);
  return top == modal || (pos != m_topLevels.end() && pos > modalPos);
}

void Desktop::Activate(Window* topLevel) {
  if (!topLevel || topLevel->hWnd() == m_active) return;
  if (Window* previous = ActiveWindow()) previous->Invalidate();
  m_active = topLevel->hWnd();
  topLevel->Invalidate();
  RestackTopLevel(*topLevel, true);
}

void Desktop::ActivateFromSystem(Window* topLevel) {
  const Window* modal = ModalWindow();
  if (modal && !modal->TakesActivation() && topLevel != modal) {
    // The popup's loop ends on seeing its form inactive; the activation follows after it.
    if (Window* previous = ActiveWindow()) previous->Invalidate();
    m_active = 0;
    if (!topLevel) return;
    const HWND handle = topLevel->hWnd();
    Post([this, handle] {
      if (Window* w = FromHandle(handle)) ActivateFromSystem(w);
    });
    return;
  }
  if (!topLevel) {
    if (Window* previous = ActiveWindow()) previous->Invalidate();
    m_active = 0;
    return;
  }
  if (!topLevel->TakesActivation() || !AcceptsInput(*topLevel)) return;
  Activate(topLevel);  // also when the focus is in it already
  SetFocus(topLevel);
}

bool Desktop::SetFocus(Window* window) {
  if (!window) {
    NotifyFocusChange(m_focus, 0);
    return true;
  }
  Window* target = window->CanTakeFocus() ? window : nullptr;
  if (!target && !window->Parent()) target = FromHandle(window->m_lastFocus);
  if (target && !window->IsAncestorOf(target)) target = nullptr;
  if (!target || !CanFocusNow(*target)) target = FirstFocusable(*window);
  if (!target || !CanFocusNow(*target) || !AcceptsInput(*target)) {
    if (!window->Parent() && AcceptsInput(*window)) Activate(window);
    return false;
  }
  if (target->hWnd() == m_focus) return true;
  Activate(target->TopLevel());
  NotifyFocusChange(m_focus, target->hWnd());
  return m_focus == target->hWnd();
}

void Desktop::NotifyFocusChange(HWND from, HWND to) {
  const std::uint64_t generation = ++m_focusGeneration;
  m_focus = to;
  if (Window* top = to ? FromHandle(to)->TopLevel() : nullptr) top->m_lastFocus = to;
  if (from) SendMessage(from, WM_KILLFOCUS, to);
  if (generation != m_focusGeneration) return;
  const std::vector<Window*> oldChain = AncestorChain(FromHandle(from));
  const std::vector<Window*> newChain = AncestorChain(FromHandle(to));
  for (auto it = oldChain.rbegin(); it != oldChain.rend(); ++it) {
    if (Contains(newChain, *it) || !FromHandle((*it)->hWnd())) continue;
    (*it)->OnExitFocus();
    if (generation != m_focusGeneration) return;
  }
  for (Window* w : newChain) {
    if (Contains(oldChain, w)) continue;
    w->OnEnterFocus();
    if (generation != m_focusGeneration) return;
  }
  if (to) SendMessage(to, WM_SETFOCUS, from);
}

void Desktop::LoseFocusFrom(Window& window) {
  Window* top = window.TopLevel();
  Window* next = NextTabStop(*top, Focus(), true);
  if (next && window.IsAncestorOf(next)) next = nullptr;
  if (next) {
    SetFocus(next);
  } else {
    NotifyFocusChange(m_focus, 0);
  }
}

void Desktop::FocusNextTabStop(bool forward) {
  Window* focus = Focus();
  Window* root = focus ? focus->TopLevel() : ActiveWindow();
  if (!root) return;
  if (Window* next = NextTabStop(*root, focus, forward)) SetFocus(next);
}

std::uintptr_t Desktop::SetTimer(HWND hwnd, std::uintptr_t id, unsigned intervalMs,
                                 TimerProc proc) {
  return m_timers.Set(hwnd, id, intervalMs, NowMs(), std::move(proc));
}

bool Desktop::KillTimer(HWND hwnd, std::uintptr_t id) { return m_timers.Kill(hwnd, id); }

void Desktop::SetPresenter(std::unique_ptr<Presenter> presenter) {
  m_presenter = presenter ? std::move(presenter) : std::make_unique<HeadlessPresenter>();
}

bool Desktop::Interactive() const { return m_presenter->Interactive(); }

void Desktop::ScheduleRepaint(Window& window) {
  m_needsPaint.push_back(window.hWnd());
  SceneChanged(window.ScreenBounds());
}

void Desktop::SceneChanged(const Rect& screenArea) {
  // Past this many rectangles composing everything again is as cheap.
  constexpr std::size_t kMostAreas = 64;
  ++m_sceneVersion;
  if (m_wholeSceneChanged) return;
  m_changedAreas.push_back(screenArea);
  if (m_changedAreas.size() > kMostAreas) m_wholeSceneChanged = true;
}

std::optional<std::vector<Rect>> Desktop::TakeChangedAreas() {
  std::vector<Rect> areas;
  areas.swap(m_changedAreas);
  if (std::exchange(m_wholeSceneChanged, false)) return std::nullopt;
  return areas;
}

void Desktop::PaintPending() {
  while (!m_needsPaint.empty()) {
    std::vector<HWND> pending;
    pending.swap(m_needsPaint);
    for (HWND h : pending) {
      if (Window* w = FromHandle(h)) w->Paint();
    }
  }
}

}  // namespace qorvexctl::platform
