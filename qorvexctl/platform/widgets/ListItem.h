#pragma once
// The rows and column headers of a list view. Both belong to their list view, which creates
// them (ListView::AddItem, ListView::AddColumn) and repaints when one of them changes.

#include <string>
#include <vector>

namespace qorvexctl::platform {

class ListView;

// One column of the report view: its caption and width in twips.
class ColumnHeader {
 public:
  ColumnHeader(ListView& owner, std::string text, int widthTwips);

  const std::string& Text() const { return m_text; }
  void Text(std::string value);
  int Width() const { return m_width; }
  void Width(int twips);

 private:
  ListView& m_owner;
  std::string m_text;
  int m_width;
};

// One row: the item's text (the first column), the sub-items of the other columns, the key of
// its small icon in the list's image list, and the values a host keeps with it.
class ListItem {
 public:
  ListItem(ListView& owner, std::string text, std::string smallIconKey);

  const std::string& Text() const { return m_text; }
  void Text(std::string value);
  // Sub-items are numbered from 1 (SubItem(1) is the second column); "" when not set.
  std::string SubItem(int index) const;
  void SetSubItem(int index, std::string text);
  // The text shown in a column: 0 the item's text, i its SubItem(i).
  std::string ColumnText(int column) const;

  const std::string& SmallIcon() const { return m_smallIcon; }
  void SmallIcon(std::string key);
  const std::string& Key() const { return m_key; }
  void Key(std::string value) { m_key = std::move(value); }
  const std::string& Tag() const { return m_tag; }
  void Tag(std::string value) { m_tag = std::move(value); }
  const std::string& ToolTipText() const { return m_toolTipText; }
  void ToolTipText(std::string value) { m_toolTipText = std::move(value); }

  // Whether this is the list's selected item; selecting it deselects the one before.
  bool Selected() const;
  void Selected(bool value);
  // The position in the list, from 1.
  int Index() const { return m_index; }
  // Scrolls the list until the item is in view.
  void EnsureVisible();

 private:
  friend class ListView;
  ListView& m_owner;
  std::string m_text;
  std::vector<std::string> m_subItems;
  std::string m_smallIcon;
  std::string m_key;
  std::string m_tag;
  std::string m_toolTipText;
  int m_index{0};
};

}  // namespace qorvexctl::platform
