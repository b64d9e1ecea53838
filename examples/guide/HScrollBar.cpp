// A horizontal scroll bar choosing a font size from 8 to 16.

#include <cstdio>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/ScrollBar.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  platform::Form form(desktop, "Letra");
  auto& size = form.Add<platform::ScrollBar>("hsTamanho", nullptr,
                                             platform::ScrollBarOrientation::Horizontal);
  size.Move(300, 300, 4000, 255);
  size.Min(8);
  size.Max(16);
  size.Change.connect([&] { std::printf("tamanho %d\n", size.Value()); });
  form.Show();
  size.Value(12);
  return 0;
}
