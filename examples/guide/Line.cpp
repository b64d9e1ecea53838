// A line from one point of the form to another, in twips.

#include "qorvexctl/platform/widgets/Line.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  platform::Form form(desktop, "Linhas");
  auto& rule = form.Add<platform::Line>("linSeparador");
  rule.SetPoints(240, 1800, 6000, 1800);  // X1, Y1, X2, Y2
  rule.BorderColor(RGB(0, 0, 128));
  rule.BorderWidth(2);
  form.Show();
  return 0;
}
