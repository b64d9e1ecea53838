// An information button beside a field: its tip pops up as a click would make it.

#include <cstdio>

#include "qorvexctl/controls/helpers/InfoButton.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Rendimentos");
  InfoButton info(library, desktop, &form);
  info.Move(4800, 600, 240, 240);
  info.InitProperties();
  info.Style(IB_WARNING);
  info.ToolTipTitle("Rendimento bruto");
  info.TipText("O valor antes de retenções||em euros");  // "||" breaks the line
  form.Show();
  info.PopupTip();
  std::printf("%s\n", info.PictureName().c_str());
  return 0;
}
