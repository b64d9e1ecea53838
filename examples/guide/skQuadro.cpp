// A framed box with its top image from the default skin.

#include <cstdio>
#include <memory>

#include "qorvexctl/controls/skins/skQuadro.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Quadro");
  auto box = std::make_shared<skQuadro>(library, desktop, &form);
  form.Adopt(box, "quaResumo");
  box->SetBounds(platform::Rect::FromSize(16, 224, 180, 170));
  box->InitProperties();
  box->ImageFile(0, GetDataPath(library) + "skins/default/topo_laranja.gif");
  box->Clicked.connect([] { std::puts("clicked"); });
  form.Show();
  std::puts(box->ImageFile(0).c_str());
  return 0;
}
