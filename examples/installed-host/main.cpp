// A host built against the installed library: a NIF field on a headless form, the number given
// on the command line typed into it. Prints the number and "valid" or "invalid".

#include <cstdio>
#include <string>

#include "qorvexctl/controls/nif/cNIF.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main(int argc, char** argv) {
  const std::string number = argc > 1 ? argv[1] : "123456789";
  platform::Desktop desktop;
  // The library reads its data files below the installed root, whatever the current folder.
  LibraryState library(desktop.Settings(), desktop.MessageBoxes(), [] { return QORVEXCTL_ROOT; });
  platform::Form form(desktop);
  cNIF field(library, desktop, &form);
  form.Show();
  desktop.Input().Click(field.NumberBox());
  desktop.Input().Type(number);
  std::printf("%s %s\n", number.c_str(), field.IsOK() ? "valid" : "invalid");
  return 0;
}
