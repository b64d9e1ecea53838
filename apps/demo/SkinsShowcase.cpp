#include "SkinsShowcase.h"

#include <cstdio>

#include "qorvexctl/controls/skins/skGrowth.h"
#include "qorvexctl/controls/skins/skNumber.h"
#include "qorvexctl/controls/skins/skQuadro.h"
#include "qorvexctl/controls/skins/skSubMenu.h"
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

}  // namespace

SkinsShowcase::SkinsShowcase(platform::Desktop& desktop, LibraryState& library)
    : m_desktop(desktop), m_library(library), m_form(desktop, "Aparência") {
  m_form.SetBounds(Rect::FromSize(60, 60, 600, 420));
  m_form.BackColor(RGB(255, 255, 255));
  m_skin = GetRootPath(library) + "data/skins/default/";
  AddHeader();
  AddMenu();
  AddSlideshow();
}

template <class T>
T& SkinsShowcase::Add(const std::string& name, Rect bounds) {
  auto control = std::make_shared<T>(m_library, m_desktop, &m_form);
  m_form.Adopt(control, name);
  control->SetBounds(bounds);
  control->InitProperties();
  return *control;
}

// The header: the default red skin, its caption, a go-button and three step badges.
void SkinsShowcase::AddHeader() {
  auto& header = Add<skGrowth>("hdrAnexo", Rect::FromSize(12, 10, 560, 70));
  header.BackColor(RGB(255, 255, 255));
  header.Caption("Anexo H - Benefícios fiscais e deduções");
  m_go = &Add<skGoButton>("goSeguinte", Rect::FromSize(496, 40, 64, 24));
  m_go->BackColor(RGB(252, 240, 238));
  m_go->ImageSource(0, m_skin + "btn_go_normal.gif");
  m_go->ImageSource(1, m_skin + "btn_go_hover.gif");
  m_go->ImageSource(2, m_skin + "btn_go_click.gif");
  m_go->Tooltip("Página seguinte");
  for (int step = 0; step < 3; ++step) {
    auto& badge = Add<skNumber>("numPasso" + std::to_string(step + 1),
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
    auto& entry =
        Add<skSubMenu>("mnuAnexo" + std::to_string(i), Rect::FromSize(12, 96 + i * 32, 180, 26));
    entry.Caption(entries[i]);
    entry.ImageFile(0, m_skin + "submenu_left.gif");
    entry.ImageFile(1, m_skin + "submenu_right.gif");
    entry.ImageFile(2, m_skin + "submenu_arrow.gif");
    entry.Active(i == 2);
  }
  auto& box = Add<skQuadro>("quaResumo", Rect::FromSize(12, 200, 180, 170));
  box.BackColor(RGB(255, 255, 255));
  box.ImageFile(0, m_skin + "topo_laranja.gif");
  box.ImageFile(1, m_skin + "topo_repeat.gif");
  box.ImageFile(2, m_skin + "fundo_fundo.gif");
}

platform::PictureBox& SkinsShowcase::AddPicture(int index) {
  auto& box = m_form.Add<platform::PictureBox>("picDestaque" + std::to_string(index));
  box.BorderStyle(0);
  box.Visible(false);  // drawn on, never shown: the slideshow shows it
  box.SetBounds(Rect::FromSize(0, 0, kPictureWidth, kPictureHeight));
  DrawScene(box.Drawing().hDC(), index);
  return box;
}

// The slideshow starts on its first picture (a fade of no time from the last one), then fades
// every four seconds.
void SkinsShowcase::AddSlideshow() {
  m_show = &Add<skAlphaPic>("apDestaques", Rect::FromSize(230, 110, 320, 200));
  for (int i = 0; i < 3; ++i) {
    m_show->AddPicture(&AddPicture(i), kScenes[i].caption, kScenes[i].link);
    m_show->Picture(i).SubCaptionColor = RGB(255, 255, 255);
  }
  m_show->Picture(1).SubCaptionColor = RGB(120, 40, 20);
  m_show->PictureTime(4000);
  m_show->FadeTime(0);
  m_show->CurrentIndex(2);
  m_show->StartFade();
  m_show->FadeTime(1000);
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
