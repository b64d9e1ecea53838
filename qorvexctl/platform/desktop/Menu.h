#pragma once
// A menu item that may own sub-items: the menus of forms and the popup menus controls show.
// Captions carry "&" access keys ("&Colar" answers C); a caption of "-" makes a separator.
// Items of one name told apart by an index form an item array (mnuRecent(0), mnuRecent(1),
// ...), like the classic control arrays. An item raises Click when the user chooses it.
//
// A menu owns its sub-items; a pointer to an item stays valid until the item is removed.
// Desktop::PopupMenu shows a menu's visible sub-items as a popup.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/base/Event.h"
#include "qorvexctl/platform/drawing/Geometry.h"

namespace qorvexctl::platform {

// Flags of PopupMenu: where the menu stands relative to the point, and which mouse buttons
// choose an item (the left one always).
enum PopupMenuConstants : int {
  vbPopupMenuLeftAlign = 0,
  vbPopupMenuLeftButton = 0,
  vbPopupMenuRightButton = 2,
  vbPopupMenuCenterAlign = 4,
  vbPopupMenuRightAlign = 8,
};

// The error raised when an item array element is added twice.
inline constexpr int kErrObjectAlreadyLoaded = 360;

class Window;

class Menu {
 public:
  explicit Menu(std::string name, std::string caption = {});
  ~Menu();
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;

  // Adds a sub-item at the end. With an index the item is element `index` of the item array
  // `name`. A name (and index) already present raises RuntimeError 360.
  Menu& Add(std::string name, std::string caption, std::optional<int> index = std::nullopt);
  // Removes a direct sub-item; false when there is none with this name (and index).
  bool Remove(std::string_view name, std::optional<int> index = std::nullopt);
  // The item with this name, searched depth first among the sub-items; without an index the
  // first of that name, whatever its index. nullptr when there is none.
  Menu* Item(std::string_view name, std::optional<int> index = std::nullopt);
  // The direct sub-items in display order.
  std::vector<Menu*> Items() const;
  // The item reached by a path of captions ("&" ignored) or names, separated by "|":
  // "&Editar|Colar" or "mnu_paste". nullptr when a step is not found.
  Menu* Find(std::string_view path);
  // The menu this item belongs to, or nullptr for a menu of its own.
  Menu* Parent() const { return m_parent; }

  const std::string& Name() const { return m_name; }
  // The element's index in its item array, or -1 for an item that is not in one.
  int Index() const { return m_index; }
  const std::string& Caption() const { return m_caption; }
  void Caption(std::string value);
  bool Checked() const { return m_checked; }
  void Checked(bool value);
  bool Enabled() const { return m_enabled; }
  void Enabled(bool value);
  bool Visible() const { return m_visible; }
  void Visible(bool value);

  bool IsSeparator() const { return m_caption == "-"; }
  bool HasSubItems() const { return !m_items.empty(); }
  // The access key of the caption in lower case, or 0.
  char32_t AccessKey() const;
  // Whether a user can choose this item of `root` now: a visible, enabled item that is not a
  // separator and opens no submenu, inside visible, enabled menus up to `root`.
  bool IsChoosableIn(const Menu& root) const;

  Event<> Click;
  // Raised on an item and on every menu above it when the item or anything below it changes
  // (caption, state, sub-items added or removed), so an open popup can show it.
  Event<> Changed;

 private:
  Menu* FindStep(std::string_view step);
  void NotifyChanged();
  template <typename T>
  void Set(T& field, T value);

  std::string m_name;
  std::string m_caption;
  int m_index{-1};
  bool m_checked{false};
  bool m_enabled{true};
  bool m_visible{true};
  Menu* m_parent{nullptr};
  std::vector<std::unique_ptr<Menu>> m_items;
};

// Where a window's PopupMenu(menu, flags, x, y) shows a menu, in screen pixels: x and y are
// in the window's scale units (`unitsPerPixelX` and `unitsPerPixelY` of them make a pixel)
// from its client area; a coordinate left out is the pointer's.
Point PopupPoint(const Window& owner, std::optional<double> x, std::optional<double> y,
                 double unitsPerPixelX, double unitsPerPixelY);

}  // namespace qorvexctl::platform
