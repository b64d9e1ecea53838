#pragma once
// The desktop: the screen and its windows, focus, mouse capture and cursor, the keyboard state,
// the clipboard, the message loop with its timers and modal loops, scripted input, the
// presenter that shows it all (headless by default), and the services the controls reach
// through it: clock, settings store, message boxes and shell opener. Everything runs on one
// thread.
//
// A default desktop is the test desktop: virtual clock, in-memory settings, recorded message
// boxes and shell opens. Options::ForApplication gives the real ones (INI settings under
// $XDG_CONFIG_HOME, xdg-open, the real clock).
//
// Time comes from the desktop's clock: under the virtual clock, Wait advances time to each due
// timer in turn and fires it, so waiting costs no real time and runs the same way every time.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "qorvexctl/base/Event.h"
#include "qorvexctl/platform/desktop/KeyboardState.h"
#include "qorvexctl/platform/desktop/MessageQueue.h"
#include "qorvexctl/platform/desktop/Messages.h"
#include "qorvexctl/platform/desktop/ModalScripts.h"
#include "qorvexctl/platform/desktop/SendKeys.h"
#include "qorvexctl/platform/desktop/TimerQueue.h"
#include "qorvexctl/platform/desktop/WorkerInbox.h"
#include "qorvexctl/platform/drawing/Geometry.h"
#include "qorvexctl/platform/drawing/SystemColours.h"
#include "qorvexctl/platform/services/Clipboard.h"
#include "qorvexctl/platform/services/Clock.h"
#include "qorvexctl/platform/services/MessageBoxService.h"
#include "qorvexctl/platform/services/SettingsStore.h"
#include "qorvexctl/platform/services/ShellOpener.h"

namespace qorvexctl::platform {

class Menu;
class Presenter;
class UserInput;
class Window;

class Desktop {
 public:
  struct Options {
    Size screen{1024, 768};
    bool virtualClock{true};
    bool userServices{false};  // INI settings store and xdg-open instead of test doubles
    static Options ForApplication() { return Options{{1024, 768}, false, true}; }
  };
  Desktop();
  explicit Desktop(Options options);
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  Size ScreenSize() const { return m_options.screen; }
  int TwipsPerPixelX() const;
  int TwipsPerPixelY() const;

  // --- Windows.
  Window* FromHandle(HWND hwnd) const;
  // Top-level windows, bottom to top (topmost windows last).
  const std::vector<Window*>& TopLevelWindows() const { return m_topLevels; }
  // Windows alive (created and not yet destroyed) and timers set, for hosts that check that
  // closing a form left none of its own behind.
  std::size_t WindowCount() const { return m_windows.size(); }
  std::size_t TimerCount() const { return m_timers.Count(); }
  // The deepest shown window under a screen point, or nullptr.
  Window* WindowFromPoint(Point screen) const;

  // --- Focus and activation.
  Window* Focus() const { return FromHandle(m_focus); }
  // Gives the focus to `window`, or to its first tab stop when it does not take the focus
  // itself. Hidden or disabled windows do not get it. Returns whether the focus is there.
  bool SetFocus(Window* window);
  // Moves the focus to the next (or previous) tab stop of the focused window's form.
  void FocusNextTabStop(bool forward);
  // The top-level window that receives the keyboard.
  Window* ActiveWindow() const { return FromHandle(m_active); }
  // The window system activated `topLevel` (nullptr: a window of another application). It
  // becomes the active window with its last focused control, unless a modal window keeps the
  // activation; an open popup menu is dismissed first, as when its form stops being active.
  void ActivateFromSystem(Window* topLevel);

  // --- Mouse.
  void SetCapture(HWND hwnd) { m_capture = hwnd; }
  void ReleaseCapture() { m_capture = 0; }
  Window* Capture() const { return FromHandle(m_capture); }
  Point GetCursorPos() const { return m_cursor; }
  void SetCursorPos(Point screen) { m_cursor = screen; }
  // Raised after each mouse input has been routed to its window (moves, presses and releases,
  // screen pixels), so a window can follow the pointer over windows it does not own.
  Event<const InputEvent&> MouseInputRouted;

