#pragma once
// The list view in report view: a header row of column buttons over rows of items, each row
// an optional small icon, the item's text and its sub-items, one column each. One item at a
// time is selected, by a click, by the keyboard (arrows, Home, End, PageUp, PageDown) or by
// code. A vertical scroll bar appears when the rows do not fit.
//
// Columns are numbered from 0 (the items' own text), as SortKey and ColumnClick count them;
// column i > 0 shows SubItem(i). Items are numbered from 1, as Index and Item count them.
//
// A click on a header raises ColumnClick and sorts nothing: the host decides, typically by
// setting SortKey and SortOrder and Sorted = true. Sorting compares the column's texts
// without regard to case (accents only break ties) and keeps equal items in their order.
// While Sorted is true, an added item, or one whose text in the sort column changes, takes its
// place in the order (after the items equal to it).
//
// Dragging the divider at a header button's right edge resizes that column.
//
// Events on a click of a row: MouseDown (the row is selected), MouseUp, ItemClick, Click.
// A double click raises DblClick after the row is selected. Moving the selection with the
// keyboard raises ItemClick as well.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/platform/widgets/Control.h"
#include "qorvexctl/platform/widgets/ListItem.h"

namespace qorvexctl::platform {

class ImageList;
class ScrollBar;
class TooltipWindow;

enum ListSortOrderConstants : int { lvwAscending = 0, lvwDescending = 1 };

class ListView : public Control {
 public:
  explicit ListView(Window& parent);
  ~ListView() override;
  std::string TypeName() const override { return "ListView"; }

  Event<ListItem&> ItemClick;
  Event<int> ColumnClick;  // column, from 0

  // --- Columns.
  ColumnHeader& AddColumn(std::string caption, int widthTwips = 1440);
  int ColumnCount() const { return static_cast<int>(m_columns.size()); }
  // The column from 0; throws RuntimeError 35600 outside the columns.
  ColumnHeader& Column(int column) const;
  std::vector<ColumnHeader*> Columns() const;
  void ClearColumns();

  // --- Items.
  ListItem& AddItem(std::string text, std::string smallIconKey = {});
  int ItemCount() const { return static_cast<int>(m_items.size()); }
  // The item from 1; throws RuntimeError 35600 outside the items.
  ListItem& Item(int index) const;
  std::vector<ListItem*> Items() const;
  // The first item whose Key matches without regard to case, or nullptr.
  ListItem* ItemByKey(std::string_view key) const;
  void ClearItems();

  // --- Selection and scrolling.
  ListItem* SelectedItem() const { return m_selected; }
  // Selects `item` (nullptr: nothing); raises no event.
  void SelectedItem(ListItem* item);
  // Scrolls the least needed to show the item with this index (from 1) whole.
  void EnsureVisible(int index);
  // The index (from 1) of the first row shown; 0 when the list is empty.
  int TopIndex() const { return m_items.empty() ? 0 : m_topRow + 1; }
  // The item under a point in twips of the control, or nullptr.
  ListItem* HitTest(float x, float y) const;

  // --- Properties.
  ImageList* SmallIcons() const { return m_smallIcons; }
  void SmallIcons(ImageList* images);
  bool Sorted() const { return m_sorted; }
  void Sorted(bool value);
  int SortKey() const { return m_sortKey; }
  void SortKey(int column);
  int SortOrder() const { return m_sortOrder; }
  void SortOrder(int order);
  // The highlight spans the whole row instead of the item's text only.
  bool FullRowSelect() const { return m_fullRowSelect; }
  void FullRowSelect(bool value);
  // Whether the selection's highlight is hidden while the list does not have the focus.
  bool HideSelection() const { return m_hideSelection; }
  void HideSelection(bool value);

