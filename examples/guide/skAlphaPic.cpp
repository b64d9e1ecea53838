// A slideshow of two pictures the host drew in hidden picture boxes, fading for a second.

#include <cstdio>
#include <memory>
#include <string>

#include "qorvexctl/controls/skins/skAlphaPic.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/PictureBox.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Destaques");
  auto& deadline = form.Add<platform::PictureBox>("picPrazo");  // the host draws in them
  auto& refund = form.Add<platform::PictureBox>("picReembolso");
  for (platform::PictureBox* picture : {&deadline, &refund}) picture->Visible(false);
  auto show = std::make_shared<skAlphaPic>(library, desktop, &form);
  form.Adopt(show, "apDestaques");
  show->SetBounds(platform::Rect::FromSize(10, 100, 320, 200));
  show->AddPicture(&deadline, "Entrega até 30 de junho", "https://example.pt/prazos");
  show->AddPicture(&refund);
  show->FadeTime(800);      // ms of each cross-fade, in 50 ms steps
  show->PictureTime(3000);  // ms each picture stays
  show->href.connect([](const std::string& link) { std::puts(link.c_str()); });
  form.Show();
  show->StartFade();
  desktop.Wait(1000);
  return 0;
}
