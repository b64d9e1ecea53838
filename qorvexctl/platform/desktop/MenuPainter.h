#pragma once
// The looks of a popup menu level, apart from its behaviour: the classic raised menu in the
// menu face colour, one line per item with its "&" access letter underlined, a check mark
// column on the left, an arrow for items that open a submenu, the default item in bold,
// disabled items greyed (embossed), separators as a sunken rule, and the hot item in the
// highlight colours. A form's menu bar shows its items the same way, in one row.

#include <string>
#include <vector>

#include "qorvexctl/platform/drawing/Font.h"
#include "qorvexctl/platform/drawing/Geometry.h"

namespace qorvexctl::platform {

class Canvas;

// What one item shows.
struct MenuItemLook {
  std::string caption{};
  bool separator = false;
  bool checked = false;
  bool enabled = true;
  bool isDefault = false;
  bool hasSubmenu = false;
  bool hot = false;
};

// Where the items go, in window pixels, and the size of the window that shows them.
struct MenuLayout {
  Size size{};
  std::vector<Rect> items{};
};

MenuLayout LayOutMenu(const std::vector<MenuItemLook>& items, const Font& font);

// Paints the menu on a canvas the size of layout.size.
void PaintMenu(Canvas& canvas, const MenuLayout& layout, const std::vector<MenuItemLook>& items,
               const Font& font);

// A form's menu bar: one row of items across `bar` (window pixels), each as wide as its
// caption with padding. The hot item is the one whose drop-down is open, drawn pushed in.
int MenuBarHeight(const Font& font);
std::vector<Rect> LayOutMenuBar(const std::vector<MenuItemLook>& items, const Font& font,
                                const Rect& bar);
void PaintMenuBar(Canvas& canvas, const Rect& bar, const std::vector<Rect>& layout,
                  const std::vector<MenuItemLook>& items, const Font& font);

}  // namespace qorvexctl::platform
