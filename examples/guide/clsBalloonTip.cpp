// A balloon tip a host makes for one of its own text boxes, shown at once.

#include <cstdio>

#include "qorvexctl/controls/helpers/clsBalloonTip.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/TextBox.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Rosto");
  auto& name = form.Add<platform::TextBox>("txtNome");
  form.Show();
  clsBalloonTip tip(library, desktop);
  tip.ParentControl(&name);  // the tip points at the text box
  tip.Style(TTBalloon);
  tip.Icon(TTIconInfo);
  tip.Title("Nome");
  tip.TipText("O nome completo do sujeito passivo");
  tip.SetTimeout(0, 5000);  // shown at once, for five seconds
  tip.Create();             // the tip window, with what was set above
  tip.ShowNow();
  std::printf("tips: %d\n", static_cast<int>(tip.TooltipCount()));
  return 0;
}
