// The NIB field: a bank account number set by the host, its check digits tested.

#include <cstdio>

#include "qorvexctl/controls/nib/cNIB.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Reembolso");
  cNIB nib(library, desktop, &form);
  nib.Move(600, 600, 4800, 330);
  nib.InitProperties();
  nib.Changed.connect([&] { std::printf("changed: %s\n", nib.Text().c_str()); });
  form.Show();
  nib.Text("003506510000000000061");  // bank, branch, account, check digits
  std::printf("valid=%d digits=%s\n", nib.Valid(),
              cNIB::CalculateCheckDigits("0035065100000000000").c_str());
  return nib.Valid() ? 0 : 1;
}
