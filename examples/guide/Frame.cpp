// A frame holding the controls of one part of the form.

#include <cstdio>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Frame.h"
#include "qorvexctl/platform/widgets/TextBox.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  platform::Form form(desktop, "Rosto");
  auto& part = form.Add<platform::Frame>("fraSujeito", nullptr, "Identificação do sujeito passivo");
  part.Move(240, 240, 7000, 1800);
  auto& name = form.Add<platform::TextBox>("txtNome", &part);  // placed inside the frame
  name.Move(2400, 360, 4200, 330);
  form.Show();
  part.Visible(false);  // hides what it holds too
  std::printf("name shown: %d\n", name.IsShown());
  return 0;
}
