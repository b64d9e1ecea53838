#pragma once
// The demo's animation corner: a small form playing the demo's spinning coin
// (data/images/demo/coin_spin.gif, drawn by resources/make_demo_gif.py) three ways: at its
// actual size, scaled to a larger control, and mirrored across on a dark background. In the
// window presenter it animates in real time; headless, a sequence of its frames is written.

#include <filesystem>

#include "qorvexctl/controls/anigif/ucAniGIF.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Label.h"

namespace qorvexctl::demo {

class AniGifShowcase {
 public:
  AniGifShowcase(platform::Desktop& desktop, LibraryState& library);

  platform::Form& Window() { return m_form; }
  // The control whose timer fires last of the three at each frame.
  ucAniGIF& Mirrored() { return *m_mirrored; }

 private:
  ucAniGIF& AddAnimation(const char* name, platform::Rect bounds, ScaleGIFConstants stretch,
                         Colour background);
  void AddLabel(const char* name, const char* caption, platform::Rect bounds);

  LibraryState& m_library;
  platform::Form m_form;
  ucAniGIF* m_mirrored{nullptr};
};

// The demo's spinning coin (data/images/demo/coin_spin.gif) in a ucAniGIF on `container` (the
// form itself by default), kept by the form under `name`.
ucAniGIF& AddCoinAnimation(platform::Form& form, LibraryState& library, const char* name,
                           platform::Rect bounds, ScaleGIFConstants stretch, Colour background,
                           platform::Window* container = nullptr);

// Plays the showcase on a headless desktop and writes anigif_frame_1.png ... one picture
// every few frames of the first pass, into `folder`.
bool WriteAniGifScreenshots(const std::filesystem::path& folder);

}  // namespace qorvexctl::demo
