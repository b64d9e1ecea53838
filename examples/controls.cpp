// docs/anigif.md and docs/button.md: an animated GIF and a multi-style button on a host's form.

#include <cstdio>
#include <memory>

#include "qorvexctl/controls/anigif/ucAniGIF.h"
#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Label.h"

using namespace qorvexctl;

namespace {

// Where the host would save its declaration.
void Save() { std::puts("saved"); }

void AddWaitAnimation(LibraryState& library, platform::Desktop& desktop, platform::Form& form,
                      platform::Label& status) {
  auto gif = std::make_shared<ucAniGIF>(library, desktop, &form);
  form.Adopt(gif, "aniEspera");
  gif->SetBounds(platform::Rect::FromSize(20, 20, 64, 64));
  gif->InitProperties();                       // MinFrameDelay 50, gfsScaleAlways, gfdDelayStartup
  gif->Loops(3);
  gif->LoopsEnded.connect([&] { status.Caption("pronto"); });
  gif->LoadAnimatedGIF_File("espera.gif");     // false: empty control, size unchanged
  gif->LoadAnimatedGIF_Remote("https://example.org/espera.gif");  // RemoteLoadComplete / Failure
}

void AddSaveButton(LibraryState& library, platform::Desktop& desktop, platform::Form& form) {
  cButton save(library, desktop, &form);
  save.Caption("Save && &Close");          // "&&" is a literal ampersand; Alt+C clicks it
  save.ButtonStyle(efbxp_XP);
  save.Tooltip("Grava a declaração\\13e sai");  // "\13" breaks the balloon's line
  save.Click.connect([&] { Save(); });
}

}  // namespace

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Espera");
  auto& status = form.Add<platform::Label>("lblEstado");
  AddWaitAnimation(library, desktop, form, status);
  AddSaveButton(library, desktop, form);
  return 0;
}
