#pragma once
// A window of the host as the parent object of a selection (`GFXSelection.ParentObj`): the
// dialog opens next to the window and takes its background colour while it zooms open.
//
//   GFXSelection s;
//   s.ParentObj = std::make_shared<WindowParentObject>(chooseButton);
//   s.WindowPositionRelation = GFXPositionObjectBelow;

#include <cstdint>

#include "qorvexctl/frame/HostParentObject.h"
#include "qorvexctl/platform/desktop/Window.h"

namespace qorvexctl {

class WindowParentObject : public HostParentObject {
 public:
  // `window` must outlive the object.
  explicit WindowParentObject(platform::Window& window) : m_window(window) {}
  std::uint32_t hwnd() override { return m_window.hWnd(); }
  Colour BackColor() override { return m_window.BackColor(); }

 private:
  platform::Window& m_window;
};

}  // namespace qorvexctl
