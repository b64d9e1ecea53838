// A side-bar menu entry with its arrow image; a click makes it the active entry.

#include <cstdio>
#include <memory>

#include "qorvexctl/controls/skins/skSubMenu.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Menu");
  auto entry = std::make_shared<skSubMenu>(library, desktop, &form);
  form.Adopt(entry, "mnuDeducoes");
  entry->SetBounds(platform::Rect::FromSize(16, 150, 180, 26));
  entry->InitProperties();
  entry->ImageFile(0, GetDataPath(library) + "skins/default/submenu_arrow.gif");
  entry->Caption("Deduções");
  entry->Clicked.connect([&] { std::printf("active: %d\n", entry->Active()); });
  form.Show();
  entry->Active(true);
  return 0;
}
