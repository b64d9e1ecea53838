// A vertical scroll bar for a degree from 0 to 100, moved 5 at a time by its arrows.

#include <cstdio>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/ScrollBar.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  platform::Form form(desktop, "Grau");
  auto& degree = form.Add<platform::ScrollBar>("vsGrau");  // vertical by default
  degree.Move(3000, 300, 255, 1500);
  degree.Max(100);
  degree.SmallChange(5);
  degree.Change.connect([&] { std::printf("%d\n", degree.Value()); });
  form.Show();
  degree.Value(60);
  return degree.Value() == 60 ? 0 : 1;
}
