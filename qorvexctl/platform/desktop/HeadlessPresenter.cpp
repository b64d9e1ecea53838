#include "qorvexctl/platform/desktop/HeadlessPresenter.h"

#include "qorvexctl/platform/desktop/Compositor.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Window.h"
#include "qorvexctl/platform/drawing/Screenshot.h"

namespace qorvexctl::platform {

const Surface& HeadlessPresenter::Frame(Desktop& desktop) {
  desktop.PaintPending();
  const auto changed = desktop.TakeChangedAreas();
  const Size size = desktop.ScreenSize();
  if (!changed || m_frame.Width() != size.width || m_frame.Height() != size.height) {
    m_frame = ComposeDesktop(desktop);
  } else if (!changed->empty()) {
    Region area;
    for (const Rect& r : *changed) {
      area = Region::Combine(area, Region::FromRect(r), CombineMode::Or);
    }
    ComposeDesktopArea(desktop, m_frame, area);
  }
  return m_frame;
}

bool HeadlessPresenter::Screenshot(Desktop& desktop, const std::filesystem::path& file) {
  return WritePng(ComposeDesktop(desktop), file);
}

bool HeadlessPresenter::Screenshot(Window& window, const std::filesystem::path& file) {
  return WritePng(ComposeWindow(window), file);
}

}  // namespace qorvexctl::platform
