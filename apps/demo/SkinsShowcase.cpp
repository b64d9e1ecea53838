#include "SkinsShowcase.h"

#include <cstdio>

#include "qorvexctl/controls/skins/skGrowth.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/HeadlessPresenter.h"
#include "qorvexctl/platform/desktop/UserInput.h"

namespace qorvexctl::demo {

namespace {

using platform::Point;
using platform::Rect;

constexpr int kPictureWidth = 240;
constexpr int kPictureHeight = 150;

// The three pictures of the slideshow: a sky over hills, a house, a calendar page.
struct Scene {
  Colour top, bottom;
  const char* caption;
  const char* link;
};
constexpr Scene kScenes[] = {
    {RGB(70, 130, 210), RGB(200, 225, 250), "Entregue a declaração\r\naté 30 de junho", ""},
    {RGB(250, 200, 120), RGB(255, 240, 210), "Habitação própria", "https://example.pt/habitacao"},
    {RGB(60, 150, 110), RGB(200, 240, 210), "Reembolso em 20 dias", ""},
};

void DrawScene(platform::Canvas& canvas, int index) {
  const Scene& scene = kScenes[index];
  const Rect all{0, 0, kPictureWidth, kPictureHeight};
  canvas.GradientFill(all, scene.top, scene.bottom, platform::GradientDirection::Vertical);
  canvas.SetSmoothing(true);
  if (index == 0) {
    canvas.SelectPen({RGB(255, 210, 60)});
    canvas.SelectBrush({RGB(255, 220, 90)});
    canvas.Ellipse(Rect::FromSize(170, 50, 44, 44));
    canvas.SelectPen({RGB(60, 130, 60)});
    canvas.SelectBrush({RGB(80, 160, 80)});
    canvas.Ellipse(Rect::FromSize(-60, 100, 220, 120));
    canvas.Ellipse(Rect::FromSize(110, 115, 200, 100));
  } else if (index == 1) {
    const Point roof[] = {{70, 80}, {120, 40}, {170, 80}};
    canvas.SelectPen({RGB(150, 60, 40)});
    canvas.SelectBrush({RGB(190, 70, 50)});
    canvas.Polygon(roof);
    canvas.SelectPen({RGB(120, 90, 60)});
    canvas.SelectBrush({RGB(245, 235, 215)});
    canvas.Rectangle(Rect{80, 80, 160, 135});
    canvas.SelectBrush({RGB(110, 80, 50)});
    canvas.Rectangle(Rect{110, 100, 130, 135});
  } else {
    canvas.SelectPen({RGB(90, 90, 90)});
    canvas.SelectBrush({RGB(255, 255, 255)});
    canvas.Rectangle(Rect{80, 45, 160, 135});
    canvas.SelectBrush({RGB(200, 50, 50)});
    canvas.Rectangle(Rect{80, 45, 160, 65});
    canvas.SetTextColour(RGB(40, 40, 40));
    Rect day{80, 70, 160, 130};
    canvas.DrawText("20", day,
                    platform::DT_CENTER | platform::DT_VCENTER | platform::DT_SINGLELINE);
  }
}

platform::PictureBox& AddPicture(platform::Form& form, const std::string& name, int index) {
  auto& box = form.Add<platform::PictureBox>(name + "Imagem" + std::to_string(index));
  box.BorderStyle(0);
  box.Visible(false);  // drawn on, never shown: the slideshow shows it
  box.SetBounds(Rect::FromSize(0, 0, kPictureWidth, kPictureHeight));
  DrawScene(box.Drawing().hDC(), index);
  return box;
}

}  // namespace

std::string DefaultSkinFolder(LibraryState& library) {
  return GetRootPath(library) + "data/skins/default/";
}

skGoButton& AddGoButton(platform::Form& form, LibraryState& library, const std::string& name,
                        Rect bounds, const std::string& tooltip, platform::Window* container) {
  const std::string skin = DefaultSkinFolder(library);
  auto& go = AddControl<skGoButton>(form, library, name, bounds, container);
  go.ImageSource(0, skin + "btn_go_normal.gif");
  go.ImageSource(1, skin + "btn_go_hover.gif");
  go.ImageSource(2, skin + "btn_go_click.gif");
  go.Tooltip(tooltip);
  return go;
}

skSubMenu& AddMenuEntry(platform::Form& form, LibraryState& library, const std::string& name,
                        const std::string& caption, Rect bounds, platform::Window* container) {
  const std::string skin = DefaultSkinFolder(library);
  auto& entry = AddControl<skSubMenu>(form, library, name, bounds, container);
  entry.Caption(caption);
  entry.ImageFile(0, skin + "submenu_left.gif");
  entry.ImageFile(1, skin + "submenu_right.gif");
  entry.ImageFile(2, skin + "submenu_arrow.gif");
  return entry;
}

skQuadro& AddFramedBox(platform::Form& form, LibraryState& library, const std::string& name,
                       Rect bounds, platform::Window* container) {
  const std::string skin = DefaultSkinFolder(library);
  auto& box = AddControl<skQuadro>(form, library, name, bounds, container);
  box.BackColor(RGB(255, 255, 255));
  box.ImageFile(0, skin + "topo_laranja.gif");
  box.ImageFile(1, skin + "topo_repeat.gif");
  box.ImageFile(2, skin + "fundo_fundo.gif");
  return box;
}

// The slideshow starts on its first picture (a fade of no time from the last one), then fades
// every four seconds.
skAlphaPic& AddSlideshow(platform::Form& form, LibraryState& library, const std::string& name,
                         Rect bounds, platform::Window* container) {
  auto& show = AddControl<skAlphaPic>(form, library, name, bounds, container);
  for (int i = 0; i < 3; ++i) {
    show.AddPicture(&AddPicture(form, name, i), kScenes[i].caption, kScenes[i].link);
    show.Picture(i).SubCaptionColor = RGB(255, 255, 255);
  }
  show.Picture(1).SubCaptionColor = RGB(120, 40, 20);
  show.PictureTime(4000);
  show.FadeTime(0);
  show.CurrentIndex(2);
  show.StartFade();
  show.FadeTime(1000);
  return show;
}

SkinsShowcase::SkinsShowcase(platform::Desktop& desktop, LibraryState& library)
    : m_library(library), m_form(desktop, "Aparência") {
  m_form.SetBounds(Rect::FromSize(60, 60, 600, 420));
  m_form.BackColor(RGB(255, 255, 255));
  AddHeader();
  AddMenu();
  m_show = &AddSlideshow(m_form, m_library, "apDestaques", Rect::FromSize(230, 110, 320, 200));
}

// The header: the default red skin, its caption, a go-button and three step badges.
void SkinsShowcase::AddHeader() {
  auto& header =
      AddControl<skGrowth>(m_form, m_library, "hdrAnexo", Rect::FromSize(12, 10, 560, 70));
  header.BackColor(RGB(255, 255, 255));
  header.Caption("Anexo H - Benefícios fiscais e deduções");
  m_go = &AddGoButton(m_form, m_library, "goSeguinte", Rect::FromSize(496, 40, 64, 24),
                      "Página seguinte");
  m_go->BackColor(RGB(252, 240, 238));
  for (int step = 0; step < 3; ++step) {
    auto& badge = AddControl<skNumber>(m_form, m_library,
                                           "numPasso" + std::to_string(step + 1),
                                           Rect::FromSize(24 + step * 34, 40, 26, 26));
    badge.BackColor(RGB(252, 240, 238));
    badge.Caption(std::to_string(step + 1));
    badge.Active(step == 1);
  }
}

// A menu of three entries with the skin's rounded ends and arrows, and a framed box.
void SkinsShowcase::AddMenu() {
  const char* entries[] = {"Rendimentos", "Deduções", "Benefícios"};
  for (int i = 0; i < 3; ++i) {
    AddMenuEntry(m_form, m_library, "mnuAnexo" + std::to_string(i), entries[i],
                 Rect::FromSize(12, 96 + i * 32, 180, 26))
        .Active(i == 2);
  }
  AddFramedBox(m_form, m_library, "quaResumo", Rect::FromSize(12, 200, 180, 170));
}

bool WriteSkinsScreenshots(const std::filesystem::path& folder) {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  SkinsShowcase showcase(desktop, library);
  showcase.Window().Show();
  desktop.DoEvents();
  const auto save = [&](const char* name) {
    const auto file = folder / name;
    desktop.DoEvents();
    const bool saved = platform::HeadlessPresenter::Screenshot(showcase.Window(), file);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", file.string().c_str());
    return saved;
  };
  bool ok = save("skins_showcase.png");
  showcase.Slideshow().NextFrame();
  desktop.Wait(500);  // half-way: both pictures at about half their strength
  ok = save("skins_fade_half.png") && ok;
  desktop.Wait(500);
  desktop.Input().MoveTo(showcase.GoButton(), Point{20, 10});
  ok = save("skins_hover.png") && ok;
  return ok;
}

}  // namespace qorvexctl::demo
