// docs/selection.md: a host asks for a country next to its button, and for several annexes of
// a declaration in one dialog.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "qorvexctl/controls/selection/WindowParentObject.h"
#include "qorvexctl/controls/selection/clsGFXSelection.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

namespace {

std::string ChooseCountry(clsGFXSelection& selection, platform::Window& button) {
  GFXSelection s;
  s.Title = "Escolha o país de residência";
  s.ParentObj = std::make_shared<WindowParentObject>(button);  // opens under the button
  s.WindowPositionRelation = GFXPositionObjectBelow;
  std::string filter;                                       // comes back as the EU list
  return selection.SelectCountry(s, GSEL_OnlyEU, filter);  // "" when cancelled
}

void ChooseAnnexes(clsGFXSelection& selection) {
  GFXSelection s;
  s.Title = "Anexos da declaração";
  s.MultipleSelect = true;  // each click presses or releases one annex
  std::vector<GFXItem> items(3);
  items[0].Title = "Anexo A";
  items[0].Value = "A";
  items[1].Title = "Anexo B";
  items[1].Value = "B";
  items[2].Title = "Anexo H";
  items[2].Value = "H";
  items[2].Selected = true;  // pressed when the dialog opens
  selection.Closing.connect([](std::int32_t& count, std::vector<GFXItem>&, bool&) {
    std::printf("%d annex(es)\n", static_cast<int>(count));
  });
  const GFXResult result = selection.SelectFrom(s, items);
  if (!result.Accepted) return;  // cancel or the close box
  for (const GFXItem& item : result.SelectedItems) std::puts(item.Value.ToString().c_str());
}

}  // namespace

int main() {
  platform::Desktop desktop;  // headless: a dialog nobody answers closes as cancelled
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Declaração");
  auto& button = form.Add<platform::CommandButton>("cmdPais");
  form.Show();
  clsGFXSelection selection(library, desktop);
  std::printf("país: \"%s\"\n", ChooseCountry(selection, button).c_str());
  ChooseAnnexes(selection);
  return 0;
}
