// Desktop: popup menus, shown as a modal level window above everything else.

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Menu.h"
#include "qorvexctl/platform/desktop/PopupMenuTracker.h"
#include "qorvexctl/platform/desktop/PopupMenuWindow.h"

namespace qorvexctl::platform {

Menu* Desktop::PopupMenu(Menu& menu, Menu* defaultItem, std::optional<Point> screenPoint,
                         int flags) {
  ModalScripts::MenuScript script = m_scripts.TakeMenuScript();
  ModalRecord record{.kind = ModalRecord::Kind::PopupMenu,
                     .title = menu.Name(),
                     .scripted = static_cast<bool>(script)};
  Menu* chosen = nullptr;
  {
    PopupMenuTracker tracker(*this, menu, defaultItem, flags);
    if (tracker.Open(screenPoint.value_or(GetCursorPos()))) {
      // The menu goes when its window stops being the active one, or stops being shown.
      Window* const owner = ActiveWindow();
      auto stillOpen = [&] {
        if (ActiveWindow() != owner || (owner && !owner->IsShown())) tracker.Cancel();
        return tracker.IsOpen();
      };
      auto answer = [&] {
        Menu* pick = script ? script(menu) : nullptr;
        if (!stillOpen()) return false;
        tracker.Choose(pick);
        return tracker.Chosen() == nullptr;
      };
      RunModalLoop(*tracker.Levels().front(), stillOpen, answer, record.scripted);
      chosen = tracker.Chosen();
    }
  }
  record.cancelled = chosen == nullptr;
  m_scripts.Record(record);
  if (chosen) chosen->Click();
  return chosen;
}

}  // namespace qorvexctl::platform
