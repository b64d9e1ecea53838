// TextBox: the lines laid out in the box, drawing (sunken edge, text, selection, caret), the
// caret position under the pointer, and scrolling to keep the caret in view.

#include <algorithm>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/platform/drawing/Borders.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/widgets/ScrollBar.h"
#include "qorvexctl/platform/widgets/TextBox.h"
#include "qorvexctl/platform/widgets/TextBoxLayout.h"

namespace qorvexctl::platform {
namespace {

constexpr int kMargin = 1;     // pixels between the edge and the text
constexpr int kBarWidth = 16;  // the scroll bars' thickness

}  // namespace

TextBoxLayout TextBox::Layout() const {
  return TextBoxLayout(m_edit.Text(), Font(), m_multiLine,
                       Wraps() ? std::max(1, TextArea().Width() - 2) : 0);
}

Rect TextBox::InsideEdge() const {
  const Rect outer{0, 0, Bounds().Width(), Bounds().Height()};
  return m_borderStyle ? outer.Inflate(-2, -2) : outer;
}

Rect TextBox::TextArea() const {
  Rect inside = InsideEdge();
  if (ShowsBar(vbVertical)) inside.right = std::max(inside.left, inside.right - kBarWidth);
  if (ShowsBar(vbHorizontal)) inside.bottom = std::max(inside.top, inside.bottom - kBarWidth);
  return inside.Inflate(-kMargin, 0);
}

int TextBox::VisibleLines() const {
  return std::max(1, (TextArea().Height() - kMargin) / std::max(1, Font().Height()));
}

int TextBox::LineCount() const { return static_cast<int>(Layout().LineCount()); }

// The x of the line's first character, after alignment and scrolling.
int TextBox::LineOriginX(const TextBoxLayout& layout, std::size_t line) const {
  const Rect area = TextArea();
  const int width = layout.LineWidth(line);
  if (m_alignment == 1 && width <= area.Width()) return area.right - width - 1;
  if (m_alignment == 2 && width <= area.Width()) return area.left + (area.Width() - width) / 2;
  return area.left - m_scrollX;
}

void TextBox::ScrollToCaret() {
  const TextBoxLayout layout = Layout();
  const std::size_t caret = m_edit.Caret();
  const int line = static_cast<int>(layout.LineOf(caret));
  const int visible = VisibleLines();
  if (line < m_topLine) m_topLine = line;
  if (line >= m_topLine + visible) m_topLine = line - visible + 1;
  m_topLine = std::clamp(m_topLine, 0, std::max(0, static_cast<int>(layout.LineCount()) - visible));
  if (Wraps()) {
    m_scrollX = 0;
  } else {
    const int width = TextArea().Width();
    const int caretX = layout.XOf(caret);
    if (caretX - m_scrollX > width - 2) m_scrollX = caretX - width + 2;
    if (caretX < m_scrollX) m_scrollX = caretX;
    m_scrollX = std::clamp(m_scrollX, 0, std::max(0, layout.LineWidth(line) - width + 2));
  }
  SyncScrollBars(layout);
}

void TextBox::SyncScrollBars(const TextBoxLayout& layout) {
  const Rect inside = InsideEdge();
  const Rect area = TextArea();
  if (ScrollBar* bar = SyncBar(m_verticalBar, vbVertical)) {
    bar->SetBounds({area.right + kMargin, inside.top, inside.right, area.bottom});
    bar->LargeChange(VisibleLines());
    bar->Max(std::max(0, static_cast<int>(layout.LineCount()) - VisibleLines()));
    bar->Value(m_topLine);
  }
  if (ScrollBar* bar = SyncBar(m_horizontalBar, vbHorizontal)) {
    int widest = 0;
    for (std::size_t line = 0; line < layout.LineCount(); ++line) {
      widest = std::max(widest, layout.LineWidth(line));
    }
    bar->SetBounds({inside.left, area.bottom, area.right + kMargin, inside.bottom});
    bar->SmallChange(std::max(1, Font().Height()));
    bar->LargeChange(std::max(1, area.Width()));
    bar->Max(std::max(0, widest - area.Width() + 2));
    bar->Value(m_scrollX);
  }
}

// The bar, made when it is first shown and dropped when it is not; nullptr when hidden.
ScrollBar* TextBox::SyncBar(std::unique_ptr<ScrollBar>& bar, int which) {
  if (!ShowsBar(which)) {
    bar.reset();
    return nullptr;
  }
  if (bar) return bar.get();
  const bool vertical = which == vbVertical;
  bar = std::make_unique<ScrollBar>(
      *this, vertical ? ScrollBarOrientation::Vertical : ScrollBarOrientation::Horizontal);
  bar->SetCanTakeFocus(false);
  bar->TabStop(false);
  ScrollBar* made = bar.get();
  const auto follow = [this, made, vertical] {
    (vertical ? m_topLine : m_scrollX) = made->Value();
    Invalidate();
  };
  bar->Change.connect(follow);
  bar->Scroll.connect(follow);
  return made;
}

void TextBox::OnPaint(Canvas& canvas) {
  const Rect outer{0, 0, Bounds().Width(), Bounds().Height()};
  const Rect inner = m_borderStyle ? DrawSunkenEdge(canvas, outer) : outer;
  canvas.FillRect(inner, BackColor());
  if (ShowsBar(vbVertical) && ShowsBar(vbHorizontal)) {
    // The square between the two bars.
    canvas.FillRect({inner.right - kBarWidth, inner.bottom - kBarWidth, inner.right, inner.bottom},
                    SystemColour(COLOR_BTNFACE));
  }
  const TextBoxLayout layout = Layout();
  const Rect area = TextArea();
  const int lineHeight = Font().Height();
  const std::size_t first = m_multiLine ? static_cast<std::size_t>(m_topLine) : 0;
  for (std::size_t line = first; line < layout.LineCount(); ++line) {
    const int y = area.top + kMargin + static_cast<int>(line - first) * lineHeight;
    if (y >= area.bottom) break;
    canvas.SetClipRegion(Region::FromRect(inner));
    PaintLine(canvas, layout, line, y);
  }
}

void TextBox::PaintLine(Canvas& canvas, const TextBoxLayout& layout, std::size_t line, int y) {
  const int x = LineOriginX(layout, line);
  const std::string text = layout.LineText(line);
  canvas.SetTextColour(IsEnabledInTree() ? ForeColor() : SystemColour(COLOR_GRAYTEXT));
  canvas.TextOut(x, y, text);
  if (!HasFocus()) return;
  const int height = Font().Height();
  const TextBoxLine& span = layout.Lines()[line];
  const std::size_t from = std::max(m_edit.SelStart(), span.start);
  const std::size_t to = std::min(m_edit.SelStart() + m_edit.SelLength(), span.end);
  if (m_edit.SelLength() > 0 && from < to) {
    const Rect band{x + layout.XOf(line, from), y, x + layout.XOf(line, to), y + height};
    const Region inside = *canvas.ClipRegion();
    canvas.FillRect(band, SystemColour(COLOR_HIGHLIGHT));
    canvas.SetClipRegion(Region::Combine(inside, Region::FromRect(band), CombineMode::And));
    canvas.SetTextColour(SystemColour(COLOR_HIGHLIGHTTEXT));
    canvas.TextOut(x, y, text);
    canvas.SetClipRegion(inside);
  }
  if (layout.LineOf(m_edit.Caret()) == line) {
    const int caretX = x + layout.XOf(line, m_edit.Caret());
    canvas.FillRect({caretX, y, caretX + 1, y + height}, ForeColor());
  }
}

std::size_t TextBox::PositionFromPoint(Point p) const {
  const TextBoxLayout layout = Layout();
  std::size_t line = 0;
  if (m_multiLine) {
    const int row = (p.y - TextArea().top - kMargin) / std::max(1, Font().Height());
    line = static_cast<std::size_t>(
        std::clamp(m_topLine + row, 0, static_cast<int>(layout.LineCount()) - 1));
  }
  return layout.PositionAt(line, p.x - LineOriginX(layout, line));
}

}  // namespace qorvexctl::platform
