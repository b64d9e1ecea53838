#include "qorvexctl/platform/widgets/Frame.h"

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Mnemonic.h"
#include "qorvexctl/platform/desktop/TabOrder.h"
#include "qorvexctl/platform/drawing/Borders.h"
#include "qorvexctl/platform/drawing/Canvas.h"

namespace qorvexctl::platform {

Frame::Frame(Window& parent, std::string caption)
    : Control(parent.GetDesktop(), &parent), m_caption(std::move(caption)) {
  TabStop(false);
}

void Frame::Caption(std::string value) {
  if (value == m_caption) return;
  m_caption = std::move(value);
  Invalidate();
}

std::u32string Frame::AccessKeys() const {
  const char32_t key = AccessKeyOf(m_caption);
  return key ? std::u32string(1, key) : std::u32string();
}

void Frame::OnAccessKeyPress(int /*keyAscii*/) {
  if (Window* first = FirstFocusable(*this)) GetDesktop().SetFocus(first);
}

void Frame::OnPaint(Canvas& canvas) {
  const Rect r{0, 0, Bounds().Width(), Bounds().Height()};
  canvas.FillRect(r, BackColor());
  const int half = Font().Height() / 2;
  DrawEtchedRect(canvas, {r.left, r.top + half, r.right, r.bottom});
  if (m_caption.empty()) return;
  Rect text{8, 0, r.right - 8, Font().Height()};
  canvas.DrawText(m_caption, text, DT_SINGLELINE | DT_CALCRECT);
  canvas.FillRect(text.Inflate(2, 0), BackColor());
  canvas.SetTextColour(IsEnabledInTree() ? ForeColor() : SystemColour(COLOR_GRAYTEXT));
  canvas.DrawText(m_caption, text, DT_SINGLELINE);
}

}  // namespace qorvexctl::platform
