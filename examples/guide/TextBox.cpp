// A text box typed into as a user would: every character raises Change.

#include <cstdio>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/TextBox.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;  // headless, virtual clock
  platform::Form form(desktop, "Rosto");
  auto& name = form.Add<platform::TextBox>("txtNome");
  name.Move(1200, 600, 3000, 330);  // twips
  name.MaxLength(40);
  name.Change.connect([&] { std::printf("%s\n", name.Text().c_str()); });
  form.Show();
  desktop.Input().Click(name);
  desktop.Input().Type("Ana");  // "A", "An", "Ana"
  return name.Text() == "Ana" ? 0 : 1;
}
