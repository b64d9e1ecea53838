// docs/skins.md: a skinned header with a go-button, and a slideshow of pictures a host drew.

#include <cstdio>
#include <memory>
#include <string>

#include "qorvexctl/controls/skins/skAlphaPic.h"
#include "qorvexctl/controls/skins/skGoButton.h"
#include "qorvexctl/controls/skins/skGrowth.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/PictureBox.h"

using namespace qorvexctl;

namespace {

// Where the host would go next and open a link.
void NextPage() { std::puts("next page"); }
void Open(const std::string& link) { std::puts(link.c_str()); }

void AddHeader(LibraryState& library, platform::Desktop& desktop, platform::Form& form) {
  auto header = std::make_shared<skGrowth>(library, desktop, &form);
  form.Adopt(header, "hdrAnexo");
  header->SetBounds(platform::Rect::FromSize(10, 10, 560, 70));
  header->InitProperties();
  header->Caption("Anexo H - Benefícios fiscais");  // the default red skin when first drawn
  auto go = std::make_shared<skGoButton>(library, desktop, &form);
  form.Adopt(go, "goSeguinte");
  go->SetBounds(platform::Rect::FromSize(500, 40, 64, 24));
  const std::string skin = GetDataPath(library) + "skins/default/";
  go->ImageSource(0, skin + "btn_go_normal.gif");  // normal, under the pointer, pressed
  go->ImageSource(1, skin + "btn_go_hover.gif");
  go->ImageSource(2, skin + "btn_go_click.gif");
  go->Tooltip("Página seguinte");                  // a balloon titled "Navegação"
  go->Click.connect([] { NextPage(); });
}

void AddSlideshow(LibraryState& library, platform::Desktop& desktop, platform::Form& form) {
  auto& picture = form.Add<platform::PictureBox>("picPrazo");  // the host draws in it
  picture.SetBounds(platform::Rect::FromSize(0, 0, 240, 150));
  picture.Visible(false);
  auto show = std::make_shared<skAlphaPic>(library, desktop, &form);
  form.Adopt(show, "apDestaques");
  show->SetBounds(platform::Rect::FromSize(10, 100, 320, 200));
  show->AddPicture(&picture, "Entrega até 30 de junho", "https://example.pt/prazos");
  show->FadeTime(800);      // ms of each cross-fade, in 50 ms steps
  show->PictureTime(5000);  // ms each picture stays
  show->href.connect([](const std::string& link) { Open(link); });
  show->StartFade();
}

}  // namespace

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Anexo H");
  AddHeader(library, desktop, form);
  AddSlideshow(library, desktop, form);
  form.Show();
  desktop.Wait(1000);
  return 0;
}
