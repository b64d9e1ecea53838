#include "qorvexctl/platform/sdl/SdlTopWindow.h"

#include <SDL.h>

#include "qorvexctl/platform/desktop/Compositor.h"
#include "qorvexctl/platform/desktop/Window.h"
#include "qorvexctl/platform/drawing/Region.h"
#include "qorvexctl/platform/sdl/SdlSurfaceWindow.h"

namespace qorvexctl::platform {
namespace {

// The classic caption keeps its right end for the close box, which a press must reach.
constexpr int kCloseBoxWidth = 20;

Size SizeOf(const Window& window) { return {window.Bounds().Width(), window.Bounds().Height()}; }

bool IsPopupWindow(const Window& window) { return !window.TakesActivation() || window.TopMost(); }

std::uint32_t FlagsFor(const Window& window, bool libraryFrame) {
  if (IsPopupWindow(window)) {
    // Override-redirect on X11: the window manager neither decorates nor focuses them.
    return SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR |
           (window.TakesActivation() ? SDL_WINDOW_TOOLTIP : SDL_WINDOW_POPUP_MENU);
  }
  return libraryFrame ? SDL_WINDOW_BORDERLESS : SDL_WINDOW_RESIZABLE;
}

SDL_HitTestResult HitCaption(SDL_Window* /*window*/, const SDL_Point* area, void* data) {
  const Rect& band = *static_cast<const Rect*>(data);
  return band.Contains(area->x, area->y) ? SDL_HITTEST_DRAGGABLE : SDL_HITTEST_NORMAL;
}

}  // namespace

std::unique_ptr<SdlTopWindow> SdlTopWindow::Open(Window& window, bool libraryFrame, int scale) {
  const bool popup = IsPopupWindow(window);
  WindowMapping mapping(SizeOf(window), window.DecorationInsets(), libraryFrame || popup, scale);
  const Rect place = mapping.SystemPlace(window.Bounds());
  const Size texture{mapping.Shown().Width(), mapping.Shown().Height()};
  auto system = SdlSurfaceWindow::Create(window.WindowText().c_str(), place, texture,
                                         FlagsFor(window, libraryFrame));
  if (!system) return nullptr;
  return std::unique_ptr<SdlTopWindow>(
      new SdlTopWindow(window, std::move(system), mapping, libraryFrame || popup, popup));
}

SdlTopWindow::SdlTopWindow(Window& window, std::unique_ptr<SdlSurfaceWindow> system,
                           WindowMapping mapping, bool libraryFrame, bool popup)
    : m_handle(window.hWnd()),
      m_system(std::move(system)),
      m_mapping(mapping),
      m_libraryFrame(libraryFrame),
      m_popup(popup),
      m_title(window.WindowText()) {
  SDL_DisplayMode mode{};
  if (SDL_GetWindowDisplayMode(System(), &mode) == 0 && mode.refresh_rate > 0) {
    m_refreshMs = 1000 / mode.refresh_rate;
  }
  Adopt(window);
  if (m_libraryFrame && !m_popup) SDL_SetWindowHitTest(System(), HitCaption, &m_captionBand);
}

SdlTopWindow::~SdlTopWindow() = default;

std::uint32_t SdlTopWindow::Id() const { return m_system->Id(); }

SDL_Window* SdlTopWindow::System() const { return m_system->Get(); }

void SdlTopWindow::MakeModalFor(const SdlTopWindow& owner) {
  if (SDL_SetWindowModalFor(System(), owner.System()) == 0) m_modalOwner = owner.Handle();
}

// Takes the library window's geometry as the one shown: the mapping, the texture's size and the
// caption band. A new size composes and uploads the whole window next time.
void SdlTopWindow::Adopt(Window& window) {
  m_bounds = window.Bounds();
  m_mapping =
      WindowMapping(SizeOf(window), window.DecorationInsets(), m_libraryFrame, m_mapping.Scale());
  const Rect& shown = m_mapping.Shown();
  if (!m_system->ResizeTexture({shown.Width(), shown.Height()})) return;
  if (m_frame.Width() != m_bounds.Width() || m_frame.Height() != m_bounds.Height()) {
    m_frame = Surface();
  }
  const Rect decoration = window.DecorationInsets();
  const int scale = m_mapping.Scale();
  m_captionBand = Rect{decoration.left, decoration.left,
                       m_bounds.Width() - decoration.right - kCloseBoxWidth, decoration.top};
  m_captionBand = Rect{m_captionBand.left * scale, m_captionBand.top * scale,
                       m_captionBand.right * scale, m_captionBand.bottom * scale};
}

void SdlTopWindow::FollowLibrary(Window& window) {
  if (window.WindowText() != m_title) {
    m_title = window.WindowText();
    SDL_SetWindowTitle(System(), m_title.c_str());
  }
  const WindowMapping now(SizeOf(window), window.DecorationInsets(), m_libraryFrame,
                          m_mapping.Scale());
  if (window.Bounds() == m_bounds && now.Shown() == m_mapping.Shown()) return;
  Adopt(window);
  const Rect place = m_mapping.SystemPlace(m_bounds);
  if (place == m_place) return;
  if (place.Width() != m_place.Width() || place.Height() != m_place.Height()) {
    SDL_SetWindowSize(System(), place.Width(), place.Height());
  }
  SDL_SetWindowPosition(System(), place.left, place.top);
  m_place = place;
}

void SdlTopWindow::FollowSystem(Window& window) {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  SDL_GetWindowPosition(System(), &x, &y);
  SDL_GetWindowSize(System(), &width, &height);
  const Rect place = Rect::FromSize(x, y, width, height);
  if (place == m_place) return;
  m_place = place;
  const Rect bounds = m_mapping.BoundsFor(place);
  if (bounds == window.Bounds()) return;
  window.SetBounds(bounds);
  Adopt(window);
}

void SdlTopWindow::Compose(Window& window,
                           const std::optional<std::vector<Rect>>& changedScreenAreas) {
  const Size size = SizeOf(window);
  if (!changedScreenAreas || m_frame.Width() != size.width || m_frame.Height() != size.height) {
    Surface next = ComposeWindow(window);
    const std::optional<Rect> changed = ChangedRect(m_frame, next);
    m_frame = std::move(next);
    Upload(changed);
    return;
  }
  const Rect whole = Rect::FromSize(0, 0, size.width, size.height);
  Region area;
  for (const Rect& r : *changedScreenAreas) {
    const Rect local = r.Offset(-m_bounds.left, -m_bounds.top).Intersect(whole);
    if (!local.IsEmpty()) area = Region::Combine(area, Region::FromRect(local), CombineMode::Or);
  }
  if (area.IsEmpty()) return;
  ComposeWindowArea(window, m_frame, area);
  Upload(area.Bounds());
}

// Uploads `windowArea` of the frame (all of it when nothing) where it is shown.
void SdlTopWindow::Upload(const std::optional<Rect>& windowArea) {
  const Rect& shown = m_mapping.Shown();
  const Rect area = windowArea ? windowArea->Intersect(shown) : shown;
  if (area.IsEmpty() || m_frame.IsEmpty()) return;
  m_system->Upload(m_frame, area, {area.left - shown.left, area.top - shown.top});
  m_uploaded = true;
}

int SdlTopWindow::PresentIfDue(std::uint64_t nowMs) {
  if (!m_uploaded) return 0;
  const std::uint64_t since = nowMs - m_lastPresentMs;
  if (m_presents > 0 && since < static_cast<std::uint64_t>(m_refreshMs)) {
    return m_refreshMs - static_cast<int>(since);
  }
  Redraw();
  m_lastPresentMs = nowMs;
  return 0;
}

void SdlTopWindow::Redraw() {
  m_system->Redraw();
  m_uploaded = false;
  ++m_presents;
}

Surface SdlTopWindow::ReadBack() const { return m_system->ReadBack(); }

}  // namespace qorvexctl::platform
