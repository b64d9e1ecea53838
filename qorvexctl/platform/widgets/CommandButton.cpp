#include "qorvexctl/platform/widgets/CommandButton.h"

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Mnemonic.h"
#include "qorvexctl/platform/drawing/Borders.h"
#include "qorvexctl/platform/drawing/Canvas.h"

namespace qorvexctl::platform {

CommandButton::CommandButton(Window& parent, std::string caption)
    : Control(parent.GetDesktop(), &parent), m_caption(std::move(caption)) {}

void CommandButton::Caption(std::string value) {
  if (value == m_caption) return;
  m_caption = std::move(value);
  Invalidate();
}

bool CommandButton::Default() const { return TopLevel()->DefaultButtonHandle() == hWnd(); }

void CommandButton::Default(bool value) {
  if (value == Default()) return;
  Window* form = TopLevel();
  if (Window* old = GetDesktop().FromHandle(form->DefaultButtonHandle())) old->Invalidate();
  form->SetDefaultButton(value ? this : nullptr);
  Invalidate();
}

bool CommandButton::Cancel() const { return TopLevel()->CancelButtonHandle() == hWnd(); }

void CommandButton::Cancel(bool value) {
  if (value != Cancel()) TopLevel()->SetCancelButton(value ? this : nullptr);
}

// A focused button takes Enter itself (it clicks), like the classic dialog manager does.
bool CommandButton::WantsKey(int keyCode) const {
  return keyCode == vbKeyReturn || Control::WantsKey(keyCode);
}

std::u32string CommandButton::AccessKeys() const {
  const char32_t key = AccessKeyOf(m_caption);
  return key ? std::u32string(1, key) : std::u32string();
}

void CommandButton::OnAccessKeyPress(int /*keyAscii*/) {
  const HWND self = hWnd();
  GetDesktop().SetFocus(this);
  if (GetDesktop().FromHandle(self)) Click();
}

void CommandButton::OnMouseDown(int button, int shift, Point p) {
  if (button == vbLeftButton) {
    m_pressed = true;
    Invalidate();
  }
  Control::OnMouseDown(button, shift, p);
}

void CommandButton::OnMouseUp(int button, int shift, Point p) {
  if (button == vbLeftButton) {
    m_pressed = false;
    Invalidate();
  }
  Control::OnMouseUp(button, shift, p);
}

void CommandButton::OnKeyDown(int& keyCode, int shift) {
  Control::OnKeyDown(keyCode, shift);
  if (keyCode == vbKeySpace) {
    m_pressed = true;
    Invalidate();
  } else if (keyCode == vbKeyReturn) {
    Click();
  }
}

void CommandButton::OnKeyUp(int& keyCode, int shift) {
  Control::OnKeyUp(keyCode, shift);
  if (keyCode == vbKeySpace && m_pressed) {
    m_pressed = false;
    Invalidate();
    Click();
  }
}

void CommandButton::OnGotFocus() {
  Invalidate();
  Control::OnGotFocus();
}

void CommandButton::OnLostFocus() {
  m_pressed = false;
  Invalidate();
  Control::OnLostFocus();
}

void CommandButton::OnPaint(Canvas& canvas) {
  Rect r{0, 0, Bounds().Width(), Bounds().Height()};
  canvas.FillRect(r, BackColor());
  if (Default() || HasFocus()) {
    canvas.FrameRect(r, SystemColour(COLOR_3DDKSHADOW));
    r = r.Inflate(-1, -1);
  }
  const Rect inside = DrawRaisedEdge(canvas, r, m_pressed);
  Rect text = m_pressed ? inside.Offset(1, 1) : inside;
  canvas.SetTextColour(IsEnabledInTree() ? ForeColor() : SystemColour(COLOR_GRAYTEXT));
  canvas.DrawText(m_caption, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (HasFocus()) canvas.DrawFocusRect(inside.Inflate(-2, -2));
}

}  // namespace qorvexctl::platform
