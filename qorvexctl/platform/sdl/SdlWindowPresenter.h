#pragma once
// The window presenter: every top-level window of the desktop (forms, modal dialogs, message
// boxes, popup menus, tips) shown as a system window of its own on the user's desktop, with the
// real mouse, keyboard, text input and clipboard feeding the desktop.
//
// - Place and size follow both ways: the library moving or sizing a form moves its system
//   window; the user or the window manager moving or sizing the system window moves the form
//   (its Left and Top) and raises its Resize.
// - Activation follows both ways: the window manager activating a system window activates its
//   form (unless a modal window keeps the activation, which is then raised again), and the
//   library activating a form raises its system window. Modal forms are made modal for the form
//   below them. A popup menu closes when another window is clicked or activated, or when the
//   application loses the focus.
// - The close box sends WM_CLOSE to the form (its QueryUnload may refuse); minimising and
//   restoring send WM_SIZE (SIZE_MINIMIZED, SIZE_RESTORED), so the form raises Resize.
// - Forms get the system's decorations (the system window shows the form inside its border and
//   caption), or with Options::libraryFrames the classic frame the library draws, in a
//   borderless window whose caption drags it.
// - Each system window is composed on its own, only the rectangles that changed are uploaded,
//   and each presents at most once per display refresh. Pixels are shown `scale` times larger
//   (an integer, from the display's resolution unless set), and pointer positions are mapped
//   back to the library's pixels.
//
// The desktop must run on the real clock (Options::ForApplication); hosts install the drawn
// message boxes (widgets' FormMessageBoxService), as with SdlPresenter.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>

#include "qorvexctl/platform/desktop/Messages.h"
#include "qorvexctl/platform/desktop/Presenter.h"
#include "qorvexctl/platform/drawing/Surface.h"

struct SDL_Window;
struct SDL_WindowEvent;
union SDL_Event;

namespace qorvexctl::platform {

class SdlClipboard;
class SdlInputTranslator;
class SdlTextInput;
class SdlTopWindow;
class Window;

class SdlWindowPresenter final : public Presenter {
 public:
  struct Options {
    bool libraryFrames{false};  // the classic caption and border instead of the system's
    int scale{0};               // system pixels per library pixel; 0: from the display
  };
  // nullptr when SDL has no display or the desktop runs on a virtual clock.
  static std::unique_ptr<SdlWindowPresenter> Open(Desktop& desktop, Options options);
  ~SdlWindowPresenter() override;

  bool Interactive() const override { return true; }
  void Present(Desktop& desktop) override;
  void PollInput(Desktop& desktop, int timeoutMs) override;

  int Scale() const { return m_scale; }
  // The system window showing a top-level window, or nullptr (hidden, or not a top level).
  SDL_Window* SystemWindowOf(const Window& window) const;
  // What that system window shows, read back at its own size (empty without one).
  Surface ReadBack(const Window& window) const;
  int SystemWindowCount() const { return static_cast<int>(m_windows.size()); }
  // Frames presented so far, all windows together.
  int Presents() const;

 private:
  SdlWindowPresenter(Desktop& desktop, Options options, int scale);
  SdlTopWindow* Find(HWND handle) const;
  SdlTopWindow* FindById(std::uint32_t id) const;
  // Opens system windows for shown top-level windows and closes those of the others.
  void FollowTopLevels(Desktop& desktop);
  void MarkModals(Desktop& desktop);
  void FollowActivation(Desktop& desktop);
  Window* TopmostForm(const Desktop& desktop) const;
  // Presents what is due; returns the milliseconds until the next window is due (0: none).
  int PresentDue();
  void Handle(Desktop& desktop, const SDL_Event& event);
  void HandleWindowEvent(Desktop& desktop, const SDL_WindowEvent& event);
  void FollowSystemPlaces(Desktop& desktop);
  void FollowFocus(Desktop& desktop);
  void Close(Desktop& desktop, Window& window);
  // The application lost the focus for good: no form stays active (popup menus close).
  void CheckFocusLeft(Desktop& desktop);

  Desktop& m_desktop;
  Options m_options;
  int m_scale;
  std::map<HWND, std::unique_ptr<SdlTopWindow>> m_windows;
  std::unique_ptr<SdlInputTranslator> m_translator;
  std::unique_ptr<SdlClipboard> m_clipboard;
  std::unique_ptr<SdlTextInput> m_textInput;
  std::uint64_t m_shownVersion{~0ull};
  HWND m_raised{0};  // the active form whose system window was raised last
  std::optional<std::uint64_t> m_focusLostAt;
  bool m_closing{false};  // a form's close handlers are running
  bool m_refocus{false};
  HWND m_focusGained{0};  // the window that gained the focus last in this batch of events  // a
                          // window that had the keyboard focus went
};

}  // namespace qorvexctl::platform
