// ListView painting: the sunken border, the header buttons and the rows with their icons,
// texts and the selection's highlight.

#include <optional>

#include "qorvexctl/platform/drawing/Borders.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/widgets/DrawingLayer.h"
#include "qorvexctl/platform/widgets/ImageList.h"
#include "qorvexctl/platform/widgets/ListView.h"

namespace qorvexctl::platform {
namespace {

// Cell texts: one line, cut with "..." at the column's edge, "&" shown as it is.
constexpr unsigned kCellFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
constexpr int kIconMargin = 2;  // left of the icon and of the first column's text
constexpr int kCellMargin = 6;  // left and right of sub-item texts and captions

}  // namespace

void ListView::OnPaint(Canvas& canvas) {
  const Rect client = ClientRect();
  canvas.FillRect(client, BackColor());
  DrawSunkenEdge(canvas, client);
  PaintHeader(canvas);
  PaintRows(canvas);
}

void ListView::PaintHeader(Canvas& canvas) const {
  const Rect view = ViewRect();
  const Rect header{view.left, view.top, view.right,
                    std::min(view.bottom, view.top + HeaderHeight())};
  if (header.IsEmpty()) return;
  canvas.SetClipRegion(Region::FromRect(header));
  canvas.SetTextColour(SystemColour(COLOR_BTNTEXT));
  int right = header.left;
  for (int c = 0; c < ColumnCount(); ++c) {
    const Rect button = HeaderRect(c);
    const bool pressed = c == m_pressedHeader;
    Rect inside = DrawRaisedEdge(canvas, button, pressed);
    canvas.FillRect(inside, SystemColour(COLOR_BTNFACE));
    Rect caption = inside.Inflate(2 - kCellMargin, 0).Offset(pressed ? 1 : 0, pressed ? 1 : 0);
    canvas.DrawText(m_columns[static_cast<std::size_t>(c)]->Text(), caption, kCellFormat);
    right = button.right;
  }
  // The rest of the header row is an empty button.
  if (right < header.right) {
    const Rect rest{right, header.top, header.right, header.bottom};
    canvas.FillRect(DrawRaisedEdge(canvas, rest), SystemColour(COLOR_BTNFACE));
  }
  canvas.SetClipRegion(std::nullopt);
}

void ListView::PaintRows(Canvas& canvas) const {
  const int end = std::min(ItemCount(), m_topRow + VisibleRowCount() + 1);
  for (int row = m_topRow; row < end; ++row) PaintRow(canvas, row);
  canvas.SetClipRegion(std::nullopt);
}

void ListView::PaintRow(Canvas& canvas, int row) const {
  const ListItem& item = *m_items[static_cast<std::size_t>(row)];
  const Rect rows = RowsRect();
  const Rect line = ItemRect(row + 1);
  const bool selected = &item == m_selected;
  const bool highlighted = selected && ShowsHighlight();
  const Rect highlight = HighlightRect(item, line).Intersect(rows);
  canvas.SetClipRegion(Region::FromRect(rows));
  if (highlighted) canvas.FillRect(highlight, SystemColour(COLOR_HIGHLIGHT));
  for (int c = 0; c < ColumnCount(); ++c) {
    const Rect cell{ColumnLeft(c), line.top, ColumnLeft(c) + ColumnWidthPixels(c), line.bottom};
    const Rect visible = cell.Intersect(rows);
    if (visible.IsEmpty()) continue;
    canvas.SetClipRegion(Region::FromRect(visible));
    PaintCell(canvas, item, c, cell, highlighted && (m_fullRowSelect || c == 0));
  }
  canvas.SetClipRegion(Region::FromRect(rows));
  if (selected && HasFocus()) canvas.DrawFocusRect(highlight);
}

void ListView::PaintCell(Canvas& canvas, const ListItem& item, int column, const Rect& cell,
                         bool highlighted) const {
  int textLeft = cell.left + kCellMargin;
  if (column == 0) {
    textLeft = cell.left + kIconMargin + IconAreaWidth();
    const Picture* icon = m_smallIcons ? m_smallIcons->Find(item.SmallIcon()) : nullptr;
    if (icon) {
      const int w = m_smallIcons->ImageWidth(), h = m_smallIcons->ImageHeight();
      const Rect dest =
          Rect::FromSize(cell.left + kIconMargin, cell.top + (cell.Height() - h) / 2, w, h);
      DrawPictureStretched(canvas, icon->Pixels(), dest);
    }
  }
  canvas.SetTextColour(highlighted ? SystemColour(COLOR_HIGHLIGHTTEXT) : ForeColor());
  Rect text{textLeft, cell.top, cell.right - (column == 0 ? kIconMargin : kCellMargin),
            cell.bottom};
  canvas.DrawText(item.ColumnText(column), text, kCellFormat);
}

int ListView::IconAreaWidth() const {
  return m_smallIcons ? m_smallIcons->ImageWidth() + kIconMargin : 0;
}

// The highlight covers the whole row with FullRowSelect, else the first column's text.
Rect ListView::HighlightRect(const ListItem& item, const Rect& line) const {
  if (m_columns.empty()) return {};
  if (m_fullRowSelect) return {line.left, line.top, ColumnLeft(ColumnCount()), line.bottom};
  const int columnRight = ColumnLeft(1);
  const int left = std::min(columnRight, line.left + IconAreaWidth());
  const int right = std::min(columnRight, left + Font().TextWidth(item.Text()) + 2 * kIconMargin);
  return {left, line.top, right, line.bottom};
}

bool ListView::ShowsHighlight() const { return HasFocus() || !m_hideSelection; }

}  // namespace qorvexctl::platform
