#include "qorvexctl/platform/widgets/CheckBox.h"

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Mnemonic.h"
#include "qorvexctl/platform/drawing/Borders.h"
#include "qorvexctl/platform/drawing/Canvas.h"

namespace qorvexctl::platform {

CheckBox::CheckBox(Window& parent, std::string caption)
    : Control(parent.GetDesktop(), &parent), m_caption(std::move(caption)) {}

void CheckBox::Caption(std::string value) {
  if (value == m_caption) return;
  m_caption = std::move(value);
  Invalidate();
}

void CheckBox::Value(int value) {
  if (value < vbUnchecked || value > vbGrayed || value == m_value) return;
  m_value = value;
  Invalidate();
  Click();
}

void CheckBox::Toggle() { Value(m_value == vbChecked ? vbUnchecked : vbChecked); }

std::u32string CheckBox::AccessKeys() const {
  const char32_t key = AccessKeyOf(m_caption);
  return key ? std::u32string(1, key) : std::u32string();
}

void CheckBox::OnAccessKeyPress(int /*keyAscii*/) {
  GetDesktop().SetFocus(this);
  Toggle();
}

void CheckBox::OnKeyUp(int& keyCode, int shift) {
  Control::OnKeyUp(keyCode, shift);
  if (keyCode == vbKeySpace) Toggle();
}

void CheckBox::OnMouseUp(int button, int shift, Point p) {
  Control::OnMouseUp(button, shift, p);
  if (button == vbLeftButton && ClientRect().Contains(p.x, p.y)) Toggle();
}

void CheckBox::OnGotFocus() {
  Invalidate();
  Control::OnGotFocus();
}

void CheckBox::OnLostFocus() {
  Invalidate();
  Control::OnLostFocus();
}

void CheckBox::OnPaint(Canvas& canvas) {
  const Rect r{0, 0, Bounds().Width(), Bounds().Height()};
  canvas.FillRect(r, BackColor());
  const int top = (r.Height() - 13) / 2;
  const Rect box = Rect::FromSize(0, top, 13, 13);
  const Rect inside = DrawSunkenEdge(canvas, box);
  canvas.FillRect(inside, SystemColour(m_value == vbGrayed ? COLOR_BTNFACE : COLOR_WINDOW));
  if (m_value != vbUnchecked) {
    // The tick: three short strokes, three pixels thick.
    const Colour ink = SystemColour(m_value == vbGrayed ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT);
    for (int i = 0; i < 7; ++i) {
      const int y = top + (i < 3 ? 6 + i : 10 - (i - 2));
      canvas.FillRect(Rect::FromSize(3 + i, y, 1, 3), ink);
    }
  }
  Rect text{17, 0, r.right, r.bottom};
  canvas.SetTextColour(IsEnabledInTree() ? ForeColor() : SystemColour(COLOR_GRAYTEXT));
  canvas.DrawText(m_caption, text, DT_VCENTER | DT_SINGLELINE);
  if (HasFocus()) {
    Rect measured{17, 0, r.right, r.bottom};
    canvas.DrawText(m_caption, measured, DT_SINGLELINE | DT_CALCRECT);
    const int h = measured.Height();
    canvas.DrawFocusRect(
        {15, (r.Height() - h) / 2 - 1, measured.right + 2, (r.Height() + h) / 2 + 1});
  }
}

}  // namespace qorvexctl::platform
