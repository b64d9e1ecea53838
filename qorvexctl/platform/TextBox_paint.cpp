// TextBox: drawing (sunken edge, text, selection, caret) and the caret position under the
// pointer. The text scrolls sideways to keep the caret in view.

#include "qorvexctl/base/Text.h"
#include "qorvexctl/platform/Borders.h"
#include "qorvexctl/platform/Canvas.h"
#include "qorvexctl/platform/TextBox.h"

namespace qorvexctl::platform {
namespace {

constexpr int kMargin = 1;  // pixels between the edge and the text

}  // namespace

Rect TextBox::TextArea() const {
  const Rect outer{0, 0, Bounds().Width(), Bounds().Height()};
  return (m_borderStyle ? outer.Inflate(-2, -2) : outer).Inflate(-kMargin, 0);
}

int TextBox::WidthOfFirst(std::size_t count) const {
  return Font().TextWidth(EncodeUtf8(std::u32string_view(m_edit.Text()).substr(0, count)));
}

// The x of the text's first character, after alignment and scrolling.
int TextBox::TextOriginX() {
  const Rect area = TextArea();
  const int total = WidthOfFirst(m_edit.Length());
  if (m_alignment == 1 && total <= area.Width()) return area.right - total - 1;
  if (m_alignment == 2 && total <= area.Width()) return area.left + (area.Width() - total) / 2;
  const int caretX = WidthOfFirst(m_edit.Caret());
  if (caretX - m_scrollX > area.Width() - 2) m_scrollX = caretX - area.Width() + 2;
  if (caretX < m_scrollX) m_scrollX = caretX;
  m_scrollX = std::max(0, std::min(m_scrollX, std::max(0, total - area.Width() + 2)));
  return area.left - m_scrollX;
}

void TextBox::OnPaint(Canvas& canvas) {
  const Rect outer{0, 0, Bounds().Width(), Bounds().Height()};
  const Rect inner = m_borderStyle ? DrawSunkenEdge(canvas, outer) : outer;
  canvas.FillRect(inner, BackColor());
  canvas.SetClipRegion(Region::FromRect(inner));
  const Rect area = TextArea();
  const int x = TextOriginX();
  const int y = area.top + kMargin;
  const std::string text = Text();
  canvas.SetTextColour(IsEnabledInTree() ? ForeColor() : SystemColour(COLOR_GRAYTEXT));
  canvas.TextOut(x, y, text);
  const bool focused = HasFocus();
  if (focused && m_edit.SelLength() > 0) {
    const int from = x + WidthOfFirst(m_edit.SelStart());
    const int to = x + WidthOfFirst(m_edit.SelStart() + m_edit.SelLength());
    const Rect band{from, y, to, y + Font().Height()};
    canvas.FillRect(band, SystemColour(COLOR_HIGHLIGHT));
    canvas.SetClipRegion(Region::Combine(Region::FromRect(inner), Region::FromRect(band),
                                         CombineMode::And));
    canvas.SetTextColour(SystemColour(COLOR_HIGHLIGHTTEXT));
    canvas.TextOut(x, y, text);
  }
  if (focused) {
    const int caretX = x + WidthOfFirst(m_edit.Caret());
    canvas.SetClipRegion(Region::FromRect(inner));
    canvas.FillRect({caretX, y, caretX + 1, y + Font().Height()}, ForeColor());
  }
}

std::size_t TextBox::PositionFromPoint(Point p) {
  const int origin = TextOriginX();
  std::size_t best = 0;
  int bestDistance = std::abs(p.x - origin);
  for (std::size_t i = 1; i <= m_edit.Length(); ++i) {
    const int distance = std::abs(p.x - (origin + WidthOfFirst(i)));
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace qorvexctl::platform
