#include "SelectionShowcase.h"

#include <cstdio>
#include <memory>

#include "qorvexctl/controls/selection/WindowParentObject.h"
#include "qorvexctl/frame/CountryFile.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/HeadlessPresenter.h"
#include "qorvexctl/platform/desktop/UserInput.h"

namespace qorvexctl::demo {

namespace {

using platform::Rect;

cButton& MakeChooseButton(LibraryState& library, platform::Desktop& desktop,
                          platform::Form& form) {
  auto button = std::make_shared<cButton>(library, desktop, &form);
  form.Adopt(button, "cmdPais");
  button->SetBounds(Rect::FromSize(16, 16, 180, 30));
  button->InitProperties();
  button->Caption("Escolher o &país...");
  button->Tooltip("Abre a lista dos países da União Europeia");
  return *button;
}

bool Save(const std::filesystem::path& file, bool ok) {
  std::printf("%s %s\n", ok ? "wrote" : "could not write", file.string().c_str());
  return ok;
}

}  // namespace

SelectionShowcase::SelectionShowcase(platform::Desktop& desktop, LibraryState& library)
    : m_library(library),
      m_form(desktop, "País de residência"),
      m_choose(MakeChooseButton(library, desktop, m_form)),
      m_answer(m_form.Add<platform::Label>("lblPais")),
      m_selection(library, desktop) {
  m_form.SetBounds(Rect::FromSize(60, 60, 420, 110));
  m_answer.SetBounds(Rect::FromSize(16, 54, 380, 20));
  m_answer.Caption("Nenhum país escolhido");
  m_choose.Click.connect([this] { ChooseCountry(); });
}

std::string ChooseCountry(clsGFXSelection& selection, platform::Window& anchor,
                          const std::string& title, const std::string& subtitle,
                          GSEL_CountryFilterList countries) {
  GFXSelection s;
  s.Title = title;
  s.Subtitle = subtitle;
  s.ParentObj = std::make_shared<WindowParentObject>(anchor);
  s.WindowPositionRelation = GFXPositionObjectBelow;
  std::string filter;
  return selection.SelectCountry(s, countries, filter);
}

void SelectionShowcase::ChooseCountry() {
  const std::string code = demo::ChooseCountry(m_selection, m_choose, "Escolha o país de residência",
                                               "Países da União Europeia", GSEL_OnlyEU);
  if (code.empty()) return;
  m_chosen = code;
  m_answer.Caption(CountryName(m_library, code) + " (" + code + ")");
}

bool WriteSelectionScreenshots(const std::filesystem::path& folder) {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  SelectionShowcase showcase(desktop, library);
  showcase.Window().Show();
  const auto picker = folder / "selection_country_picker.png";
  bool ok = false;
  desktop.Scripts().OnModalForm("frmSelector", [&](platform::Window& modal) {
    auto& form = dynamic_cast<frmSelector&>(modal);
    desktop.Input().Click(form.btnSelector(9));  // Espanha
    ok = Save(picker, platform::HeadlessPresenter::Screenshot(desktop, picker));
    desktop.Input().Click(form.btn_Handle(0));
  });
  desktop.Input().Click(showcase.ChooseButton());
  const auto chosen = folder / "selection_country_chosen.png";
  return Save(chosen, platform::HeadlessPresenter::Screenshot(showcase.Window(), chosen)) && ok;
}

}  // namespace qorvexctl::demo
