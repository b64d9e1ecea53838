// Window painting: the backing surface, the paint cycle and the window region.

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Window.h"
#include "qorvexctl/platform/drawing/Canvas.h"

namespace qorvexctl::platform {

void Window::Paint() {
  m_needsPaint = false;
  const int width = m_bounds.Width(), height = m_bounds.Height();
  if (width <= 0 || height <= 0) {
    m_surface = Surface();
    return;
  }
  if (m_surface.Width() != width || m_surface.Height() != height) {
    m_surface = Surface(width, height, 32);
  } else if (IsTransparent()) {
    m_surface.Fill(0);
  }
  Canvas canvas(m_surface, &m_desktop.Colours());
  canvas.SelectFont(m_font);
  canvas.SetTextColour(m_foreColor);
  canvas.SetBackgroundColour(m_backColor);
  canvas.SetBackgroundMode(BackgroundMode::Transparent);
  OnPaint(canvas);
}

void Window::OnPaint(Canvas& canvas) { canvas.FillRect(m_surface.Bounds(), m_backColor); }

void Window::Refresh() {
  Paint();
  m_desktop.SceneChanged(ScreenBounds());
}

void Window::SetWindowRgn(std::optional<Region> region) {
  m_region = std::move(region);
  m_desktop.SceneChanged();
  Invalidate();
}

}  // namespace qorvexctl::platform
