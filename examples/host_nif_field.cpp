// The README's host: a NIF field on a form of a headless desktop, typed into as a user would.
// Exits 0 when the typed number is taken (the field is OK).

#include <cstdio>
#include <string>

#include "qorvexctl/controls/nif/cNIF.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

namespace {

// Where the host would keep the number.
void Save(const std::string& value) { std::printf("saved %s\n", value.c_str()); }

}  // namespace

int main() {
  platform::Desktop desktop;  // headless, virtual clock
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop);
  cNIF nif(library, desktop, &form);  // NIF field, Portugal by default
  nif.Move(1200, 600, 1800, 330);     // twips
  nif.NameUpdated.connect([](const std::string& name) { std::puts(name.c_str()); });  // the name
  nif.Changed.connect([&] {
    if (nif.IsOK()) Save(nif.Value());
  });  // "PT" + the number
  form.Show();
  desktop.Input().Click(nif.NumberBox());
  desktop.Input().Type("123456789");  // valid: green frame, Validated
  return nif.IsOK() ? 0 : 1;
}
