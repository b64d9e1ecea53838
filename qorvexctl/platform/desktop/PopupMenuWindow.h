#pragma once
// One level of a shown popup menu: a topmost window listing the visible sub-items of a menu,
// with a hot item. It never takes the focus or activation; the keys and mouse input that
// reach it go to the tracker that runs the whole popup (PopupMenuTracker), which also places
// it on the screen.

#include <string>
#include <vector>

#include "qorvexctl/platform/desktop/MenuPainter.h"
#include "qorvexctl/platform/desktop/Window.h"

namespace qorvexctl::platform {

class Menu;
class PopupMenuTracker;

class PopupMenuWindow final : public Window {
 public:
  // A hidden level showing `menu`'s visible sub-items, `defaultItem` in bold.
  PopupMenuWindow(Desktop& desktop, PopupMenuTracker& tracker, Menu& menu, Menu* defaultItem);
  std::string TypeName() const override { return "PopupMenu"; }
  std::string WindowText() const override;

  Menu& Source() const { return m_menu; }
  // The item shown in bold, or nullptr.
  Menu* DefaultItem() const { return m_default; }
  // Takes the menu's items again after a change, keeping the hot item when it is still
  // selectable; the window keeps its top-left corner and takes the size the items need.
  void Reload();
  // The items shown, in order: the menu's visible sub-items when the level opened.
  const std::vector<Menu*>& ShownItems() const { return m_items; }
  // The window size the items need.
  Size PreferredSize() const { return m_layout.size; }
  // An item's rectangle in client pixels; empty for an item not shown here.
  Rect ItemRect(const Menu* item) const;
  // The shown item at a client point (separators included), or nullptr.
  Menu* ItemAt(Point client) const;

  // The highlighted item, or nullptr.
  Menu* HotItem() const { return m_hot; }
  void HotItem(Menu* item);
  // Whether an item can be highlighted: shown here, enabled and not a separator.
  bool Selectable(const Menu* item) const;
  // The selectable item after (or before) the hot item, wrapping around; from no hot item,
  // the first (or last) one. nullptr when nothing is selectable.
  Menu* NextSelectable(bool down) const;
  // The selectable items whose access key is `key` (lower case).
  std::vector<Menu*> ItemsWithAccessKey(char32_t key) const;

  bool WantsKey(int /*keyCode*/) const override { return true; }
  bool TakesActivation() const override { return false; }

 protected:
  void OnPaint(Canvas& canvas) override;
  void OnMouseDown(int button, int shift, Point p) override;
  void OnMouseUp(int button, int shift, Point p) override;
  void OnMouseMove(int buttons, int shift, Point p) override;
  void OnKeyDown(int& keyCode, int shift) override;
  void OnKeyPress(int& keyAscii) override;

 private:
  std::vector<MenuItemLook> Looks() const;
  void TakeItems();
  int IndexOf(const Menu* item) const;

  PopupMenuTracker& m_tracker;
  Menu& m_menu;
  Menu* m_default;
  std::vector<Menu*> m_items;
  MenuLayout m_layout;
  Menu* m_hot{nullptr};
};

}  // namespace qorvexctl::platform
