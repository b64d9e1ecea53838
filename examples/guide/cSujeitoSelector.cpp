// The taxpayer selector without a household object: every kind offered, dependant 2 chosen.

#include <cstdio>
#include <string>

#include "qorvexctl/controls/helpers/cSujeitoSelector.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Anexo H");
  cSujeitoSelector who(library, desktop, &form);
  who.Move(300, 800, 6000, 450);
  who.InitProperties();
  std::string possible = "*";  // every kind, stored in button order: "ABDSFCH"
  who.Possible(possible);
  who.Changed.connect([&] { std::puts(who.SujeitoValueType().c_str()); });
  form.Show();
  who.SujeitoValueType("D2");  // selects dependant 2, raises nothing
  std::printf("%s %s %d\n", who.Possible().c_str(), who.SelectedSujeito().c_str(),
              who.SelectedSujeitoIndex());
  return 0;
}
