// An animated GIF from the data folder, played for a second of the virtual clock.

#include <cstdio>
#include <memory>

#include "qorvexctl/controls/anigif/ucAniGIF.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Espera");
  auto coin = std::make_shared<ucAniGIF>(library, desktop, &form);
  form.Adopt(coin, "aniMoeda");
  coin->SetBounds(platform::Rect::FromSize(20, 20, 64, 64));
  coin->InitProperties();
  coin->Loops(2);
  coin->LoopsEnded.connect([] { std::puts("done"); });
  form.Show();
  if (!coin->LoadAnimatedGIF_File(GetDataPath(library) + "images/demo/coin_spin.gif")) return 1;
  desktop.Wait(1000);
  std::printf("%d frames, now frame %d\n", coin->FrameCount(), coin->CurrentFrame());
  return 0;
}
