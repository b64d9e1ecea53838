#include "qorvexctl/platform/widgets/Control.h"

#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl::platform {

void Control::OnMouseDown(int button, int shift, Point p) {
  if (button == vbLeftButton) m_leftPressed = true;
  MouseDown(button, shift, ScaleXOfPixels(p.x), ScaleYOfPixels(p.y));
}

void Control::OnMouseUp(int button, int shift, Point p) {
  const HWND self = hWnd();
  MouseUp(button, shift, ScaleXOfPixels(p.x), ScaleYOfPixels(p.y));
  if (!GetDesktop().FromHandle(self)) return;
  const bool wasPressed = m_leftPressed;
  if (button == vbLeftButton) m_leftPressed = false;
  if (wasPressed && button == vbLeftButton && ClicksOnRelease() &&
      ClientRect().Contains(p.x, p.y)) {
    Click();
  }
}

void Control::OnMouseMove(int buttons, int shift, Point p) {
  MouseMove(buttons, shift, ScaleXOfPixels(p.x), ScaleYOfPixels(p.y));
}

void Control::OnDoubleClick(int button, int /*shift*/, Point /*p*/) {
  if (button == vbLeftButton) {
    m_leftPressed = false;
    DblClick();
  }
}

}  // namespace qorvexctl::platform
