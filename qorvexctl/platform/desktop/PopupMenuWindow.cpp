#include "qorvexctl/platform/desktop/PopupMenuWindow.h"

#include <algorithm>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Menu.h"
#include "qorvexctl/platform/desktop/PopupMenuTracker.h"

namespace qorvexctl::platform {

PopupMenuWindow::PopupMenuWindow(Desktop& desktop, PopupMenuTracker& tracker, Menu& menu,
                                 Menu* defaultItem)
    : Window(desktop), m_tracker(tracker), m_menu(menu), m_default(defaultItem) {
  Visible(false);
  TopMost(true);
  TabStop(false);
  TakeItems();
}

void PopupMenuWindow::TakeItems() {
  m_items.clear();
  for (Menu* item : m_menu.Items()) {
    if (item->Visible()) m_items.push_back(item);
  }
  m_layout = LayOutMenu(Looks(), Font());
}

// Items are compared by address only until they are found among the menu's items again, so
// an item removed meanwhile is never touched.
void PopupMenuWindow::Reload() {
  TakeItems();
  if (!Selectable(m_hot)) m_hot = nullptr;
  const Rect b = Bounds();
  SetBounds(Rect::FromSize(b.left, b.top, m_layout.size.width, m_layout.size.height));
  Invalidate();
}

std::string PopupMenuWindow::WindowText() const { return m_menu.Name(); }

int PopupMenuWindow::IndexOf(const Menu* item) const {
  auto it = std::find(m_items.begin(), m_items.end(), item);
  return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

Rect PopupMenuWindow::ItemRect(const Menu* item) const {
  const int i = IndexOf(item);
  return i < 0 ? Rect{} : m_layout.items[static_cast<std::size_t>(i)];
}

Menu* PopupMenuWindow::ItemAt(Point client) const {
  for (std::size_t i = 0; i < m_items.size(); ++i) {
    if (m_layout.items[i].Contains(client.x, client.y)) return m_items[i];
  }
  return nullptr;
}

void PopupMenuWindow::HotItem(Menu* item) {
  if (item == m_hot) return;
  m_hot = item;
  Invalidate();
}

bool PopupMenuWindow::Selectable(const Menu* item) const {
  return item && IndexOf(item) >= 0 && item->Enabled() && !item->IsSeparator();
}

Menu* PopupMenuWindow::NextSelectable(bool down) const {
  const int count = static_cast<int>(m_items.size());
  const int start = IndexOf(m_hot);
  const int step = down ? 1 : -1;
  int i = start < 0 ? (down ? -1 : count) : start;
  for (int tried = 0; tried < count; ++tried) {
    i = ((i + step) % count + count) % count;
    if (Selectable(m_items[static_cast<std::size_t>(i)]))
      return m_items[static_cast<std::size_t>(i)];
  }
  return nullptr;
}

std::vector<Menu*> PopupMenuWindow::ItemsWithAccessKey(char32_t key) const {
  std::vector<Menu*> out;
  for (Menu* item : m_items) {
    if (Selectable(item) && item->AccessKey() == key) out.push_back(item);
  }
  return out;
}

std::vector<MenuItemLook> PopupMenuWindow::Looks() const {
  std::vector<MenuItemLook> looks;
  looks.reserve(m_items.size());
  for (const Menu* item : m_items) {
    looks.push_back(MenuItemLook{.caption = item->Caption(),
                                 .separator = item->IsSeparator(),
                                 .checked = item->Checked(),
                                 .enabled = item->Enabled(),
                                 .isDefault = item == m_default,
                                 .hasSubmenu = item->HasSubItems(),
                                 .hot = item == m_hot});
  }
  return looks;
}

void PopupMenuWindow::OnPaint(Canvas& canvas) { PaintMenu(canvas, m_layout, Looks(), Font()); }

void PopupMenuWindow::OnMouseDown(int button, int /*shift*/, Point p) {
  m_tracker.MouseDown(ClientToScreen(p), button);
}

void PopupMenuWindow::OnMouseUp(int button, int /*shift*/, Point p) {
  m_tracker.MouseUp(ClientToScreen(p), button);
}

void PopupMenuWindow::OnMouseMove(int /*buttons*/, int /*shift*/, Point p) {
  m_tracker.MouseMove(ClientToScreen(p));
}

void PopupMenuWindow::OnKeyDown(int& keyCode, int /*shift*/) { m_tracker.KeyDown(keyCode); }

void PopupMenuWindow::OnKeyPress(int& keyAscii) {
  m_tracker.KeyPress(static_cast<char32_t>(keyAscii));
}

}  // namespace qorvexctl::platform
