#include "qorvexctl/platform/widgets/Label.h"

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Mnemonic.h"
#include "qorvexctl/platform/desktop/TabOrder.h"
#include "qorvexctl/platform/drawing/Borders.h"
#include "qorvexctl/platform/drawing/Canvas.h"

namespace qorvexctl::platform {

Label::Label(Window& parent, std::string caption)
    : Control(parent.GetDesktop(), &parent), m_caption(std::move(caption)) {
  TabStop(false);
}

void Label::Caption(std::string value) {
  if (value == m_caption) return;
  m_caption = std::move(value);
  FitToCaption();
  Invalidate();
}

void Label::AutoSize(bool value) {
  m_autoSize = value;
  FitToCaption();
}

void Label::WordWrap(bool value) {
  m_wordWrap = value;
  FitToCaption();
  Invalidate();
}

void Label::BackStyle(int value) {
  if (value != 0 && value != 1) return;
  m_backStyle = value;
  Invalidate();
}

void Label::Alignment(int value) {
  if (value < 0 || value > 2) return;
  m_alignment = value;
  Invalidate();
}

void Label::BorderStyle(int value) {
  if (value != 0 && value != 1) return;
  m_borderStyle = value;
  FitToCaption();
  Invalidate();
}

void Label::UseMnemonic(bool value) {
  m_useMnemonic = value;
  Invalidate();
}

unsigned Label::TextFormat() const {
  unsigned format = m_alignment == 1 ? DT_RIGHT : m_alignment == 2 ? DT_CENTER : DT_LEFT;
  if (m_wordWrap || !m_autoSize) format |= DT_WORDBREAK;
  if (!m_useMnemonic) format |= DT_NOPREFIX;
  return format;
}

void Label::FitToCaption() {
  if (!m_autoSize) return;
  Surface scratch(1, 1, 32);
  Canvas measure(scratch);
  measure.SelectFont(Font());
  const int border = m_borderStyle ? 2 : 0;
  Rect r{0, 0, m_wordWrap ? Bounds().Width() - border : 32767, 0};
  measure.DrawText(m_caption.empty() ? " " : m_caption, r, TextFormat() | DT_CALCRECT);
  const Rect b = Bounds();
  SetBounds(Rect::FromSize(b.left, b.top, (m_wordWrap ? b.Width() : r.Width() + border),
                           r.Height() + border));
}

std::u32string Label::AccessKeys() const {
  const char32_t key = m_useMnemonic ? AccessKeyOf(m_caption) : 0;
  return key ? std::u32string(1, key) : std::u32string();
}

// The focus goes to the first tab stop after the label, by TabIndex, in the label's container.
void Label::OnAccessKeyPress(int /*keyAscii*/) {
  if (!Parent()) return;
  Window* best = nullptr;
  for (Window* w : TabStops(*Parent())) {
    if (w->TabIndex() > TabIndex() && (!best || w->TabIndex() < best->TabIndex())) best = w;
  }
  if (best) GetDesktop().SetFocus(best);
}

void Label::OnPaint(Canvas& canvas) {
  Rect r{0, 0, Bounds().Width(), Bounds().Height()};
  if (m_backStyle == 1) canvas.FillRect(r, BackColor());
  if (m_borderStyle == 1) r = DrawFlatBorder(canvas, r);
  canvas.SetTextColour(IsEnabledInTree() ? ForeColor() : SystemColour(COLOR_GRAYTEXT));
  canvas.DrawText(m_caption, r, TextFormat());
}

}  // namespace qorvexctl::platform
