// Three step badges; the second is the current step.

#include <cstdio>
#include <memory>
#include <string>

#include "qorvexctl/controls/skins/skNumber.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Passos");
  for (int step = 1; step <= 3; ++step) {
    auto badge = std::make_shared<skNumber>(library, desktop, &form);
    form.Adopt(badge, "num" + std::to_string(step));
    badge->SetBounds(platform::Rect::FromSize(10 + 34 * step, 40, 26, 26));
    badge->InitProperties();
    badge->Caption(std::to_string(step));
    badge->Active(step == 2);  // drawn in the active colours
    badge->Clicked.connect([step] { std::printf("step %d\n", step); });
  }
  form.Show();
  return 0;
}
