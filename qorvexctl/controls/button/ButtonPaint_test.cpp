// The button's looks: the gradient's bands, the shapes' regions and what the eight looks put on
// the screen, probed pixel by pixel.

#include <gtest/gtest.h>

#include <algorithm>

#include "qorvexctl/controls/button/ButtonGradient.h"
#include "qorvexctl/controls/button/ButtonShapes.h"
#include "qorvexctl/controls/button/ButtonTest.h"
#include "qorvexctl/platform/desktop/Compositor.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "testsupport/SurfaceCompare.h"

namespace qorvexctl {
namespace {

TEST(ButtonGradient, FourBandsStepEveryChannelAndKeepTheWholePart) {
  // Red 0 -> 9 (steps of 3), green 255 -> 0 (steps of -85), blue 1 -> 0 (steps of -1/3, so
  // 1, 0.67, 0.33, 0 keep 1, 0, 0, 0).
  const GradientBands bands = MakeGradientBands(768, 4, RGB(0, 255, 1), RGB(9, 0, 0));
  EXPECT_EQ(bands.bandSize, 1);
  EXPECT_EQ(bands.colours,
            (std::vector<Colour>{RGB(0, 255, 1), RGB(3, 170, 0), RGB(6, 85, 0), RGB(9, 0, 0)}));
}

TEST(ButtonGradient, ButtonsAQuarterOfTheScreenOrMoreGetTwoPixelBands) {
  const GradientBands coarse = MakeGradientBands(768, 200, 0, RGB(255, 255, 255));
  EXPECT_EQ(coarse.bandSize, 2);
  EXPECT_EQ(coarse.colours.size(), 100u);
  const GradientBands fine = MakeGradientBands(768, 192, 0, RGB(255, 255, 255));
  EXPECT_EQ(fine.bandSize, 1);
  EXPECT_EQ(fine.colours.size(), 192u);
}

TEST(ButtonGradient, ReversedDirectionsTakeTheTableFromTheEnd) {
  const struct {
    GradientConstants mode;
    platform::Point first, last;
  } cases[] = {{efbxp_Left2Right, {0, 0}, {3, 0}},
               {efbxp_Right2Left, {3, 0}, {0, 0}},
               {efbxp_Top2Bottom, {0, 0}, {0, 3}},
               {efbxp_Bottom2Top, {0, 3}, {0, 0}}};
  for (const auto& c : cases) {
    platform::Surface surface(4, 4, 32);
    platform::Canvas canvas(surface);
    PaintGradient(canvas, surface.Bounds(), c.mode, {1024, 768}, RGB(255, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(surface.PixelColour(c.first.x, c.first.y), RGB(255, 0, 0)) << c.mode;
    EXPECT_EQ(surface.PixelColour(c.last.x, c.last.y), RGB(0, 0, 255)) << c.mode;
  }
}

TEST(ButtonShapes, RegionsOfRoundAndDiagonalShapes) {
  const platform::Size size{40, 20};
  const struct {
    ButtonStyleConstants shape;
    platform::Point point;
    bool inside;
  } cases[] = {
      {efbxp_Round3D, {0, 0}, false},        {efbxp_Round3D, {20, 10}, true},
      {efbxp_Round3D, {39, 10}, true},       {efbxp_Round3D, {39, 0}, false},
      {efbxp_RoundFlat, {2, 2}, false},      {efbxp_LeftDiagonal, {0, 0}, true},
      {efbxp_LeftDiagonal, {1, 19}, false},  {efbxp_LeftDiagonal, {39, 19}, true},
      {efbxp_RightDiagonal, {39, 0}, false}, {efbxp_RightDiagonal, {0, 19}, true},
      {efbxp_FullDiagonal, {1, 19}, false},  {efbxp_FullDiagonal, {39, 0}, false},
      {efbxp_FullDiagonal, {20, 10}, true},  {efbxp_Rectangular, {40, 20}, true},
  };
  for (const auto& c : cases) {
    const platform::Region region = ShapeRegion(c.shape, efbxp_w95, size);
    EXPECT_EQ(region.Contains(c.point.x, c.point.y), c.inside)
        << c.shape << " at " << c.point.x << "," << c.point.y;
  }
  // The XP look trims the rectangle's corners.
  EXPECT_FALSE(ShapeRegion(efbxp_Rectangular, efbxp_XP, size).Contains(0, 0));
}

TEST(ButtonShapes, ACustomShapeIsThePicturesSolidPixels) {
  platform::Surface picture(4, 4, 32);
  picture.Fill(0);  // transparent
  picture.SetPixelValue(1, 1, picture.ValueOf(RGB(255, 0, 0)));
  const platform::Region region = PictureShapeRegion(picture, {10, 10, 18, 18});  // scaled x2
  EXPECT_TRUE(region.Contains(12, 12));
  EXPECT_TRUE(region.Contains(13, 13));
  EXPECT_FALSE(region.Contains(14, 12));
  EXPECT_EQ(region.Bounds(), (platform::Rect{12, 12, 14, 14}));
}

struct ButtonLooksTest : ButtonTest {
  // The button as the screen shows it, the container round it included.
  platform::Surface Screen(cButton& b) {
    desktop.DoEvents();
    const platform::Surface whole = platform::ComposeWindow(form);
    const platform::Rect at = b.Bounds().Offset(form.ClientOffset().x, form.ClientOffset().y);
    platform::Surface part(at.Width(), at.Height(), 32);
    platform::Canvas(part).BitBlt(0, 0, at.Width(), at.Height(), whole, at.left, at.top,
                                  platform::SRCCOPY);
    return part;
  }
};

TEST_F(ButtonLooksTest, TheXPHotTintShowsOnlyWhileHot) {
  cButton& b = MakeButton("cmd", {20, 20, 120, 50});
  b.ButtonStyle(efbxp_XP);
  const Colour tint = 0xFFDFBF;
  EXPECT_NE(Screen(b).PixelColour(1, 15), tint);
  input.MoveTo(b);
  EXPECT_EQ(Screen(b).PixelColour(1, 15), tint);
  EXPECT_EQ(Screen(b).PixelColour(50, 2), tint);
  input.MoveTo(form, platform::Point{300, 250});
  desktop.Wait(50);
  EXPECT_NE(Screen(b).PixelColour(1, 15), tint);
}

TEST_F(ButtonLooksTest, ACheckedW95ButtonHasTheClassicCheckedFace) {
  cButton& b = MakeButton("chk", {20, 20, 120, 50});
  b.ButtonStyle(efbxp_w95);
  b.Caption("");
  b.Mode(efbxp_CheckBox);
  b.BackColor(RGB(192, 192, 192));
  EXPECT_EQ(Screen(b).PixelColour(50, 15), RGB(192, 192, 192));
  b.Value(true);
  EXPECT_EQ(Screen(b).PixelColour(50, 15), RGB(233, 233, 233));
}

TEST_F(ButtonLooksTest, ARoundButtonsCornersShowTheContainer) {
  cButton& b = MakeButton("cmd", {20, 20, 120, 60});
  b.ButtonShape(efbxp_Round3D);
  b.BackColor(RGB(255, 255, 255));
  platform::Surface screen = Screen(b);
  EXPECT_EQ(screen.PixelColour(0, 0), RGB(0, 128, 0));
  EXPECT_EQ(screen.PixelColour(99, 39), RGB(0, 128, 0));
  EXPECT_EQ(screen.PixelColour(50, 20), RGB(255, 255, 255));
  // A new container colour shows at once, and the rim blends into it.
  form.BackColor(RGB(0, 0, 200));
  screen = Screen(b);
  EXPECT_EQ(screen.PixelColour(0, 0), RGB(0, 0, 200));
  EXPECT_EQ(b.OffscreenSurface().PixelColour(0, 0), RGB(0, 0, 200));
}

TEST_F(ButtonLooksTest, RoundAndDiagonalShapesClipHitTesting) {
  cButton& round = MakeButton("round", {20, 20, 120, 60});
  round.ButtonShape(efbxp_Round3D);
  cButton& slanted = MakeButton("slanted", {20, 100, 120, 140});
  slanted.ButtonShape(efbxp_LeftDiagonal);
  desktop.DoEvents();
  const auto at = [&](cButton& b, int x, int y) {
    return desktop.WindowFromPoint(b.ClientToScreen({x, y}));
  };
  EXPECT_EQ(at(round, 50, 20), &round);
  EXPECT_EQ(at(round, 1, 1), &form);
  EXPECT_EQ(at(slanted, 2, 38), &form);
  EXPECT_EQ(at(slanted, 98, 38), &slanted);
  input.Click(round, platform::Point{1, 1});
  EXPECT_EQ(std::count(log.begin(), log.end(), "round Click"), 0);  // the form took it
  input.Click(round, platform::Point{50, 20});
  EXPECT_EQ(std::count(log.begin(), log.end(), "round Click"), 1);
}

TEST_F(ButtonLooksTest, ACaptionWithDoubleBarsDrawsTwoLines) {
  cButton& b = MakeButton("cmd", {20, 20, 120, 80});
  b.ButtonStyle(efbxp_Flat);
  b.BackColor(RGB(255, 255, 255));
  b.ForeColor(0);
  const auto inkRows = [&] {
    const platform::Surface& s = b.OffscreenSurface();
    std::vector<bool> rows;
    for (int y = 0; y < s.Height(); ++y) {
      bool ink = false;
      for (int x = 5; x < s.Width() - 5; ++x) ink = ink || s.PixelColour(x, y) == 0;
      rows.push_back(ink);
    }
    return rows;
  };
  const auto bands = [](const std::vector<bool>& rows) {
    int count = 0;
    for (std::size_t y = 0; y < rows.size(); ++y) count += rows[y] && (y == 0 || !rows[y - 1]);
    return count;
  };
  b.Caption("Gravar sair");
  EXPECT_EQ(bands(inkRows()), 1);
  b.Caption("Gravar||sair");
  EXPECT_EQ(bands(inkRows()), 2);
}

TEST_F(ButtonLooksTest, EveryLookShowsCheckedAndDisabledButtonsDifferently) {
  cButton& b = MakeButton("b", {20, 20, 120, 50});
  b.Mode(efbxp_CheckBox);
  for (int look = efbxp_w95; look <= efbxp_Macintosh; ++look) {
    b.ButtonStyle(static_cast<BackStyleConstants>(look));
    b.Value(false);
    const platform::Surface normal = b.OffscreenSurface();
    b.Value(true);
    const platform::Surface checked = b.OffscreenSurface();
    b.Value(false);
    EXPECT_FALSE(testsupport::CompareSurfaces(checked, normal, 0)) << "look " << look;
    b.Enabled(false);
    EXPECT_FALSE(testsupport::CompareSurfaces(b.OffscreenSurface(), normal, 0))
        << "disabled look " << look;
    b.Enabled(true);
  }
}

}  // namespace
}  // namespace qorvexctl
