// cButton: mouse, hover timer, keyboard, access keys and focus.

#include "qorvexctl/controls/button/cButton.h"

#include "qorvexctl/controls/button/OptionGroup.h"
#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl {

namespace {

using platform::vbLeftButton;

constexpr char kClassIdProperty[] = "efbxp_ClassID";
constexpr char kTimerIdProperty[] = "efbxp_TimerID";

bool IsArrowKey(int keyCode) {
  return keyCode >= platform::vbKeyLeft && keyCode <= platform::vbKeyDown;
}

// The hover timer's routine: finds its button through the window properties of the window the
// timer belongs to.
void HoverTimerProc(platform::Desktop& desktop, platform::HWND hwnd, std::uintptr_t id) {
  platform::Window* window = desktop.FromHandle(hwnd);
  if (!window || window->GetProp(kTimerIdProperty) != static_cast<std::intptr_t>(id)) return;
  const auto self = static_cast<platform::HWND>(window->GetProp(kClassIdProperty));
  if (auto* button = dynamic_cast<cButton*>(desktop.FromHandle(self))) button->HoverTick();
}

}  // namespace

void cButton::SetState(int bit, bool on) { m_state = on ? (m_state | bit) : (m_state & ~bit); }

// --- Mouse.

void cButton::OnMouseDown(int button, int shift, platform::Point p) {
  m_lastButton = button;
  if (button == vbLeftButton) {
    SetState(kPressed, true);
    m_buttonDown = true;
    m_delayDrawing = false;
    UpdateShape();
    Redraw();
    GetDesktop().SetCapture(hWnd());
  }
  MouseDown(button, shift, ScaleXOfPixels(p.x), ScaleYOfPixels(p.y));
}

void cButton::OnMouseMove(int buttons, int shift, platform::Point p) {
  if (!m_tooltip.empty() && !m_tip) UpdateTip();
  platform::Desktop& desktop = GetDesktop();
  if (!m_hovering && desktop.WindowFromPoint(desktop.GetCursorPos()) == this) {
    SetState(kHot, true);
    bool onButton = true;
    MouseOnButton(onButton);
    SetProp(kClassIdProperty, static_cast<std::intptr_t>(hWnd()));
    SetProp(kTimerIdProperty, static_cast<std::intptr_t>(kHoverTimerId));
    desktop.SetTimer(
        hWnd(), kHoverTimerId, kHoverIntervalMs,
        [&desktop](platform::HWND hwnd, std::uintptr_t id) { HoverTimerProc(desktop, hwnd, id); });
    m_hovering = true;
    m_delayDrawing = false;
    if (buttons & vbLeftButton) m_buttonDown = true;
    UpdateTip();
    Redraw();
  }
  MouseMove(buttons, shift, ScaleXOfPixels(p.x), ScaleYOfPixels(p.y));
}

void cButton::HoverTick() {
  platform::Desktop& desktop = GetDesktop();
  if (desktop.WindowFromPoint(desktop.GetCursorPos()) == this) return;
  LeaveHover();
}

void cButton::LeaveHover() {
  if (!m_tooltip.empty()) DestroyTip();
  GetDesktop().KillTimer(hWnd(), kHoverTimerId);
  SetState(kHot, false);
  m_hovering = false;
  m_delayDrawing = false;
  m_buttonDown = false;
  bool onButton = false;
  MouseOnButton(onButton);
  if (!m_initialising) Redraw();
}

void cButton::OnMouseUp(int button, int shift, platform::Point p) {
  const bool wasPressed = IsPressed();
  m_buttonDown = false;
  if (button == vbLeftButton) {
    GetDesktop().ReleaseCapture();
    SetState(kPressed, false);
    m_delayDrawing = false;
    UpdateShape();
    if (m_mode == efbxp_CommandButton) Redraw();
  }
  const platform::HWND self = hWnd();
  MouseUp(button, shift, ScaleXOfPixels(p.x), ScaleYOfPixels(p.y));
  if (!GetDesktop().FromHandle(self)) return;
  m_lastButton = button;
  const platform::Region* shape = WindowRegion();
  const bool inside = shape ? shape->Contains(p.x, p.y) : ClientRect().Contains(p.x, p.y);
  if (button == vbLeftButton && wasPressed && inside) ClickStep();
}

void cButton::OnDoubleClick(int /*button*/, int shift, platform::Point /*p*/) {
  const platform::Point cursor = ScreenToClient(GetDesktop().GetCursorPos());
  DestroyTip();
  int last = m_lastButton;
  DoubleClick(last);
  if (m_lastButton == vbLeftButton) {
    OnMouseDown(vbLeftButton, shift, cursor);
    m_lastButton = -1;
  } else {
    MouseDown(vbLeftButton, 0, ScaleXOfPixels(cursor.x), ScaleYOfPixels(cursor.y));
  }
}

// --- Keyboard.

void cButton::OnKeyDown(int& keyCode, int shift) {
  if (IsArrowKey(keyCode)) {
    if (platform::Window* container = Parent()) {
      GetDesktop().PostMessage(container->hWnd(), platform::WM_KEYDOWN,
                               static_cast<platform::WPARAM>(keyCode),
                               platform::KeyMessageLParam(keyCode));
    }
    return;
  }
  if (keyCode == platform::vbKeySpace) {
    if (!IsPressed()) {
      SetState(kPressed, true);
      m_buttonDown = true;
      if (!m_hovering) SetState(kHot, false);
      Redraw();
    }
    return;
  }
  KeyDown(keyCode, shift);
}

void cButton::OnKeyUp(int& keyCode, int shift) {
  m_buttonDown = false;
  if (keyCode == platform::vbKeySpace && IsPressed()) {
    SetState(kPressed, false);
    m_lastButton = vbLeftButton;
    if (m_mode == efbxp_CommandButton) {
      Redraw();
    } else {
      KeyUp(keyCode, shift);
      keyCode = 0;
    }
    ClickStep();
    return;
  }
  if (IsArrowKey(keyCode)) {
    if (m_mode == efbxp_OptionButton && !m_value) {
      m_lastButton = vbLeftButton;
      ClickStep();
    }
    keyCode = 0;
    return;
  }
  if (keyCode == platform::vbKeyShift) {
    keyCode = 0;
    return;
  }
  KeyUp(keyCode, shift);
}

void cButton::OnAccessKeyPress(int keyAscii) {
  const bool enterOrEscape = keyAscii == platform::vbKeyReturn || keyAscii == platform::vbKeyEscape;
  if (enterOrEscape && m_mode != efbxp_CommandButton) return;
  if (!enterOrEscape && !HasFocus()) Redraw();
  m_lastButton = vbLeftButton;
  ClickStep();
}

// --- Focus and lifecycle.

void cButton::EnterFocus() {
  SetState(kFocus, true);
  if (m_mode == efbxp_OptionButton && !m_value && !AnyGroupMemberOn()) {
    m_lastButton = vbLeftButton;
    ClickStep();
  }
  Redraw();
}

void cButton::ExitFocus() {
  SetState(kFocus, false);
  Redraw();
}

void cButton::Show() {
  m_initialising = false;
  Redraw();
}

void cButton::AmbientChanged(std::string_view name) {
  if (name == "DisplayAsDefault") {
    Redraw();
  } else if (name == "BackColor") {
    if (IsRoundShape(m_shape) || IsCustomShape(m_shape) || m_look == efbxp_hover) Redraw();
  }
}

}  // namespace qorvexctl