  // --- Geometry in client pixels (what the user sees, for painting and tests).
  int RowHeight() const;
  int HeaderHeight() const;
  // The rectangle of a row (index from 1), whether or not it is scrolled into view.
  Rect ItemRect(int index) const;
  // The header button of a column (from 0).
  Rect HeaderRect(int column) const;
  // Rows that fit whole between the header and the bottom edge.
  int VisibleRowCount() const;
  ScrollBar& VerticalScrollBar() const { return *m_scrollBar; }

  bool CanTakeFocus() const override { return true; }

 protected:
  // The wheel scrolls the rows; everything else goes to the control.
  LRESULT WindowProc(const Message& message) override;
  void OnPaint(Canvas& canvas) override;
  void OnMouseDown(int button, int shift, Point p) override;
  void OnMouseMove(int buttons, int shift, Point p) override;
  void OnMouseUp(int button, int shift, Point p) override;
  void OnDoubleClick(int button, int shift, Point p) override;
  void OnKeyDown(int& keyCode, int shift) override;
  void OnKeyPress(int& keyAscii) override;
  bool ClicksOnRelease() const override { return false; }
  void OnResize() override { UpdateScrollBar(); }
  void OnGotFocus() override;
  void OnLostFocus() override;

 private:
  friend class ListItem;
  // An item's text in `column` changed: a sorted list moves it to its place; repaints.
  void ItemTextChanged(ListItem& item, int column);
  void Sort();
  void Renumber();
  // Where an item goes to keep the order while Sorted.
  std::size_t SortedPosition(const ListItem& item) const;
  bool SortsBefore(const ListItem& a, const ListItem& b) const;

  // Layout.
  Rect InnerRect() const;  // inside the border
  Rect ViewRect() const;   // inside the border, left of the scroll bar
  Rect RowsRect() const;   // the rows' area, below the header
  int ColumnLeft(int column) const;
  int ColumnWidthPixels(int column) const;
  // The row (from 0) under a client point, -1 for none; the header column, -1 for none.
  int RowAt(Point p) const;
  int HeaderColumnAt(Point p) const;
  // The column whose right edge in the header is within reach of the pointer, -1 for none.
  int DividerAt(Point p) const;
  void ResizeColumnTo(int x);
  void UpdateScrollBar();
  void ScrollTo(int topRow);

  // Input.
  void SelectRow(int row);
  int RowForKey(int keyCode) const;
  void SelectFromKeyboard(int row);
  void JumpToLetter(char32_t letter);
  void TrackToolTip(int row);

  // Painting (ListView_paint.cpp).
  void PaintHeader(Canvas& canvas) const;
  void PaintRows(Canvas& canvas) const;
  void PaintRow(Canvas& canvas, int row) const;
  void PaintCell(Canvas& canvas, const ListItem& item, int column, const Rect& cell,
                 bool highlighted) const;
  int IconAreaWidth() const;
  Rect HighlightRect(const ListItem& item, const Rect& row) const;
  bool ShowsHighlight() const;

  std::vector<std::unique_ptr<ColumnHeader>> m_columns;
  std::vector<std::unique_ptr<ListItem>> m_items;
  ListItem* m_selected{nullptr};
  ImageList* m_smallIcons{nullptr};
  bool m_sorted{false};
  int m_sortKey{0};
  int m_sortOrder{lvwAscending};
  bool m_fullRowSelect{false};
  bool m_hideSelection{true};
  int m_topRow{0};            // first row shown, from 0
  bool m_listPressed{false};  // the left button went down on the rows' side of the list
  int m_pressedRow{-1};       // row under the left button's press
  int m_pressedHeader{-1};    // header button held down
  int m_sizingColumn{-1};     // column whose divider is being dragged
  int m_sizingGrabX{0};       // pointer offset from the divider when the drag began
  int m_tipRow{-1};           // row whose tooltip the tip window holds
  std::unique_ptr<ScrollBar> m_scrollBar;
  std::unique_ptr<TooltipWindow> m_tip;
};

}  // namespace qorvexctl::platform
