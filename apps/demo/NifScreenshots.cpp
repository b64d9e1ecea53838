#include "NifScreenshots.h"

#include <cstdio>
#include <string>

#include "qorvexctl/controls/nif/frmSelectCountry.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/HeadlessPresenter.h"
#include "qorvexctl/platform/desktop/Menu.h"
#include "qorvexctl/platform/desktop/UserInput.h"

namespace qorvexctl::demo {

namespace {

using platform::HeadlessPresenter;

bool SaveDesktop(platform::Desktop& desktop, const std::filesystem::path& file) {
  const bool ok = HeadlessPresenter::Screenshot(desktop, file);
  std::printf("%s %s\n", ok ? "wrote" : "could not write", file.string().c_str());
  return ok;
}

// Selects and shows the row of `code` in the country list.
void SelectCountryRow(frmSelectCountry& list, const std::string& code) {
  for (platform::ListItem* item : list.cList().Items()) {
    if (item->SubItem(1) != code) continue;
    list.cList().SelectedItem(item);
    item->EnsureVisible();
    return;
  }
}

}  // namespace

bool WriteNifScreenshots(platform::Desktop& desktop, IrsForm& form,
                         const std::filesystem::path& folder) {
  platform::UserInput& input = desktop.Input();
  // A Spanish number: the typed "ES" becomes the country and the flag.
  input.Click(form.NifDependant().NumberBox());
  input.Type("ES12345678Z");
  bool ok = SaveDesktop(desktop, folder / "irs_form_foreign.png");

  desktop.Scripts().OnPopupMenu([&](platform::Menu&) -> platform::Menu* {
    ok = SaveDesktop(desktop, folder / "nif_context_menu.png") && ok;
    return nullptr;
  });
  input.Click(form.Nif().NumberBox(), std::nullopt, platform::vbRightButton);

  desktop.Scripts().OnModalForm("frmSelectCountry", [&](platform::Window& modal) {
    auto& list = dynamic_cast<frmSelectCountry&>(modal);
    SelectCountryRow(list, "ES");
    ok = SaveDesktop(desktop, folder / "nif_country_list.png") && ok;
    input.Click(list.EF_CommandButton1(1));
  });
  input.Click(form.NifDependant().FlagBox());
  return ok;
}

}  // namespace qorvexctl::demo
