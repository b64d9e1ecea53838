// ListView: columns, items, sorting, layout and scrolling. Input is in ListView_input.cpp and
// painting in ListView_paint.cpp.

#include "qorvexctl/platform/widgets/ListView.h"

#include <algorithm>
#include <cstdlib>

#include "qorvexctl/base/Collation.h"
#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/base/Text.h"
#include "qorvexctl/platform/drawing/SystemColours.h"
#include "qorvexctl/platform/widgets/ImageList.h"
#include "qorvexctl/platform/widgets/ScrollBar.h"
#include "qorvexctl/platform/widgets/TooltipWindow.h"

namespace qorvexctl::platform {
namespace {

constexpr int kBorder = 2;  // the sunken edge
constexpr int kScrollBarWidth = 16;
constexpr int kErrIndexOutOfBounds = 35600;

[[noreturn]] void ThrowIndexOutOfBounds() {
  throw RuntimeError(kErrIndexOutOfBounds, "ListView", "Index out of bounds");
}

}  // namespace

ListView::ListView(Window& parent)
    : Control(parent.GetDesktop(), &parent),
      m_scrollBar(std::make_unique<ScrollBar>(*this, ScrollBarOrientation::Vertical)) {
  BackColor(SystemColour(COLOR_WINDOW));
  ForeColor(SystemColour(COLOR_WINDOWTEXT));
  m_scrollBar->SetCanTakeFocus(false);
  m_scrollBar->TabStop(false);
  m_scrollBar->Visible(false);
  m_scrollBar->Change.connect([this] { ScrollTo(m_scrollBar->Value()); });
  m_scrollBar->Scroll.connect([this] { ScrollTo(m_scrollBar->Value()); });
}

ListView::~ListView() = default;

// --- Columns.

ColumnHeader& ListView::AddColumn(std::string caption, int widthTwips) {
  m_columns.push_back(std::make_unique<ColumnHeader>(*this, std::move(caption), widthTwips));
  Invalidate();
  return *m_columns.back();
}

ColumnHeader& ListView::Column(int column) const {
  if (column < 0 || column >= ColumnCount()) ThrowIndexOutOfBounds();
  return *m_columns[static_cast<std::size_t>(column)];
}

std::vector<ColumnHeader*> ListView::Columns() const {
  std::vector<ColumnHeader*> out;
  for (const auto& c : m_columns) out.push_back(c.get());
  return out;
}

void ListView::ClearColumns() {
  m_sizingColumn = -1;
  m_pressedHeader = -1;
  m_columns.clear();
  Invalidate();
}

// --- Items.

ListItem& ListView::AddItem(std::string text, std::string smallIconKey) {
  auto item = std::make_unique<ListItem>(*this, std::move(text), std::move(smallIconKey));
  const std::size_t at = m_sorted ? SortedPosition(*item) : m_items.size();
  ListItem& added =
      **m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
  Renumber();
  UpdateScrollBar();
  Invalidate();
  return added;
}

ListItem& ListView::Item(int index) const {
  if (index < 1 || index > ItemCount()) ThrowIndexOutOfBounds();
  return *m_items[static_cast<std::size_t>(index - 1)];
}

std::vector<ListItem*> ListView::Items() const {
  std::vector<ListItem*> out;
  for (const auto& item : m_items) out.push_back(item.get());
  return out;
}

ListItem* ListView::ItemByKey(std::string_view key) const {
  const auto it = std::find_if(m_items.begin(), m_items.end(),
                               [key](const auto& item) { return EqualsNoCase(item->Key(), key); });
  return it == m_items.end() ? nullptr : it->get();
}

void ListView::ClearItems() {
  m_selected = nullptr;
  m_pressedRow = -1;
  TrackToolTip(-1);
  m_items.clear();
  m_topRow = 0;
  UpdateScrollBar();
  Invalidate();
}

void ListView::Renumber() {
  int index = 1;
  for (auto& item : m_items) item->m_index = index++;
}

// --- Sorting.

bool ListView::SortsBefore(const ListItem& a, const ListItem& b) const {
  const int order = CompareForSorting(a.ColumnText(m_sortKey), b.ColumnText(m_sortKey));
  return m_sortOrder == lvwDescending ? order > 0 : order < 0;
}

std::size_t ListView::SortedPosition(const ListItem& item) const {
  const auto at = std::upper_bound(
      m_items.begin(), m_items.end(), item,
      [this](const ListItem& a, const std::unique_ptr<ListItem>& b) { return SortsBefore(a, *b); });
  return static_cast<std::size_t>(at - m_items.begin());
}

void ListView::ItemTextChanged(ListItem& item, int column) {
  if (m_sorted && column == m_sortKey) {
    const auto at = std::find_if(m_items.begin(), m_items.end(),
                                 [&item](const auto& p) { return p.get() == &item; });
    std::unique_ptr<ListItem> moving = std::move(*at);
    m_items.erase(at);
    const std::size_t to = SortedPosition(*moving);
    m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(to), std::move(moving));
    Renumber();
  }
  Invalidate();
}

void ListView::Sort() {
  std::stable_sort(m_items.begin(), m_items.end(),
                   [this](const auto& a, const auto& b) { return SortsBefore(*a, *b); });
  Renumber();
  Invalidate();
}

