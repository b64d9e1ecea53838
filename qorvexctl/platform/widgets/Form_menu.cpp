// Form: the menu bar and its drop-downs.

#include <algorithm>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Menu.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl::platform {

Menu& Form::MenuBar() {
  if (!m_menuBar) {
    m_menuBar = std::make_unique<Menu>(Name());
    m_menuBarWatch = m_menuBar->Changed.connect([this] {
      UpdateFrame();
      Invalidate();
    });
  }
  return *m_menuBar;
}

std::vector<Menu*> Form::BarItems() const {
  std::vector<Menu*> shown;
  if (!m_menuBar) return shown;
  for (Menu* item : m_menuBar->Items()) {
    if (item->Visible() && !item->IsSeparator()) shown.push_back(item);
  }
  return shown;
}

std::vector<MenuItemLook> Form::BarLooks() const {
  std::vector<MenuItemLook> looks;
  for (const Menu* item : BarItems()) {
    looks.push_back(MenuItemLook{
        .caption = item->Caption(), .enabled = item->Enabled(), .hot = item == m_droppedDown});
  }
  return looks;
}

Rect Form::BarRect() const {
  const Point client = ClientOffset();
  return {client.x, client.y - MenuBarHeight(Font()), client.x + ClientRect().Width(), client.y};
}

// Bar letters that no control of the form answers.
std::u32string Form::AccessKeys() const {
  std::u32string claimed;
  for (const Window* w : Controls()) {
    if (w->IsShown() && w->IsEnabledInTree()) claimed += w->AccessKeys();
  }
  std::u32string keys;
  for (const Menu* item : BarItems()) {
    const char32_t key = item->AccessKey();
    if (key && item->Enabled() && claimed.find(key) == std::u32string::npos) keys += key;
  }
  return keys;
}

void Form::OnAccessKeyPress(int keyAscii) {
  for (Menu* item : BarItems()) {
    if (item->Enabled() && item->AccessKey() == static_cast<char32_t>(keyAscii)) {
      DropDown(*item);
      return;
    }
  }
}

void Form::OnMouseDown(int button, int shift, Point p) {
  const Point inWindow{p.x + ClientOffset().x, p.y + ClientOffset().y};
  if (button != vbLeftButton || BarItems().empty() || !BarRect().Contains(inWindow.x, inWindow.y)) {
    Control::OnMouseDown(button, shift, p);
    return;
  }
  const std::vector<Menu*> items = BarItems();
  const std::vector<Rect> layout = LayOutMenuBar(BarLooks(), Font(), BarRect());
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i]->Enabled() && layout[i].Contains(inWindow.x, inWindow.y)) DropDown(*items[i]);
  }
}

// The bar item raises Click first; one with items then drops them down below itself.
void Form::DropDown(Menu& item) {
  const std::vector<Menu*> items = BarItems();
  const std::vector<Rect> layout = LayOutMenuBar(BarLooks(), Font(), BarRect());
  const auto it = std::find(items.begin(), items.end(), &item);
  if (it == items.end()) return;
  const Rect r = layout[static_cast<std::size_t>(it - items.begin())];
  item.Click();
  if (!item.HasSubItems()) return;
  m_droppedDown = &item;
  Invalidate();
  GetDesktop().PopupMenu(item, nullptr, Point{Bounds().left + r.left, Bounds().top + r.bottom});
  m_droppedDown = nullptr;
  Invalidate();
}

}  // namespace qorvexctl::platform
