// A filled rounded rectangle drawn behind other controls.

#include "qorvexctl/platform/widgets/Shape.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  platform::Form form(desktop, "Formas");
  auto& box = form.Add<platform::Shape>("shpCaixa");
  box.Move(300, 300, 2400, 1200);
  box.ShapeKind(platform::vbShapeRoundedRectangle);
  box.FillStyle(0);  // solid
  box.FillColor(RGB(255, 204, 0));
  box.BorderWidth(2);
  form.Show();
  return 0;
}
