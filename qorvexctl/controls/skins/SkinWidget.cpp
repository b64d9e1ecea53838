#include "qorvexctl/controls/skins/SkinWidget.h"

#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl {

using platform::vbLeftButton;

namespace {

// The key codes the keyboard state keeps for the left, right and middle mouse buttons.
constexpr int kMouseButtonKeys[] = {1, 2, 4};

}  // namespace

SkinWidget::SkinWidget(LibraryState& library, platform::Desktop& desktop,
                       platform::Window* container)
    : UserControl(library, desktop, container) {}

bool SkinWidget::AnyButtonHeld() const {
  const platform::KeyboardState& keys = GetDesktop().Keyboard();
  for (int key : kMouseButtonKeys) {
    if (keys.IsDown(key)) return true;
  }
  return false;
}

void SkinWidget::StopHovering() {
  if (!AnyButtonHeld() && GetDesktop().Capture() == this) GetDesktop().ReleaseCapture();
  m_hovering = false;
  Redraw();
}

void SkinWidget::LeaveHover() {
  MouseOut();
  StopHovering();
}

void SkinWidget::OnMouseMove(int buttons, int shift, platform::Point p) {
  MouseMove(buttons, shift, ScaleXOfPixels(p.x), ScaleYOfPixels(p.y));
  platform::Desktop& desktop = GetDesktop();
  desktop.SetCapture(hWnd());
  const platform::Point cursor = ScreenToClient(desktop.GetCursorPos());
  const bool inside = ClientRect().Contains(cursor.x, cursor.y);
  if (inside && !m_hovering) {
    m_hovering = true;
    MouseIn();
    Redraw();
  } else if (!inside && m_hovering) {
    LeaveHover();
  } else if (!inside && !AnyButtonHeld()) {
    desktop.ReleaseCapture();  // never left holding a capture nobody hovers for
  }
}

void SkinWidget::OnMouseDown(int button, int shift, platform::Point p) {
  if (button == vbLeftButton) {
    m_leftPressed = true;
    OnLeftPressed();
  }
  MouseDown(button, shift, ScaleXOfPixels(p.x), ScaleYOfPixels(p.y));
}

void SkinWidget::OnMouseUp(int button, int shift, platform::Point p) {
  const bool click = button == vbLeftButton && m_leftPressed && ClientRect().Contains(p.x, p.y);
  if (button == vbLeftButton) {
    m_leftPressed = false;
    OnLeftReleased();
  }
  const platform::HWND self = hWnd();
  MouseUp(button, shift, ScaleXOfPixels(p.x), ScaleYOfPixels(p.y));
  if (click && GetDesktop().FromHandle(self) == this) OnSkinClick();
}

void SkinWidget::OnDoubleClick(int button, int /*shift*/, platform::Point /*p*/) {
  if (button == vbLeftButton) OnSkinDoubleClick();
}

void SkinWidget::OnResize() {
  Redraw();
  Resize();
}

}  // namespace qorvexctl
