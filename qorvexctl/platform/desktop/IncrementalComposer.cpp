#include "qorvexctl/platform/desktop/IncrementalComposer.h"

#include "qorvexctl/platform/desktop/Compositor.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/drawing/Region.h"

namespace qorvexctl::platform {

std::optional<Rect> IncrementalComposer::Update(Desktop& desktop) {
  desktop.PaintPending();
  const auto changed = desktop.TakeChangedAreas();
  const Size size = desktop.ScreenSize();
  if (!changed || m_frame.Width() != size.width || m_frame.Height() != size.height) {
    m_frame = ComposeDesktop(desktop);
    return std::nullopt;
  }
  Region area;
  for (const Rect& r : *changed) area = Region::Combine(area, Region::FromRect(r), CombineMode::Or);
  if (changed->empty()) return Rect{};
  ComposeDesktopArea(desktop, m_frame, area);
  return area.Bounds();
}

}  // namespace qorvexctl::platform
