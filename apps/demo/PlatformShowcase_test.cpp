#include "PlatformShowcase.h"

#include <gtest/gtest.h>

#include "qorvexctl/platform/desktop/Compositor.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"

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
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};
  PlatformShowcase showcase{desktop, library};
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

TEST_F(PlatformShowcaseTest, ScreenshotShowsTheListHeaderAndTheFlagsOfItsRows) {
  const Surface shot = platform::ComposeWindow(showcase.Window());
  platform::ListView& list = showcase.Countries();
  const platform::Point origin{list.ScreenBounds().left - showcase.Window().ScreenBounds().left,
                               list.ScreenBounds().top - showcase.Window().ScreenBounds().top};
  const Colour face = desktop.Colours().Get(platform::COLOR_BTNFACE);
  const Rect header = list.HeaderRect(0).Offset(origin.x, origin.y).Inflate(-3, -3);
  int facePixels = 0;
  for (int y = header.top; y < header.bottom; ++y) {
    for (int x = header.left; x < header.right; ++x) facePixels += shot.PixelColour(x, y) == face;
  }
  EXPECT_GT(facePixels, header.Width() * header.Height() / 2);
  // The first row is Alemanha (sorted by name): its shaded flag shows a dark, a red and a gold
  // band in the icon's place.
  const Rect row = list.ItemRect(1).Offset(origin.x, origin.y);
  int red = 0, gold = 0, dark = 0;
  for (int y = row.top; y < row.bottom; ++y) {
    for (int x = row.left; x < row.left + 20; ++x) {
      const Colour c = shot.PixelColour(x, y);
      red += RedOf(c) > 200 && GreenOf(c) < 140 && BlueOf(c) < 140;
      gold += RedOf(c) > 200 && GreenOf(c) > 190 && BlueOf(c) < 120;
      dark += RedOf(c) < 130 && GreenOf(c) < 130 && BlueOf(c) < 130;
    }
  }
  EXPECT_GT(red, 8);
  EXPECT_GT(gold, 8);
  EXPECT_GT(dark, 8);
}

TEST_F(PlatformShowcaseTest, HeaderClicksSortTheCountriesByThatColumnThenReverse) {
  platform::ListView& list = showcase.Countries();
  EXPECT_EQ(list.Item(1).Text(), "Alemanha");
  const platform::Point codeHeader{list.HeaderRect(1).left + 10, list.HeaderRect(1).top + 5};
  desktop.Input().Click(list, codeHeader);
  EXPECT_EQ(list.Item(1).Text(), "Áustria");
  desktop.Input().Click(list, codeHeader);
  EXPECT_EQ(list.Item(1).Text(), "Portugal");
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
