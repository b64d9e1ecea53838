// A slide panel holding a button of the host; a click on its handle folds it.

#include <cstdio>

#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/controls/helpers/cSlider.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Painel");
  cSlider panel(library, desktop, &form);
  panel.Move(300, 3000, 4000, 600);
  panel.InitProperties();
  cButton inside(library, desktop, &panel);  // the host's controls go on the panel
  inside.Move(60, 60, 1500, 375);
  panel.Slided.connect([&] { std::printf("open: %d\n", panel.SlideOpen()); });
  form.Show();
  panel.cc().Click();  // folds to the handle
  return panel.SlideOpen() ? 1 : 0;
}
