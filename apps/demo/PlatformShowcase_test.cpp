#include "PlatformShowcase.h"

#include <gtest/gtest.h>

#include "qorvexctl/platform/Compositor.h"
#include "qorvexctl/platform/Desktop.h"
#include "qorvexctl/platform/UserInput.h"

namespace qorvexctl::demo {
namespace {

using platform::Rect;
using platform::Surface;

// Pixel counts of a window's area in a picture of the whole form.
struct AreaColours {
  int white = 0;
  int dark = 0;
};

AreaColours CountColours(const Surface& shot, platform::Window& form, platform::Window& control) {
  const Rect outer =
      control.ScreenBounds().Offset(-form.ScreenBounds().left, -form.ScreenBounds().top);
  const Rect inside = outer.Inflate(-3, -3);  // past the sunken edge
  AreaColours counts;
  for (int y = inside.top; y < inside.bottom; ++y) {
    for (int x = inside.left; x < inside.right; ++x) {
      const Colour c = shot.PixelColour(x, y);
      if (c == RGB(255, 255, 255)) ++counts.white;
      if (RedOf(c) < 90 && GreenOf(c) < 90 && BlueOf(c) < 90) ++counts.dark;
    }
  }
  return counts;
}

class PlatformShowcaseTest : public ::testing::Test {
 protected:
  PlatformShowcaseTest() { showcase.Window().Show(); }
  platform::Desktop desktop;
  PlatformShowcase showcase{desktop};
};

TEST_F(PlatformShowcaseTest, ScreenshotShowsTheTextBoxesAsWhiteFieldsWithDarkText) {
  const Surface shot = platform::ComposeWindow(showcase.Window());
  for (platform::Window* box : {static_cast<platform::Window*>(&showcase.Name()),
                                static_cast<platform::Window*>(&showcase.Notes())}) {
    const AreaColours counts = CountColours(shot, showcase.Window(), *box);
    const int area = (box->Bounds().Width() - 6) * (box->Bounds().Height() - 6);
    EXPECT_GT(counts.white, area / 2) << box->Name();
    EXPECT_GT(counts.dark, 30) << box->Name();
  }
}

TEST_F(PlatformShowcaseTest, RightClickOnTheFormOpensThePopupWhoseItemsAct) {
  desktop.Scripts().ChoosePopupItem("Limpar observações");
  desktop.Input().Click(showcase.Window(), platform::Point{470, 200}, platform::vbRightButton);
  EXPECT_EQ(showcase.Notes().Text(), "");
  desktop.Scripts().ChoosePopupItem("Verificar ortografia");
  desktop.Input().Click(showcase.Window(), platform::Point{470, 200}, platform::vbRightButton);
  EXPECT_FALSE(showcase.Popup().Item("mnuOrtografia")->Checked());
}

}  // namespace
}  // namespace qorvexctl::demo
