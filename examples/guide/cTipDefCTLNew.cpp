// The disability-type selector with the degree field: a disability of 80 %.

#include <cstdio>

#include "qorvexctl/controls/helpers/cTipDefCTLNew.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Deficiência");
  cTipDefCTLNew kind(library, desktop, &form);
  kind.Move(300, 800, 3000, 500);
  kind.InitProperties();
  kind.ShowGrauDef(true);  // the degree shows for a disability option
  kind.GrauChanged.connect([&] { std::printf("grau %d\n", static_cast<int>(kind.GrauDef())); });
  form.Show();
  kind.Tipo(1);
  kind.GrauDef(80);
  return kind.DegreeFieldVisible() ? 0 : 1;
}
