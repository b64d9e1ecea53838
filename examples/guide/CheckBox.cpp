// A check box: each click turns it on or off.

#include <cstdio>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/CheckBox.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  platform::Form form(desktop, "Rosto");
  auto& joint = form.Add<platform::CheckBox>("chkConjunta", nullptr, "Tributação &conjunta");
  joint.Move(300, 600, 3000, 330);
  joint.Click.connect([&] { std::printf("value %d\n", joint.Value()); });
  form.Show();
  desktop.Input().Click(joint);  // value 1
  desktop.Input().Click(joint);  // value 0
  return joint.Value() == 0 ? 0 : 1;
}
