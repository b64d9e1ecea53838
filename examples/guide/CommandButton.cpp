// The form's default button: Enter anywhere on the form clicks it.

#include <cstdio>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/TextBox.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  platform::Form form(desktop, "Rosto");
  auto& name = form.Add<platform::TextBox>("txtNome");
  name.Move(1200, 600, 3000, 330);
  auto& check = form.Add<platform::CommandButton>("cmdValidar", nullptr, "&Validar");
  check.Move(1200, 1200, 1500, 400);
  check.Default(true);
  check.Click.connect([] { std::puts("validar"); });
  form.Show();
  desktop.Input().Click(name);
  desktop.Input().SendKeys("{ENTER}");
  return 0;
}
