// An amount field with a field code and a maximum, read back as a number and as text.

#include <cstdio>

#include "qorvexctl/controls/amount/eurbox.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Anexo A");
  eurbox gross(library, desktop, &form);
  gross.Move(600, 600, 3000, 330);
  gross.InitProperties();
  gross.CampoID("401");  // the code shown in the label before the amount
  gross.max(100000);     // larger amounts are refused with a balloon tip
  gross.ValueChanged.connect([&] { std::printf("%.2f\n", gross.Value()); });
  form.Show();
  gross.Value(23456.78);
  std::printf("%s\n", gross.Text().c_str());  // 23.456,78 €
  return 0;
}
