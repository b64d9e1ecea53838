#include "qorvexctl/platform/desktop/PopupMenuTracker.h"

#include <algorithm>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Menu.h"
#include "qorvexctl/platform/desktop/PopupMenuWindow.h"

namespace qorvexctl::platform {
namespace {

constexpr int kSubmenuOverlap = 3;  // a submenu covers its parent's frame

// Keeps a rectangle on the screen, moving it as little as possible.
Rect KeepOnScreen(Rect r, Size screen) {
  const int dx = std::max(0, -r.left) - std::max(0, std::min(r.left, r.right - screen.width));
  const int dy = std::max(0, -r.top) - std::max(0, std::min(r.top, r.bottom - screen.height));
  return r.Offset(dx, dy);
}

// The first level stands right of the point (or centred on it, or left of it, by the flags)
// and below it; where the screen ends it opens to the other side instead.
Rect PlaceFirstLevel(Point at, Size size, int flags, Size screen) {
  int left = at.x;
  if (flags & vbPopupMenuCenterAlign) left = at.x - size.width / 2;
  if (flags & vbPopupMenuRightAlign) left = at.x - size.width;
  if (left + size.width > screen.width) left = at.x - size.width;
  const int top = at.y + size.height > screen.height ? at.y - size.height : at.y;
  return KeepOnScreen(Rect::FromSize(left, top, size.width, size.height), screen);
}

// A submenu opens to the right of its parent level, level with its item, or to the left
// when there is no room on the right.
Rect PlaceSubmenu(const Rect& parent, const Rect& item, Size size, Size screen) {
  int left = parent.right - kSubmenuOverlap;
  if (left + size.width > screen.width) left = parent.left - size.width + kSubmenuOverlap;
  return KeepOnScreen(Rect::FromSize(left, item.top - kSubmenuOverlap, size.width, size.height),
                      screen);
}

void Show(PopupMenuWindow& level, const Rect& screenBounds) {
  level.SetBounds(screenBounds);
  level.Visible(true);
  level.ZOrder(0);
}

}  // namespace

PopupMenuTracker::PopupMenuTracker(Desktop& desktop, Menu& menu, Menu* defaultItem, int flags)
    : m_desktop(desktop), m_menu(menu), m_default(defaultItem), m_flags(flags) {
  m_changeWatch = menu.Changed.connect([this] { MenuChanged(); });
}

PopupMenuTracker::~PopupMenuTracker() { Finish(m_chosen); }

bool PopupMenuTracker::Open(Point screen) {
  PopupMenuWindow& first = AddLevel(m_menu);
  if (first.ShownItems().empty()) {
    m_levels.clear();
    return false;
  }
  Show(first, PlaceFirstLevel(screen, first.PreferredSize(), m_flags, m_desktop.ScreenSize()));
  m_open = true;
  m_previousCapture = m_desktop.Capture() ? m_desktop.Capture()->hWnd() : 0;
  m_desktop.SetCapture(first.hWnd());
  return true;
}

PopupMenuWindow& PopupMenuTracker::AddLevel(Menu& menu) {
  m_levels.push_back(std::make_unique<PopupMenuWindow>(m_desktop, *this, menu, m_default));
  return *m_levels.back();
}

void PopupMenuTracker::Choose(Menu* item) {
  if (!m_open) return;
  Finish(item && item->IsChoosableIn(m_menu) ? item : nullptr);
}

void PopupMenuTracker::Finish(Menu* chosen) {
  if (!m_open) return;
  m_open = false;
  m_chosen = chosen;
  for (const auto& level : m_levels) level->Visible(false);
  if (m_desktop.Capture() == m_levels.front().get()) {
    m_desktop.ReleaseCapture();
    if (m_desktop.FromHandle(m_previousCapture)) m_desktop.SetCapture(m_previousCapture);
  }
}

void PopupMenuTracker::MenuChanged() {
  if (!m_open) return;
  for (std::size_t i = 0; i < m_levels.size(); ++i) {
    PopupMenuWindow& level = *m_levels[i];
    level.Reload();
    level.SetBounds(KeepOnScreen(level.Bounds(), m_desktop.ScreenSize()));
    const bool submenuGone =
        i + 1 < m_levels.size() &&
        (!level.Selectable(&m_levels[i + 1]->Source()) || !m_levels[i + 1]->Source().HasSubItems());
    if (submenuGone) CloseLevelsAbove(i);
  }
  if (m_levels.front()->ShownItems().empty()) Cancel();
}

void PopupMenuTracker::OpenSubmenu(std::size_t level, Menu& item, bool highlightFirst) {
  CloseLevelsAbove(level);
  PopupMenuWindow& parent = *m_levels[level];
  parent.HotItem(&item);
  PopupMenuWindow& sub = AddLevel(item);
  if (sub.ShownItems().empty()) {
    m_levels.pop_back();
    return;
  }
  const Point origin = parent.ClientToScreen({0, 0});
  const Rect itemOnScreen = parent.ItemRect(&item).Offset(origin.x, origin.y);
  Show(sub, PlaceSubmenu(parent.ScreenBounds(), itemOnScreen, sub.PreferredSize(),
                         m_desktop.ScreenSize()));
  if (highlightFirst) sub.HotItem(sub.NextSelectable(true));
}

void PopupMenuTracker::CloseLevelsAbove(std::size_t level) {
  while (m_levels.size() > level + 1) m_levels.pop_back();
}

void PopupMenuTracker::Activate(Menu& item) {
  if (item.HasSubItems()) {
    OpenSubmenu(m_levels.size() - 1, item, true);
  } else {
    Choose(&item);
  }
}

void PopupMenuTracker::AccessLetter(char32_t key) {
  PopupMenuWindow& level = Innermost();
  const std::vector<Menu*> matches = level.ItemsWithAccessKey(LowerChar(key));
  if (matches.size() == 1) {
    Activate(*matches.front());
  } else if (!matches.empty()) {
    // Several items share the letter: each press highlights the next of them.
    auto it = std::find(matches.begin(), matches.end(), level.HotItem());
    level.HotItem(it == matches.end() || it + 1 == matches.end() ? matches.front() : *(it + 1));
  }
}

// Keys that make a character (Enter, Escape, letters) act on that character, so it is taken
// here and never reaches the window that has the focus under the menu.
void PopupMenuTracker::KeyDown(int keyCode) {
  if (!m_open) return;
  PopupMenuWindow& level = Innermost();
  Menu* hot = level.HotItem();
  switch (keyCode) {
    case vbKeyDown:
    case vbKeyUp:
      level.HotItem(level.NextSelectable(keyCode == vbKeyDown));
      break;
    case vbKeyHome:
    case vbKeyEnd:
      level.HotItem(nullptr);
      level.HotItem(level.NextSelectable(keyCode == vbKeyHome));
      break;
    case vbKeyRight:
      if (hot && hot->HasSubItems()) OpenSubmenu(m_levels.size() - 1, *hot, true);
      break;
    case vbKeyLeft:
      if (m_levels.size() > 1) m_levels.pop_back();
      break;
    default:
      break;
  }
}

void PopupMenuTracker::KeyPress(char32_t character) {
  if (!m_open) return;
  if (character == vbKeyEscape) {
    if (m_levels.size() > 1) {
      m_levels.pop_back();
    } else {
      Cancel();
    }
  } else if (character == vbKeyReturn) {
    if (Menu* hot = Innermost().HotItem()) Activate(*hot);
  } else {
    AccessLetter(character);
  }
}

PopupMenuTracker::Hit PopupMenuTracker::HitTest(Point screen) const {
  for (int i = static_cast<int>(m_levels.size()) - 1; i >= 0; --i) {
    const PopupMenuWindow& level = *m_levels[static_cast<std::size_t>(i)];
    if (level.ScreenBounds().Contains(screen.x, screen.y)) {
      return Hit{i, level.ItemAt(level.ScreenToClient(screen))};
    }
  }
  return {};
}

void PopupMenuTracker::MouseMove(Point screen) {
  if (!m_open) return;
  const Hit hit = HitTest(screen);
  if (hit.level < 0) {
    // Off the menu: the innermost level lets go of its highlight unless a submenu hangs on it.
    if (m_levels.size() == 1) Innermost().HotItem(nullptr);
    return;
  }
  const auto index = static_cast<std::size_t>(hit.level);
  PopupMenuWindow& level = *m_levels[index];
  const bool openFromHere =
      index + 1 < m_levels.size() && &m_levels[index + 1]->Source() == hit.item;
  if (openFromHere) return;
  CloseLevelsAbove(index);
  if (!level.Selectable(hit.item)) {
    level.HotItem(nullptr);
  } else if (hit.item->HasSubItems()) {
    OpenSubmenu(index, *hit.item, false);
  } else {
    level.HotItem(hit.item);
  }
}

void PopupMenuTracker::MouseDown(Point screen, int /*button*/) {
  if (m_open && HitTest(screen).level < 0) Cancel();
}

void PopupMenuTracker::MouseUp(Point screen, int button) {
  const bool choosingButton =
      button == vbLeftButton || (button == vbRightButton && (m_flags & vbPopupMenuRightButton));
  if (!m_open || !choosingButton) return;
  const Hit hit = HitTest(screen);
  if (hit.item && hit.item->IsChoosableIn(m_menu)) Choose(hit.item);
}

}  // namespace qorvexctl::platform
