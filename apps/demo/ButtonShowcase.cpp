#include "ButtonShowcase.h"

#include <cstdio>

#include "DemoControls.h"
#include "qorvexctl/controls/helpers/InfoButton.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/HeadlessPresenter.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/drawing/Canvas.h"

namespace qorvexctl::demo {

namespace {

using platform::Rect;

constexpr const char* kLookNames[] = {"w95",  "w31",   "XP",       "Java",
                                      "Flat", "hover", "Netscape", "Macintosh"};

// A diamond on white: the white corners are see-through for a picture-shaped button.
std::shared_ptr<platform::Picture> DiamondPicture() {
  platform::Surface pixels(64, 40, 32);
  platform::Canvas canvas(pixels);
  canvas.FillRect(pixels.Bounds(), RGB(255, 255, 255));
  const platform::Point corners[] = {{32, 0}, {63, 20}, {32, 39}, {0, 20}};
  canvas.SelectPen({RGB(0, 0, 128)});
  canvas.SelectBrush({RGB(255, 204, 0)});
  canvas.Polygon(corners);
  return std::make_shared<platform::Picture>(std::move(pixels));
}

}  // namespace

ButtonShowcase::ButtonShowcase(platform::Desktop& desktop, LibraryState& library)
    : m_library(library), m_form(desktop, "Botões") {
  m_form.SetBounds(Rect::FromSize(40, 40, 560, 330));
  AddLooks();
  AddShapes();
  AddGroups();
}

cButton& AddButton(platform::Form& form, LibraryState& library, const std::string& name,
                   const std::string& caption, Rect bounds, platform::Window* container) {
  cButton& button = AddControl<cButton>(form, library, name, bounds, container);
  button.Caption(caption);
  return button;
}

cButton& ButtonShowcase::AddButton(const std::string& name, const std::string& caption, Rect bounds,
                                   platform::Window* container) {
  cButton& button = demo::AddButton(m_form, m_library, name, caption, bounds, container);
  m_buttons.push_back(&button);
  return button;
}

cButton* ButtonShowcase::Button(const std::string& name) const {
  for (cButton* button : m_buttons) {
    if (button->Name() == name) return button;
  }
  return nullptr;
}

// One button per look, two rows of four.
void ButtonShowcase::AddLooks() {
  for (int look = efbxp_w95; look <= efbxp_Macintosh; ++look) {
    const Rect bounds = Rect::FromSize(12 + (look % 4) * 132, 12 + (look / 4) * 40, 120, 30);
    cButton& button = AddButton(std::string("cmd") + kLookNames[look],
                                std::string("&") + kLookNames[look], bounds);
    button.ButtonStyle(static_cast<BackStyleConstants>(look));
    button.Tooltip(std::string("O estilo ") + kLookNames[look]);
  }
  Button("cmdw95")->Mode(efbxp_CheckBox);
  Button("cmdw95")->Value(true);
  m_form.SetDefaultButton(Button("cmdXP"));
}

void ButtonShowcase::AddShapes() {
  AddButton("cmdRedondo", "Redondo", Rect::FromSize(12, 100, 110, 44)).ButtonShape(efbxp_Round3D);
  cButton& flat = AddButton("cmdPlano", "Plano", Rect::FromSize(132, 100, 90, 44));
  flat.ButtonStyle(efbxp_w95);
  flat.ButtonShape(efbxp_RoundFlat);
  AddButton("cmdEsquerda", "Esquerda", Rect::FromSize(232, 100, 100, 44))
      .ButtonShape(efbxp_LeftDiagonal);
  cButton& full = AddButton("cmdDiagonal", "Diagonal", Rect::FromSize(340, 100, 110, 44));
  full.ButtonStyle(efbxp_Netscape);
  full.ButtonShape(efbxp_FullDiagonal);
  cButton& diamond = AddButton("cmdLosango", "", Rect::FromSize(462, 100, 80, 48));
  diamond.Picture(DiamondPicture());
  diamond.ButtonShape(efbxp_Custom3DBorder);
  diamond.CustomClick(efbxp_cSouthEast);

  cButton& save = AddButton("cmdGravar", "&Gravar||e sair", Rect::FromSize(12, 158, 150, 48));
  save.GradientMode(efbxp_Top2Bottom);
  save.GradientColor(RGB(90, 140, 220));
  save.BackColor(RGB(235, 243, 255));
  save.Picture(std::make_shared<platform::Picture>(InfoButtonPicture("IB_INFO")));
  save.CaptionStyle(efbxp_Raised);
  cButton& left = AddButton("cmdAnexo", "Anexo H", Rect::FromSize(172, 158, 120, 48));
  left.ButtonStyle(efbxp_Java);
  left.CaptionAlign(0);
  left.Enabled(false);
}

void ButtonShowcase::AddGroups() {
  const char* checks[] = {"IRS", "IMI", "IUC"};
  for (int i = 0; i < 3; ++i) {
    cButton& check = AddButton(std::string("chk") + checks[i], checks[i],
                               Rect::FromSize(12 + i * 62, 222, 56, 26));
    check.ButtonStyle(efbxp_w95);
    check.Mode(efbxp_CheckBox);
    check.Value(i != 1);
  }
  m_options = &m_form.Add<platform::Frame>("fraEstado");
  m_options->Caption("Estado civil");
  m_options->SetBounds(Rect::FromSize(210, 214, 330, 64));
  const char* options[] = {"Solteiro", "Casado", "Viúvo"};
  for (int i = 0; i < 3; ++i) {
    cButton& option = AddButton(std::string("opt") + options[i], options[i],
                                Rect::FromSize(10 + i * 104, 24, 96, 28), m_options);
    option.ButtonStyle(efbxp_Flat);
    option.Mode(efbxp_OptionButton);
  }
  Button("optCasado")->Value(true);
}

bool WriteButtonShowcaseScreenshots(const std::filesystem::path& folder) {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  ButtonShowcase showcase(desktop, library);
  showcase.Window().Show();
  desktop.DoEvents();
  bool ok = true;
  const auto save = [&](const std::filesystem::path& file) {
    const bool saved = platform::HeadlessPresenter::Screenshot(showcase.Window(), file);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", file.string().c_str());
    ok = saved && ok;
  };
  save(folder / "button_showcase.png");
  // The pointer over the XP button: hot, with its frame tint.
  desktop.Input().MoveTo(*showcase.Button("cmdXP"));
  save(folder / "button_showcase_hover.png");
  return ok;
}

}  // namespace qorvexctl::demo
