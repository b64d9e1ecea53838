#include "qorvexctl/platform/widgets/ListItem.h"

#include <algorithm>

#include "qorvexctl/platform/widgets/ListView.h"

namespace qorvexctl::platform {

ColumnHeader::ColumnHeader(ListView& owner, std::string text, int widthTwips)
    : m_owner(owner), m_text(std::move(text)), m_width(std::max(0, widthTwips)) {}

void ColumnHeader::Text(std::string value) {
  if (value == m_text) return;
  m_text = std::move(value);
  m_owner.Invalidate();
}

void ColumnHeader::Width(int twips) {
  if (twips < 0 || twips == m_width) return;
  m_width = twips;
  m_owner.Invalidate();
}

ListItem::ListItem(ListView& owner, std::string text, std::string smallIconKey)
    : m_owner(owner), m_text(std::move(text)), m_smallIcon(std::move(smallIconKey)) {}

void ListItem::Text(std::string value) {
  if (value == m_text) return;
  m_text = std::move(value);
  m_owner.ItemTextChanged(*this, 0);
}

std::string ListItem::SubItem(int index) const {
  if (index < 1 || index > static_cast<int>(m_subItems.size())) return {};
  return m_subItems[static_cast<std::size_t>(index - 1)];
}

void ListItem::SetSubItem(int index, std::string text) {
  if (index < 1) return;
  if (index > static_cast<int>(m_subItems.size()))
    m_subItems.resize(static_cast<std::size_t>(index));
  m_subItems[static_cast<std::size_t>(index - 1)] = std::move(text);
  m_owner.ItemTextChanged(*this, index);
}

std::string ListItem::ColumnText(int column) const {
  return column == 0 ? m_text : SubItem(column);
}

void ListItem::SmallIcon(std::string key) {
  if (key == m_smallIcon) return;
  m_smallIcon = std::move(key);
  m_owner.Invalidate();
}

bool ListItem::Selected() const { return m_owner.SelectedItem() == this; }

void ListItem::Selected(bool value) {
  if (value) {
    m_owner.SelectedItem(this);
  } else if (Selected()) {
    m_owner.SelectedItem(nullptr);
  }
}

void ListItem::EnsureVisible() { m_owner.EnsureVisible(m_index); }

}  // namespace qorvexctl::platform
