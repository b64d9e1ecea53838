#pragma once
// One top-level window of the desktop shown as a system window of its own: a form, a modal
// dialog, a message box, a popup menu level or a tip. It keeps the window composed on its own
// (as a screenshot of that window composes it), uploads only what changed, and presents at
// most once per display refresh. Place and size follow the library window, and the library
// window follows the system window when the user or the window manager moves or sizes it.
//
// Forms get the system's decorations, or none when the library draws its own frame (the
// caption then drags the window). Windows that take no activation (popup menus) and topmost
// ones (tips) are borderless, always on top and kept out of the task bar.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "qorvexctl/platform/desktop/Messages.h"
#include "qorvexctl/platform/drawing/Geometry.h"
#include "qorvexctl/platform/drawing/Surface.h"
#include "qorvexctl/platform/sdl/WindowMapping.h"

struct SDL_Window;

namespace qorvexctl::platform {

class SdlSurfaceWindow;
class Window;

class SdlTopWindow {
 public:
  // nullptr when SDL cannot make the system window.
  static std::unique_ptr<SdlTopWindow> Open(Window& window, bool libraryFrame, int scale);
  ~SdlTopWindow();
  SdlTopWindow(const SdlTopWindow&) = delete;
  SdlTopWindow& operator=(const SdlTopWindow&) = delete;

  HWND Handle() const { return m_handle; }
  std::uint32_t Id() const;
  SDL_Window* System() const;
  // A popup menu level or a tip, rather than a form.
  bool IsPopup() const { return m_popup; }
  // The window it was made modal for, 0 for none.
  HWND ModalOwner() const { return m_modalOwner; }
  void MakeModalFor(const SdlTopWindow& owner);

  // Moves and sizes the system window to the library window, and takes its caption.
  void FollowLibrary(Window& window);
  // The system window was moved or sized: the library window follows (raising Resize).
  void FollowSystem(Window& window);
  // Composes the window where it changed (all of it when `changedScreenAreas` is nothing) and
  // uploads the pixels that differ from what the system window holds.
  void Compose(Window& window, const std::optional<std::vector<Rect>>& changedScreenAreas);
  // Presents the uploaded pixels when something new was uploaded and a refresh interval has
  // passed since the last present. Returns the milliseconds until it is due (0: nothing
  // waits, or it was presented now).
  int PresentIfDue(std::uint64_t nowMs);
  // Shows the uploaded pixels again at once (the system asked for a repaint).
  void Redraw();
  // The point of the library's screen under a pixel of the system window.
  Point ScreenPoint(Point systemPixel) const {
    return m_mapping.ScreenPoint(m_bounds, systemPixel);
  }
  // The pixels the system window shows, at its own size.
  Surface ReadBack() const;
  int Presents() const { return m_presents; }

 private:
  SdlTopWindow(Window& window, std::unique_ptr<SdlSurfaceWindow> system, WindowMapping mapping,
               bool libraryFrame, bool popup);
  void Adopt(Window& window);
  void Upload(const std::optional<Rect>& windowArea);

  HWND m_handle;
  std::unique_ptr<SdlSurfaceWindow> m_system;
  WindowMapping m_mapping;
  bool m_libraryFrame;
  bool m_popup;
  Rect m_bounds;       // the library window's bounds as last followed
  Rect m_place;        // the system window's place as last followed
  Rect m_captionBand;  // library frames: where a press drags the window (system pixels)
  std::string m_title;
  Surface m_frame;  // the window composed at its own size
  HWND m_modalOwner{0};
  bool m_uploaded{false};  // pixels uploaded since the last present
  std::uint64_t m_lastPresentMs{0};
  int m_refreshMs{16};
  int m_presents{0};
};

}  // namespace qorvexctl::platform
