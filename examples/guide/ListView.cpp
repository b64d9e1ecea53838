// A list view of countries in three columns; a click on a row raises ItemClick.

#include <cstdio>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/ListItem.h"
#include "qorvexctl/platform/widgets/ListView.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  platform::Form form(desktop, "Países");
  auto& countries = form.Add<platform::ListView>("lvPaises");
  countries.Move(300, 300, 6000, 2400);
  countries.AddColumn("País", 2400);
  countries.AddColumn("Código", 1200);
  countries.AddColumn("Capital", 2000);
  for (const char* row : {"Áustria,AT,Viena", "Bélgica,BE,Bruxelas"}) {
    const std::string text = row;
    const auto first = text.find(','), second = text.rfind(',');
    auto& item = countries.AddItem(text.substr(0, first));
    item.SetSubItem(1, text.substr(first + 1, second - first - 1));
    item.SetSubItem(2, text.substr(second + 1));
  }
  countries.FullRowSelect(true);
  countries.ItemClick.connect([](platform::ListItem& item) { std::puts(item.Text().c_str()); });
  form.Show();
  std::printf("%d rows\n", countries.ItemCount());
  return 0;
}
