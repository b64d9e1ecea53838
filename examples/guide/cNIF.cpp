// The NIF field on a form: a number the host sets is checked against Portugal's rules.

#include <cstdio>

#include "qorvexctl/controls/nif/cNIF.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;  // headless, virtual clock
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Rosto");
  cNIF nif(library, desktop, &form);
  nif.Move(1200, 600, 1800, 330);  // twips
  nif.InitProperties();            // Portugal, as a newly placed field
  nif.Validated.connect([] { std::puts("validated"); });
  form.Show();
  nif.Value("123456789");
  std::printf("%s ok=%d\n", nif.Value().c_str(), nif.IsOK());  // PT123456789 ok=1
  return nif.IsOK() ? 0 : 1;
}
