// A skinned panel as a page header; it asks the host for its images again when the skin
// changes.

#include <cstdio>
#include <memory>

#include "qorvexctl/controls/skins/skGrowth.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Anexo H");
  auto header = std::make_shared<skGrowth>(library, desktop, &form);
  form.Adopt(header, "hdrAnexo");
  header->SetBounds(platform::Rect::FromSize(10, 10, 560, 70));
  header->InitProperties();
  header->Caption("Anexo H - Benefícios fiscais");  // the default red skin when first drawn
  header->RequestSkinRepait.connect([] { std::puts("assign the skin's images again"); });
  form.Show();
  header->SkinID("azul");
  return 0;
}
