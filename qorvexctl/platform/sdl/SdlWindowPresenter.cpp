#include "qorvexctl/platform/sdl/SdlWindowPresenter.h"

#include <SDL.h>

#include <algorithm>
#include <utility>

#include "qorvexctl/base/FlagGuard.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Window.h"
#include "qorvexctl/platform/sdl/SdlClipboard.h"
#include "qorvexctl/platform/sdl/SdlInputTranslator.h"
#include "qorvexctl/platform/sdl/SdlTopWindow.h"
#include "qorvexctl/platform/sdl/WindowMapping.h"

namespace qorvexctl::platform {
namespace {

// How long the application may be without the focus before it counts as lost: focus moving
// between two of its windows passes through a moment when neither has it.
constexpr std::uint64_t kFocusGraceMs = 150;

// A modal window open above `window` keeps input and closing from it.
bool BlockedByModal(const Desktop& desktop, const Window& window) {
  const Window* modal = desktop.ModalWindow();
  if (!modal || modal == &window) return false;
  const auto& levels = desktop.TopLevelWindows();
  return std::find(levels.begin(), levels.end(), &window) <
         std::find(levels.begin(), levels.end(), modal);
}

int ScaleOfDisplay() {
  float dpi = 0;
  if (SDL_GetDisplayDPI(0, nullptr, &dpi, nullptr) != 0) return 1;
  return ScaleForDpi(dpi);
}

}  // namespace

std::unique_ptr<SdlWindowPresenter> SdlWindowPresenter::Open(Desktop& desktop, Options options) {
  if (desktop.GetClock().IsVirtual()) return nullptr;  // modal loops would never see the user
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // Each window's close box is handled on its own; quitting is the host's decision.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return nullptr;
  const int scale = options.scale > 0 ? options.scale : ScaleOfDisplay();
  return std::unique_ptr<SdlWindowPresenter>(new SdlWindowPresenter(desktop, options, scale));
}

SdlWindowPresenter::SdlWindowPresenter(Desktop& desktop, Options options, int scale)
    : m_desktop(desktop),
      m_options(options),
      m_scale(scale),
      m_translator(std::make_unique<SdlInputTranslator>(desktop)),
      m_clipboard(std::make_unique<SdlClipboard>(desktop)),
      m_textInput(std::make_unique<SdlTextInput>(desktop)) {
  m_translator->PlacePointerWith([this](std::uint32_t id, Point pixel, InputEvent& event) {
    if (const SdlTopWindow* top = FindById(id)) {
      event.screen = top->ScreenPoint(pixel);
      event.window = top->Handle();
    }
  });
}

SdlWindowPresenter::~SdlWindowPresenter() {
  m_windows.clear();
  m_textInput.reset();
  m_clipboard.reset();
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

SdlTopWindow* SdlWindowPresenter::Find(HWND handle) const {
  auto it = m_windows.find(handle);
  return it == m_windows.end() ? nullptr : it->second.get();
}

SdlTopWindow* SdlWindowPresenter::FindById(std::uint32_t id) const {
  for (const auto& [handle, top] : m_windows) {
    if (top->Id() == id) return top.get();
  }
  return nullptr;
}

SDL_Window* SdlWindowPresenter::SystemWindowOf(const Window& window) const {
  const SdlTopWindow* top = Find(window.hWnd());
  return top ? top->System() : nullptr;
}

Surface SdlWindowPresenter::ReadBack(const Window& window) const {
  const SdlTopWindow* top = Find(window.hWnd());
  return top ? top->ReadBack() : Surface();
}

int SdlWindowPresenter::Presents() const {
  int presents = 0;
  for (const auto& [handle, top] : m_windows) presents += top->Presents();
  return presents;
}

void SdlWindowPresenter::Present(Desktop& desktop) {
  if (desktop.SceneVersion() != m_shownVersion) {
    desktop.PaintPending();
    const auto changed = desktop.TakeChangedAreas();
    m_shownVersion = desktop.SceneVersion();
    FollowTopLevels(desktop);
    for (const auto& [handle, top] : m_windows) {
      Window& window = *desktop.FromHandle(handle);
      top->FollowLibrary(window);
      top->Compose(window, changed);
    }
    MarkModals(desktop);
  }
  FollowActivation(desktop);
  PresentDue();
}

void SdlWindowPresenter::FollowTopLevels(Desktop& desktop) {
  std::map<HWND, std::unique_ptr<SdlTopWindow>> shown;
  for (Window* window : desktop.TopLevelWindows()) {
    if (!window->Visible() || window->Bounds().IsEmpty()) continue;
    auto it = m_windows.find(window->hWnd());
    if (it != m_windows.end()) {
      shown.insert(m_windows.extract(it));
    } else if (auto top = SdlTopWindow::Open(*window, m_options.libraryFrames, m_scale)) {
      shown.emplace(window->hWnd(), std::move(top));
    }
  }
  // Without a window manager nobody gives the focus back when a focused window goes.
  for (const auto& [handle, gone] : m_windows) {
    if (SDL_GetKeyboardFocus() == gone->System()) m_refocus = true;
  }
  m_windows.swap(shown);
}

// Each modal form is made modal for the nearest form below it, the one it was opened over.
void SdlWindowPresenter::MarkModals(Desktop& desktop) {
  const auto& levels = desktop.TopLevelWindows();
  for (HWND handle : desktop.ModalWindows()) {
    SdlTopWindow* modal = Find(handle);
    if (!modal || modal->IsPopup() || modal->ModalOwner() != 0) continue;
    auto at = std::find(levels.begin(), levels.end(), desktop.FromHandle(handle));
    while (at != levels.begin()) {
      const SdlTopWindow* owner = Find((*--at)->hWnd());
      if (owner && !owner->IsPopup()) {
        modal->MakeModalFor(*owner);
        break;
      }
    }
  }
}

// The library's active form raises its system window. When the active form went (hidden, or
// destroyed as a message box is while its window had the focus), the form on top of the others
// is activated, as a window manager would.
void SdlWindowPresenter::FollowActivation(Desktop& desktop) {
  const Window* active = desktop.ActiveWindow();
  if (active ? !active->IsShown() : m_refocus) {
    if (Window* next = TopmostForm(desktop)) desktop.ActivateFromSystem(next);
    active = desktop.ActiveWindow();
  }
  const HWND handle = active ? active->hWnd() : 0;
  if (m_refocus) m_raised = 0;
  if (handle == m_raised) return;
  if (handle == 0) {
    m_raised = 0;
    return;
  }
  const SdlTopWindow* top = Find(handle);
  if (!top) return;
  m_raised = handle;
  SDL_RaiseWindow(top->System());
  if (std::exchange(m_refocus, false)) {
    SDL_SetWindowInputFocus(top->System());
    m_focusLostAt.reset();
  }
}

Window* SdlWindowPresenter::TopmostForm(const Desktop& desktop) const {
  const auto& levels = desktop.TopLevelWindows();
  for (auto it = levels.rbegin(); it != levels.rend(); ++it) {
    const SdlTopWindow* top = Find((*it)->hWnd());
    if (top && !top->IsPopup() && (*it)->IsShown()) return *it;
  }
  return nullptr;
}

int SdlWindowPresenter::PresentDue() {
  const std::uint64_t now = SDL_GetTicks64();
  int next = 0;
  for (const auto& [handle, top] : m_windows) {
    const int wait = top->PresentIfDue(now);
    if (wait > 0) next = next == 0 ? wait : std::min(next, wait);
  }
  return next;
}

void SdlWindowPresenter::PollInput(Desktop& desktop, int timeoutMs) {
  int wait = timeoutMs;
  if (const int due = PresentDue(); due > 0) wait = std::min(wait, due);
  if (m_focusLostAt) wait = std::min(wait, static_cast<int>(kFocusGraceMs));
  SDL_Event event;
  bool got = wait > 0 ? SDL_WaitEventTimeout(&event, wait) != 0 : SDL_PollEvent(&event) != 0;
  while (got) {
    Handle(desktop, event);
    got = SDL_PollEvent(&event) != 0;
  }
  FollowSystemPlaces(desktop);
  FollowFocus(desktop);
  CheckFocusLeft(desktop);
  PresentDue();
}

// Moves and sizes that SDL reported as no event (the position it was last told) still count.
void SdlWindowPresenter::FollowSystemPlaces(Desktop& desktop) {
  for (const auto& [handle, top] : m_windows) {
    if (Window* window = desktop.FromHandle(handle)) top->FollowSystem(*window);
  }
}

void SdlWindowPresenter::Handle(Desktop& desktop, const SDL_Event& event) {
  if (event.type == SDL_WINDOWEVENT) {
    HandleWindowEvent(desktop, event.window);
    return;
  }
  m_clipboard->Follow(event);
  m_translator->Translate(event);
}

void SdlWindowPresenter::HandleWindowEvent(Desktop& desktop, const SDL_WindowEvent& event) {
  SdlTopWindow* top = FindById(event.windowID);
  Window* window = top ? desktop.FromHandle(top->Handle()) : nullptr;
  if (!window) return;
  switch (event.event) {
    case SDL_WINDOWEVENT_MOVED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      top->FollowSystem(*window);
      break;
    case SDL_WINDOWEVENT_EXPOSED:
      top->Redraw();
      break;
    case SDL_WINDOWEVENT_CLOSE:
      Close(desktop, *window);
      break;
    case SDL_WINDOWEVENT_MINIMIZED:
      desktop.SendMessage(window->hWnd(), WM_SIZE, SIZE_MINIMIZED);
      break;
    case SDL_WINDOWEVENT_RESTORED:
      desktop.SendMessage(window->hWnd(), WM_SIZE, SIZE_RESTORED);
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      m_focusLostAt.reset();
      m_clipboard->TakeSystemText();
      m_focusGained = top->Handle();
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      m_focusLostAt = SDL_GetTicks64();
      break;
    default:
      break;
  }
}

// The close box: WM_CLOSE to the form, as the classic close box sends it. Its handlers may show
// boxes of their own ("save first?") that wait for the user, so no other close runs meanwhile.
void SdlWindowPresenter::Close(Desktop& desktop, Window& window) {
  if (m_closing) return;
  if (BlockedByModal(desktop, window)) {
    m_raised = 0;
    return;
  }
  FlagGuard closing(m_closing);
  desktop.SendMessage(window.hWnd(), WM_CLOSE);
}

// The window that gained the focus last in a batch of events activates its form: windows
// opening one after another pass the focus along before it settles.
void SdlWindowPresenter::FollowFocus(Desktop& desktop) {
  const HWND handle = std::exchange(m_focusGained, 0);
  const SdlTopWindow* top = Find(handle);
  Window* window = desktop.FromHandle(handle);
  if (!top || top->IsPopup() || !window || desktop.ActiveWindow() == window) return;
  desktop.ActivateFromSystem(window);
  // Refused (a modal form keeps the activation): that form's window comes up again.
  if (desktop.ActiveWindow() != window) m_raised = 0;
}

void SdlWindowPresenter::CheckFocusLeft(Desktop& desktop) {
  if (!m_focusLostAt || SDL_GetTicks64() - *m_focusLostAt < kFocusGraceMs) return;
  m_focusLostAt.reset();
  SDL_Window* focused = SDL_GetKeyboardFocus();
  if (focused && FindById(SDL_GetWindowID(focused))) return;
  desktop.ActivateFromSystem(nullptr);
}

}  // namespace qorvexctl::platform
