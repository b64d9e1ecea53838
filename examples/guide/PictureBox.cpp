// A picture box the host draws in: text printed on a kept drawing (AutoRedraw).

#include <cstdio>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/PictureBox.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  platform::Form form(desktop, "Resumo");
  auto& summary = form.Add<platform::PictureBox>("picResumo");
  summary.Move(300, 300, 4000, 1500);
  summary.AutoRedraw(true);  // what is drawn stays when the box is repainted
  form.Show();
  summary.Cls();
  summary.Print("Bruto  23.456,78 €");
  summary.Print("IRS     4.120,00 €");
  std::printf("%g x %g\n", summary.ScaleWidth(), summary.ScaleHeight());
  return 0;
}
