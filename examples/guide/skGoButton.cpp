// The go button of a page header, its three images from the default skin.

#include <cstdio>
#include <memory>
#include <string>

#include "qorvexctl/controls/skins/skGoButton.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Anexo H");
  auto go = std::make_shared<skGoButton>(library, desktop, &form);
  form.Adopt(go, "goSeguinte");
  go->SetBounds(platform::Rect::FromSize(500, 40, 64, 24));
  go->InitProperties();
  const std::string skin = GetDataPath(library) + "skins/default/";
  go->ImageSource(0, skin + "btn_go_normal.gif");  // normal, under the pointer, pressed
  go->ImageSource(1, skin + "btn_go_hover.gif");
  go->ImageSource(2, skin + "btn_go_click.gif");
  go->Tooltip("Página seguinte");  // a balloon titled "Navegação"
  go->Click.connect([] { std::puts("next page"); });
  form.Show();
  return 0;
}