  KeyboardState& Keyboard() { return m_keyboard; }
  // The system colour table the windows paint with (GetSysColor).
  SystemColours& Colours() { return m_colours; }
  Clipboard& GetClipboard() { return m_clipboard; }

  // --- Messages and time.
  void PostMessage(HWND hwnd, std::uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);
  LRESULT SendMessage(HWND hwnd, std::uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);
  // Runs `task` from the message loop, after what is queued now.
  void Post(Task task);
  // Runs `task` from the message loop on the UI thread; unlike Post, callable from any thread
  // (how a worker thread hands its result back).
  void PostFromAnyThread(Task task) { m_workerInbox.Push(std::move(task)); }
  // PostFromAnyThread as a function object, for services that deliver from worker threads.
  std::function<void(Task)> UiThreadPoster() {
    return [this](Task task) { PostFromAnyThread(std::move(task)); };
  }
  // Queues raw input as if the user produced it.
  void PostInput(const InputEvent& event);
  // Queues SendKeys keystrokes for the focused window; they run when messages are processed.
  void SendKeys(std::string_view keys);
  // Queues one keystroke: its modifiers down, the key down and up, the modifiers up.
  void PostKeyStroke(const KeyStroke& stroke);

  // Starts (or restarts) a window timer; without `proc` the window receives WM_TIMER.
  std::uintptr_t SetTimer(HWND hwnd, std::uintptr_t id, unsigned intervalMs, TimerProc proc = {});
  bool KillTimer(HWND hwnd, std::uintptr_t id);

  // Milliseconds of the desktop's clock.
  std::int64_t NowMs() const { return m_clock->NowMs(); }
  Clock& GetClock() { return *m_clock; }
  // Processes every pending message, input and due timer, then paints.
  void DoEvents();
  // Processes messages and timers until `ms` milliseconds have passed on the clock.
  void Wait(std::int64_t ms);
  // Runs a nested loop while `isOpen` answers true: the modal window's script runs first, and
  // `cancel` closes the window when no script or user answers it.
  void RunModal(Window& modal, const std::function<bool()>& isOpen,
                const std::function<void()>& cancel);
  // Shows the visible items of `menu` as a popup at a screen point (the pointer by default)
  // and runs a nested loop until an item is chosen or the menu is dismissed (Escape, a click
  // outside it, another window activated). The chosen item's Click runs after the popup has
  // closed; returns that item, or nullptr. `defaultItem` is shown in bold; `flags` are
  // PopupMenuConstants. With no real user the next popup-menu script answers it (see
  // ModalScripts), or it closes as dismissed; either way the run is logged.
  Menu* PopupMenu(Menu& menu, Menu* defaultItem = nullptr,
                  std::optional<Point> screenPoint = std::nullopt, int flags = 0);
  // The innermost modal window (an open popup menu's first level included), or nullptr.
  Window* ModalWindow() const;
  int ModalDepth() const { return static_cast<int>(m_modalStack.size()); }
  // The modal windows, outermost first.
  const std::vector<HWND>& ModalWindows() const { return m_modalStack; }

  // --- Services.
  SettingsStore& Settings() { return *m_settings; }
  void SetSettingsStore(std::unique_ptr<SettingsStore> store) { m_settings = std::move(store); }
  MessageBoxService& MessageBoxes() { return *m_messageBoxes; }
  void SetMessageBoxService(std::unique_ptr<MessageBoxService> service) {
    m_messageBoxes = std::move(service);
  }
  ShellOpener& Shell() { return *m_shell; }
  void SetShellOpener(std::unique_ptr<ShellOpener> opener) { m_shell = std::move(opener); }

  ModalScripts& Scripts() { return m_scripts; }
  UserInput& Input() { return *m_input; }

