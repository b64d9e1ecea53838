// docs/anigif.md, docs/button.md, docs/article-reference.md and docs/slide-panel.md: an animated
// GIF, a multi-style button, a law-article reference and a slide panel on a host's form.

#include <cstdio>
#include <memory>

#include "qorvexctl/controls/anigif/ucAniGIF.h"
#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/controls/helpers/cRefArtigo.h"
#include "qorvexctl/controls/helpers/cSlider.h"
#include "qorvexctl/frame/LibraryFunctions.h"
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

void AddArticleReference(LibraryState& library, platform::Desktop& desktop, platform::Form& form) {
  cRefArtigo ref(library, desktop, &form);
  ref.Move(300, 2400, 3000, 255);
  ref.TipoArtigo(Artigo_IRS);
  ref.artigo("78,2,a)");                      // "IRS" and "Art.78º nº2 al.a)"
  ref.EXERCICIO(2025);
  // Without the lookup service the click opens the viewer (showcod2) on the article service;
  // here the service is a local page, whose file the address's query does not change.
  auto& settings = desktop.Settings();
  settings.Set(kSettingsApplication, kConfigSection, kUseLookupKey, "0");
  settings.Set(kSettingsApplication, kConfigSection, kArticleServiceHostKey,
               "file:///opt/irs/data/articles/irs-78.html?");
  ref.OpenArticle();                          // as a click on the link
}

void AddSlidePanel(LibraryState& library, platform::Desktop& desktop, platform::Form& form) {
  cSlider panel(library, desktop, &form);
  panel.Move(300, 3000, 4000, 600);
  cButton inside(library, desktop, &panel);   // the host's controls go on the panel
  inside.Move(60, 60, 1500, 375);
  panel.SlideOpen(false);                     // only the handle shows, with the unfold arrow
  panel.Slided.connect([&] { std::printf("open: %d\n", panel.SlideOpen()); });
  panel.cc().Click();                         // unfolds: 1560 + 255 + 300 twips wide
}

}  // namespace

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Espera");
  auto& status = form.Add<platform::Label>("lblEstado");
  AddWaitAnimation(library, desktop, form, status);
  AddSaveButton(library, desktop, form);
  AddArticleReference(library, desktop, form);
  AddSlidePanel(library, desktop, form);
  return 0;
}
