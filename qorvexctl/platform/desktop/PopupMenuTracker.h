#pragma once
// Runs a shown popup menu: its levels (the menu and the submenus opened from it, each a
// PopupMenuWindow), the hot items, the keyboard and the mouse, and the outcome: the chosen
// item, or none when the menu was dismissed.
//
// Keyboard: Up and Down move the highlight over enabled items (wrapping), Home and End jump,
// Right or Enter opens a submenu, Left or Escape closes one (Escape on the first level
// dismisses the menu), Enter chooses the hot item, an access letter chooses its item (or
// moves between items sharing the letter). Mouse: hovering highlights and opens submenus,
// releasing the button over an item chooses it, a press outside every level dismisses.
// The first level holds the mouse capture while the menu is open.

#include <memory>
#include <vector>

#include "qorvexctl/base/Event.h"
#include "qorvexctl/platform/desktop/Messages.h"
#include "qorvexctl/platform/drawing/Geometry.h"

namespace qorvexctl::platform {

class Desktop;
class Menu;
class PopupMenuWindow;

class PopupMenuTracker {
 public:
  // `flags` are PopupMenuConstants: alignment and the buttons that choose.
  PopupMenuTracker(Desktop& desktop, Menu& menu, Menu* defaultItem, int flags);
  ~PopupMenuTracker();
  PopupMenuTracker(const PopupMenuTracker&) = delete;
  PopupMenuTracker& operator=(const PopupMenuTracker&) = delete;

  // Shows the first level at a screen point; false (and nothing shown) when the menu has no
  // visible items.
  bool Open(Point screen);
  bool IsOpen() const { return m_open; }
  // The chosen item once the menu has closed with a choice, else nullptr.
  Menu* Chosen() const { return m_chosen; }
  // Closes the menu with `item` when a user could choose it now, else as dismissed.
  void Choose(Menu* item);
  void Cancel() { Finish(nullptr); }
  // The open levels, the first level first.
  const std::vector<std::unique_ptr<PopupMenuWindow>>& Levels() const { return m_levels; }

  // Input from the level windows (screen pixels).
  void KeyDown(int keyCode);
  void KeyPress(char32_t character);
  void MouseMove(Point screen);
  void MouseDown(Point screen, int button);
  void MouseUp(Point screen, int button);

 private:
  PopupMenuWindow& Innermost() const { return *m_levels.back(); }
  PopupMenuWindow& AddLevel(Menu& menu);
  // Opens the submenu of `item` on `level`, closing deeper levels first.
  void OpenSubmenu(std::size_t level, Menu& item, bool highlightFirst);
  void CloseLevelsAbove(std::size_t level);
  // Enter or an access letter on an item: opens its submenu or chooses it.
  void Activate(Menu& item);
  void AccessLetter(char32_t key);
  // The level (index) and item under a screen point; level -1 when outside every level.
  struct Hit {
    int level = -1;
    Menu* item = nullptr;
  };
  Hit HitTest(Point screen) const;
  void Finish(Menu* chosen);
  // Shows a change of the menu: levels take their items again, and a submenu whose item
  // went away (or was hidden or disabled) closes.
  void MenuChanged();

  Desktop& m_desktop;
  Menu& m_menu;
  Menu* m_default;
  int m_flags;
  std::vector<std::unique_ptr<PopupMenuWindow>> m_levels;
  bool m_open{false};
  Menu* m_chosen{nullptr};
  HWND m_previousCapture{0};
  ScopedConnection m_changeWatch;
};

}  // namespace qorvexctl::platform
