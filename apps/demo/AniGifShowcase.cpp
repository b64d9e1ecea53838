#include "AniGifShowcase.h"

#include <cstddef>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

#include "DemoControls.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/HeadlessPresenter.h"

// data/images/demo/coin_spin.gif, compiled in by qorvexctl_embed_resource.
extern const unsigned char qorvexctl_demo_coin_spin_gif[];
extern const std::size_t qorvexctl_demo_coin_spin_gif_size;

namespace qorvexctl::demo {

using platform::Rect;

namespace {

std::span<const std::uint8_t> CoinSpin() {
  return {qorvexctl_demo_coin_spin_gif, qorvexctl_demo_coin_spin_gif_size};
}

}  // namespace

AniGifShowcase::AniGifShowcase(platform::Desktop& desktop, LibraryState& library)
    : m_library(library), m_form(desktop, "Animação GIF") {
  m_form.SetBounds(Rect::FromSize(610, 40, 400, 230));
  AddLabel("lblActual", "Tamanho real", Rect::FromSize(16, 12, 110, 18));
  AddLabel("lblScaled", "Escalado", Rect::FromSize(136, 12, 110, 18));
  AddLabel("lblMirrored", "Espelhado", Rect::FromSize(270, 12, 110, 18));
  AddAnimation("aniReal", Rect::FromSize(16, 40, 100, 100), gfsActualSize,
                           RGB(255, 255, 255));
  AddAnimation("aniEscalado", Rect::FromSize(136, 40, 120, 160), gfsScaleAlways,
               RGB(236, 242, 250));
  m_mirrored =
      &AddAnimation("aniEspelhado", Rect::FromSize(270, 40, 110, 110), gfsStretch, RGB(40, 44, 60));
  m_mirrored->Mirrored(gfmHorizontal);
}

ucAniGIF& AddCoinAnimation(platform::Form& form, LibraryState& library, const char* name,
                           Rect bounds, ScaleGIFConstants stretch, Colour background,
                           platform::Window* container) {
  ucAniGIF& control = AddControl<ucAniGIF>(form, library, name, bounds, container);
  control.BackColor(background);
  control.Stretch(stretch);
  control.LoadAnimatedGIF_Array(CoinSpin());
  return control;
}

ucAniGIF& AniGifShowcase::AddAnimation(const char* name, Rect bounds, ScaleGIFConstants stretch,
                                       Colour background) {
  return AddCoinAnimation(m_form, m_library, name, bounds, stretch, background);
}

void AniGifShowcase::AddLabel(const char* name, const char* caption, Rect bounds) {
  auto& label = m_form.Add<platform::Label>(name);
  label.Caption(caption);
  label.SetBounds(bounds);
}

bool WriteAniGifScreenshots(const std::filesystem::path& folder) {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  AniGifShowcase showcase(desktop, library);
  showcase.Window().Show();
  bool ok = true;
  int picture = 0;
  // Every third frame of the first pass: the coin turns 67.5 degrees between pictures.
  showcase.Mirrored().FrameChanged.connect([&](int frame) {
    if ((frame - 1) % 3 != 0 || picture >= 4) return;
    const auto file = folder / ("anigif_frame_" + std::to_string(++picture) + ".png");
    desktop.DoEvents();
    const bool saved = platform::HeadlessPresenter::Screenshot(showcase.Window(), file);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", file.string().c_str());
    ok = saved && ok;
  });
  desktop.Wait(1000);
  return ok && picture == 4;
}

}  // namespace qorvexctl::demo
