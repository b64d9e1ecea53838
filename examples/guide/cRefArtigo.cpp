// A reference to article 78, no. 2 a) of the IRS code for the year 2025.

#include <cstdio>

#include "qorvexctl/controls/helpers/cRefArtigo.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Anexo H");
  cRefArtigo ref(library, desktop, &form);
  ref.Move(300, 2400, 3000, 255);
  ref.InitProperties();
  ref.TipoArtigo(Artigo_IRS);
  ref.artigo("78,2,a)");  // "IRS" and "Art.78º nº2 al.a)"
  ref.EXERCICIO(2025);
  form.Show();
  std::printf("%s\n", ref.Text().c_str());
  return 0;
}
