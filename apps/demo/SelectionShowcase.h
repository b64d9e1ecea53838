#pragma once
// The demo's country picker: a button that opens the selection dialog with the EU countries as
// flag buttons, under the button, and a line with the country chosen.

#include <filesystem>
#include <string>

#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/controls/selection/clsGFXSelection.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Label.h"

namespace qorvexctl::demo {

// Opens the country selection dialog below `anchor` with that title and subtitle, offering the
// countries of `countries` (GSEL_OnlyEU, GSEL_All...); the chosen code, or "" when cancelled.
std::string ChooseCountry(clsGFXSelection& selection, platform::Window& anchor,
                          const std::string& title, const std::string& subtitle,
                          GSEL_CountryFilterList countries);

class SelectionShowcase {
 public:
  SelectionShowcase(platform::Desktop& desktop, LibraryState& library);

  platform::Form& Window() { return m_form; }
  cButton& ChooseButton() { return m_choose; }
  const std::string& Chosen() const { return m_chosen; }

 private:
  void ChooseCountry();

  LibraryState& m_library;
  platform::Form m_form;
  cButton& m_choose;
  platform::Label& m_answer;
  clsGFXSelection m_selection;
  std::string m_chosen;
};

// Writes selection_country_picker.png (the dialog open, Espanha pressed) and
// selection_country_chosen.png (the panel after OK) into `folder`.
bool WriteSelectionScreenshots(const std::filesystem::path& folder);

}  // namespace qorvexctl::demo
