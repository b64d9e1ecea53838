#pragma once
// What the animated GIF control's tests share: small animations built byte by byte, and a
// control placed on a shown form of a headless desktop (virtual clock) that records the
// frames it draws with the time of each, and the loops it ends.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "qorvexctl/controls/anigif/ucAniGIF.h"
#include "qorvexctl/platform/desktop/Compositor.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "testsupport/GifTestBuilder.h"

namespace qorvexctl::testing {

// Entry i of the builder's colour tables.
inline Colour TableColour(int i) { return RGB(i * 10, i * 20 + 1, 255 - i); }

// An animation of 4 x 2 pixels, one frame per delay (hundredths of a second); frame k is
// filled with index k % 4. Loops: the NETSCAPE2.0 count, none when negative.
inline Bytes Animation(const std::vector<int>& delays, int loops = -1) {
  GifBuilder gif(4, 4, 2);
  if (loops >= 0) gif.Netscape(loops);
  for (std::size_t k = 0; k < delays.size(); ++k) {
    gif.GraphicControl(1, delays[k]);
    gif.Image(0, 0, 4, 2, Bytes(8, static_cast<std::uint8_t>(k % 4)));
  }
  return gif.Trailer().Build();
}

struct FrameShown {
  int frame;
  std::int64_t atMs;
  friend bool operator==(const FrameShown&, const FrameShown&) = default;
};

struct AniGifTest : ::testing::Test {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};
  platform::Form form{desktop, "Teste"};
  std::shared_ptr<ucAniGIF> owned = std::make_shared<ucAniGIF>(library, desktop, &form);
  ucAniGIF& gif = *owned;
  std::vector<FrameShown> shown;
  int loopsEnded = 0;

  AniGifTest() {
    form.SetBounds(platform::Rect::FromSize(0, 0, 300, 200));
    form.Adopt(owned, "aniGIF");
    gif.SetBounds(platform::Rect::FromSize(10, 10, 40, 40));
    gif.InitProperties();
    gif.FrameChanged.connect([this](int frame) { shown.push_back({frame, desktop.NowMs()}); });
    gif.LoopsEnded.connect([this] { ++loopsEnded; });
    form.Show();
    desktop.DoEvents();
  }

  // Loads without the start-up delay, so the first frame is on show at once.
  void LoadNow(const Bytes& bytes) {
    gif.DelayAnimation(gfdNone);
    ASSERT_TRUE(gif.LoadAnimatedGIF_Array(bytes));
  }

  // The control's pixels as the screen shows them, in its client coordinates.
  platform::Surface Pixels() {
    desktop.DoEvents();
    return platform::ComposeWindow(gif);
  }
};

}  // namespace qorvexctl::testing