  // --- Presentation.
  void SetPresenter(std::unique_ptr<Presenter> presenter);
  Presenter& GetPresenter() { return *m_presenter; }
  // Whether a real user can answer (a window presenter): modals then wait for the user.
  bool Interactive() const;
  // Marks a window for repainting at the next idle moment.
  void ScheduleRepaint(Window& window);
  // Paints every window that needs it.
  void PaintPending();
  // Counts changes of what the desktop shows (painting, moves, z-order, visibility), so a
  // presenter composes again only when something changed.
  std::uint64_t SceneVersion() const { return m_sceneVersion; }
  // A change anywhere on the screen (a window moved, appeared or changed z-order).
  void SceneChanged() {
    ++m_sceneVersion;
    m_wholeSceneChanged = true;
  }
  // A change confined to a rectangle of the screen (a window repainted where it is).
  void SceneChanged(const Rect& screenArea);
  // The screen rectangles changed since the last call, or nothing when the change may be
  // anywhere; each call starts afresh. The presenter composes only these again.
  std::optional<std::vector<Rect>> TakeChangedAreas();

 private:
  friend class Window;
  HWND Register(Window& window);
  void Unregister(Window& window);
  void AddTopLevel(Window& window);
  void RemoveTopLevel(Window& window);
  void RestackTopLevel(Window& window, bool toFront);
  void Activate(Window* topLevel);

  // The nested loop of a modal window: runs while `isOpen` answers true. When a script
  // answers the window, or no real user can, `answer` is posted to run inside the loop; it
  // returns whether it had to cancel the window, which RunModalLoop returns (false when it
  // did not run).
  bool RunModalLoop(Window& modal, const std::function<bool()>& isOpen,
                    std::function<bool()> answer, bool scripted);

  bool PumpOne();
  bool FireOneTimer();
  void WaitForSomething(std::int64_t untilMs);
  void Dispatch(const Message& message);
  void DispatchInput(const InputEvent& event);
  void RouteMouse(const InputEvent& event);
  Window* PointerTarget(const InputEvent& event) const;
  void RouteWheel(const InputEvent& event);
  void RouteKeyDown(int keyCode);
  void RouteKeyUp(int keyCode);
  void RouteCharacter(char32_t character);
  Window* KeyTarget() const;
  bool HandleDialogKey(Window& target, int keyCode, int shift);
  bool HandleAccessKey(int keyCode);
  bool AcceptsInput(const Window& window) const;
  void NotifyFocusChange(HWND from, HWND to);
  // Moves the focus out of a window that is being hidden.
  void LoseFocusFrom(Window& window);

  Options m_options;
  std::unique_ptr<Clock> m_clock;
  VirtualClock* m_virtualClock{nullptr};  // m_clock when it is virtual
  std::unique_ptr<SettingsStore> m_settings;
  std::unique_ptr<MessageBoxService> m_messageBoxes;
  std::unique_ptr<ShellOpener> m_shell;
  std::unordered_map<HWND, Window*> m_windows;
  HWND m_nextHandle{0x00010010u};
  std::vector<Window*> m_topLevels;
  HWND m_focus{0};
  HWND m_active{0};
  HWND m_capture{0};
  HWND m_implicitCapture{0};
  int m_buttonsDown{0};
  std::uint64_t m_focusGeneration{0};
  Point m_cursor{};
  KeyboardState m_keyboard;
  SystemColours m_colours;
  Clipboard m_clipboard;
  MessageQueue m_queue;
  WorkerInbox m_workerInbox;
  TimerQueue m_timers;
  std::vector<HWND> m_modalStack;
  ModalScripts m_scripts;
  std::vector<HWND> m_needsPaint;
  std::uint64_t m_sceneVersion{0};
  std::vector<Rect> m_changedAreas;
  bool m_wholeSceneChanged{true};
  std::unique_ptr<UserInput> m_input;
  std::unique_ptr<Presenter> m_presenter;
};

}  // namespace qorvexctl::platform