void ListView::Sorted(bool value) {
  m_sorted = value;
  if (m_sorted) Sort();
}

void ListView::SortKey(int column) {
  if (column < 0 || column == m_sortKey) return;
  m_sortKey = column;
  if (m_sorted) Sort();
}

void ListView::SortOrder(int order) {
  if ((order != lvwAscending && order != lvwDescending) || order == m_sortOrder) return;
  m_sortOrder = order;
  if (m_sorted) Sort();
}

// --- Properties.

void ListView::SmallIcons(ImageList* images) {
  m_smallIcons = images;
  UpdateScrollBar();
  Invalidate();
}

void ListView::FullRowSelect(bool value) {
  m_fullRowSelect = value;
  Invalidate();
}

void ListView::HideSelection(bool value) {
  m_hideSelection = value;
  Invalidate();
}

void ListView::SelectedItem(ListItem* item) {
  if (item == m_selected) return;
  m_selected = item;
  Invalidate();
}

// --- Layout.

int ListView::RowHeight() const {
  const int icon = m_smallIcons ? m_smallIcons->ImageHeight() : 0;
  return std::max(icon, Font().Height()) + 1;
}

int ListView::HeaderHeight() const { return Font().Height() + 6; }

Rect ListView::InnerRect() const { return ClientRect().Inflate(-kBorder, -kBorder); }

Rect ListView::ViewRect() const {
  Rect view = InnerRect();
  if (m_scrollBar->Visible()) view.right = std::max(view.left, view.right - kScrollBarWidth);
  return view;
}

Rect ListView::RowsRect() const {
  Rect rows = ViewRect();
  rows.top = std::min(rows.bottom, rows.top + HeaderHeight());
  return rows;
}

int ListView::ColumnWidthPixels(int column) const {
  return TwipsToPixels(m_columns[static_cast<std::size_t>(column)]->Width());
}

int ListView::ColumnLeft(int column) const {
  int x = ViewRect().left;
  for (int c = 0; c < column; ++c) x += ColumnWidthPixels(c);
  return x;
}

Rect ListView::ItemRect(int index) const {
  const Rect rows = RowsRect();
  const int top = rows.top + (index - 1 - m_topRow) * RowHeight();
  return {rows.left, top, rows.right, top + RowHeight()};
}

Rect ListView::HeaderRect(int column) const {
  const Rect view = ViewRect();
  const int left = ColumnLeft(column);
  return {left, view.top, left + ColumnWidthPixels(column), view.top + HeaderHeight()};
}

int ListView::VisibleRowCount() const { return std::max(0, RowsRect().Height() / RowHeight()); }

int ListView::RowAt(Point p) const {
  const Rect rows = RowsRect();
  if (!rows.Contains(p.x, p.y)) return -1;
  const int row = m_topRow + (p.y - rows.top) / RowHeight();
  return row < ItemCount() ? row : -1;
}

int ListView::HeaderColumnAt(Point p) const {
  for (int c = 0; c < ColumnCount(); ++c) {
    if (HeaderRect(c).Intersect(ViewRect()).Contains(p.x, p.y)) return c;
  }
  return -1;
}

int ListView::DividerAt(Point p) const {
  constexpr int kReach = 3;
  const Rect view = ViewRect();
  if (p.y < view.top || p.y >= view.top + HeaderHeight()) return -1;
  int found = -1;
  for (int c = 0; c < ColumnCount(); ++c) {
    const int edge = ColumnLeft(c + 1);
    if (std::abs(p.x - edge) <= kReach) found = c;  // the last one: a column shrunk to nothing
  }
  return found;
}

ListItem* ListView::HitTest(float x, float y) const {
  const int row = RowAt({TwipsToPixels(x), TwipsToPixels(y)});
  return row < 0 ? nullptr : m_items[static_cast<std::size_t>(row)].get();
}

// --- Scrolling.

// The scroll bar shows when the rows do not all fit; its range is the first rows a full page
// can start at.
void ListView::UpdateScrollBar() {
  const Rect inner = InnerRect();
  const int visible = VisibleRowCount();
  const bool needed = ItemCount() > visible;
  m_scrollBar->SetBounds(
      {std::max(inner.left, inner.right - kScrollBarWidth), inner.top, inner.right, inner.bottom});
  m_scrollBar->LargeChange(std::max(1, visible));
  m_scrollBar->Max(std::max(0, ItemCount() - visible));
  if (needed != m_scrollBar->Visible()) {
    m_scrollBar->Visible(needed);
    Invalidate();
  }
  ScrollTo(m_topRow);
}

void ListView::ScrollTo(int topRow) {
  const int top = std::clamp(topRow, 0, std::max(0, ItemCount() - VisibleRowCount()));
  if (top == m_topRow && m_scrollBar->Value() == top) return;
  m_topRow = top;
  m_tipRow = -1;
  m_scrollBar->Value(top);
  Invalidate();
}

void ListView::EnsureVisible(int index) {
  const int row = index - 1;
  if (row < 0 || row >= ItemCount()) return;
  const int visible = std::max(1, VisibleRowCount());
  if (row < m_topRow) {
    ScrollTo(row);
  } else if (row >= m_topRow + visible) {
    ScrollTo(row - visible + 1);
  }
}

}  // namespace qorvexctl::platform
