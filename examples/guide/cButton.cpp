// A check button of the XP look with an access key and a balloon tip.

#include <cstdio>

#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Opções");
  cButton joint(library, desktop, &form);
  joint.Move(600, 600, 2400, 400);
  joint.InitProperties();
  joint.Caption("&Tributação conjunta");  // Alt+T presses it
  joint.Mode(efbxp_CheckBox);
  joint.ButtonStyle(efbxp_XP);
  joint.Tooltip("Os dois sujeitos passivos numa declaração");
  joint.Click.connect([&] { std::printf("conjunta: %d\n", joint.Value()); });
  form.Show();
  joint.Value(true);
  return joint.Value() ? 0 : 1;
}
