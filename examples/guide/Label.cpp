// A label with an access key: Alt+N moves the focus to the text box after it.

#include <cstdio>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/TextBox.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  platform::Form form(desktop, "Rosto");
  auto& caption = form.Add<platform::Label>("lblNome", nullptr, "&Nome:");
  caption.Move(300, 600, 900, 255);
  caption.TabIndex(0);
  auto& name = form.Add<platform::TextBox>("txtNome");
  name.Move(1200, 600, 3000, 330);
  name.TabIndex(1);
  form.Show();
  desktop.Input().SendKeys("%n");  // Alt+N
  std::printf("focus on the text box: %d\n", desktop.Focus() == &name);
  return 0;
}
