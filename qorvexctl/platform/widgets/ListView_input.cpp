// ListView input: clicks on rows and headers, double clicks, the keyboard and the item tips.

#include <algorithm>

#include "qorvexctl/base/Collation.h"
#include "qorvexctl/base/Text.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/ListView.h"
#include "qorvexctl/platform/widgets/TooltipWindow.h"

namespace qorvexctl::platform {
namespace {

constexpr std::uintptr_t kItemTipId = 1;
constexpr int kRowsPerWheelNotch = 3;

}  // namespace

// A press selects the row under the pointer (anywhere along it) or, below the last row,
// selects nothing; a press on a header button holds it down until the release, and one on
// the divider at a button's right edge starts resizing that column.
void ListView::OnMouseDown(int button, int shift, Point p) {
  const int divider = button == vbLeftButton ? DividerAt(p) : -1;
  const int header = HeaderColumnAt(p);
  if (divider >= 0) {
    m_sizingColumn = divider;
    m_sizingGrabX = p.x - ColumnLeft(divider + 1);
  } else if (header >= 0) {
    if (button == vbLeftButton) {
      m_pressedHeader = header;
      Invalidate();
    }
  } else if (button == vbLeftButton || button == vbRightButton) {
    const int row = RowAt(p);
    SelectRow(row);
    if (button == vbLeftButton) {
      m_listPressed = true;
      m_pressedRow = row;
    }
  }
  Control::OnMouseDown(button, shift, p);
}

void ListView::OnMouseMove(int buttons, int shift, Point p) {
  Control::OnMouseMove(buttons, shift, p);
  if (m_sizingColumn >= 0 && (buttons & vbLeftButton)) {
    ResizeColumnTo(p.x - m_sizingGrabX);
  } else if (buttons == 0) {
    TrackToolTip(RowAt(p));
  }
}

void ListView::ResizeColumnTo(int x) {
  const int width = std::max(0, x - ColumnLeft(m_sizingColumn));
  m_columns[static_cast<std::size_t>(m_sizingColumn)]->Width(PixelsToTwips(width));
}

// A release over the header button that was pressed raises ColumnClick; a release of a press
// on the list raises ItemClick when it is over the pressed row, then Click (the release that
// ends a double click raises neither).
void ListView::OnMouseUp(int button, int shift, Point p) {
  const HWND self = hWnd();
  const int pressedHeader = m_pressedHeader;
  const int pressedRow = m_pressedRow;
  const bool listPressed = m_listPressed;
  if (button == vbLeftButton) {
    m_sizingColumn = -1;
    m_pressedHeader = -1;
    m_pressedRow = -1;
    m_listPressed = false;
    if (pressedHeader >= 0) Invalidate();
  }
  Control::OnMouseUp(button, shift, p);
  if (button != vbLeftButton || !GetDesktop().FromHandle(self)) return;
  if (pressedHeader >= 0) {
    if (HeaderColumnAt(p) == pressedHeader) ColumnClick(pressedHeader);
    return;
  }
  if (pressedRow >= 0 && RowAt(p) == pressedRow) {
    ItemClick(*m_items[static_cast<std::size_t>(pressedRow)]);
    if (!GetDesktop().FromHandle(self)) return;
  }
  if (listPressed && ClientRect().Contains(p.x, p.y)) Click();
}

// The second press of a double click acts as a press (a header is clicked again, a row is
// selected), then DblClick is raised for a row or the empty list.
void ListView::OnDoubleClick(int button, int shift, Point p) {
  if (HeaderColumnAt(p) >= 0 || DividerAt(p) >= 0) {
    OnMouseDown(button, shift, p);
    return;
  }
  if (button == vbLeftButton) SelectRow(RowAt(p));
  Control::OnDoubleClick(button, shift, p);
}

void ListView::SelectRow(int row) {
  if (row < 0) {
    SelectedItem(nullptr);
    return;
  }
  SelectedItem(m_items[static_cast<std::size_t>(row)].get());
  EnsureVisible(row + 1);
}

void ListView::OnKeyDown(int& keyCode, int shift) {
  Control::OnKeyDown(keyCode, shift);
  if (keyCode != 0 && !m_items.empty()) SelectFromKeyboard(RowForKey(keyCode));
}

// The row a navigation key moves the selection to; -1 for other keys. PageDown goes to the
// last whole row in view, or a page further when the selection is already there; PageUp the
// same upwards.
int ListView::RowForKey(int keyCode) const {
  const int last = ItemCount() - 1;
  const int current = m_selected ? m_selected->Index() - 1 : -1;
  const int page = std::max(1, VisibleRowCount());
  const int bottom = std::min(last, m_topRow + page - 1);
  switch (keyCode) {
    case vbKeyUp:
      return std::max(0, current - 1);
    case vbKeyDown:
      return std::min(last, current + 1);
    case vbKeyHome:
      return 0;
    case vbKeyEnd:
      return last;
    case vbKeyPageDown:
      return current < bottom ? bottom : std::min(last, current + page - 1);
    case vbKeyPageUp:
      return current > m_topRow ? m_topRow : std::max(0, current - (page - 1));
    default:
      return -1;
  }
}

void ListView::SelectFromKeyboard(int row) {
  if (row < 0) return;
  ListItem& item = *m_items[static_cast<std::size_t>(row)];
  EnsureVisible(row + 1);
  if (&item == m_selected) return;
  SelectedItem(&item);
  ItemClick(item);
}

// Typing a letter selects the next item whose text starts with it (accents and case aside),
// going round from the selected item.
void ListView::OnKeyPress(int& keyAscii) {
  Control::OnKeyPress(keyAscii);
  if (keyAscii > ' ') JumpToLetter(static_cast<char32_t>(keyAscii));
}

void ListView::JumpToLetter(char32_t letter) {
  const int count = ItemCount();
  const int start = m_selected ? m_selected->Index() : 0;
  const char32_t wanted = SortingBaseLetter(letter);
  for (int step = 0; step < count; ++step) {
    const int row = (start + step) % count;
    const std::u32string text = DecodeUtf8(m_items[static_cast<std::size_t>(row)]->Text());
    if (!text.empty() && SortingBaseLetter(text.front()) == wanted) {
      SelectFromKeyboard(row);
      return;
    }
  }
}

void ListView::OnGotFocus() {
  Invalidate();
  Control::OnGotFocus();
}

void ListView::OnLostFocus() {
  Invalidate();
  Control::OnLostFocus();
}

// The tip window's tool follows the row under the pointer and carries its ToolTipText; the tip
// window itself times the pop-up and hides when the pointer leaves the row.
void ListView::TrackToolTip(int row) {
  if (row == m_tipRow) return;
  m_tipRow = row;
  const std::string text =
      row >= 0 ? m_items[static_cast<std::size_t>(row)]->ToolTipText() : std::string();
  if (!m_tip && text.empty()) return;
  if (!m_tip) m_tip = std::make_unique<TooltipWindow>(GetDesktop(), hWnd(), TTS_NOPREFIX);
  m_tip->Activate(false);
  const Rect tool = row >= 0 ? ItemRect(row + 1).Intersect(RowsRect()) : Rect{};
  m_tip->AddTool(ToolInfo{TTF_SUBCLASS, hWnd(), kItemTipId, tool, text});
}

LRESULT ListView::WindowProc(const Message& message) {
  if (message.msg != WM_MOUSEWHEEL) return Control::WindowProc(message);
  const int rows = WheelDeltaOf(message.wParam) * kRowsPerWheelNotch / kWheelDelta;
  ScrollTo(m_topRow - rows);
  return 0;
}

}  // namespace qorvexctl::platform
