#include "qorvexctl/platform/sdl/WindowMapping.h"

#include <gtest/gtest.h>

#include <vector>

#include "qorvexctl/platform/sdl/PresenterChoice.h"

namespace qorvexctl::platform {
namespace {

// A 320 x 240 form with the classic frame: 4-pixel border, 19-pixel caption above it.
constexpr Rect kDecoration{4, 23, 4, 4};

constexpr Rect R(int x, int y, int width, int height) {
  return Rect::FromSize(x, y, width, height);
}

TEST(WindowMapping, PlacesTheSystemWindowAndMapsBack) {
  struct Case {
    bool libraryFrame;
    int scale;
    Rect bounds;
    Rect place;    // the system window on the user's desktop
    Point pixel;   // a pixel of the system window
    Point screen;  // the library's screen point under it
  } cases[] = {
      {true, 1, R(50, 60, 320, 240), R(50, 60, 320, 240), {0, 0}, {50, 60}},
      {false, 1, R(50, 60, 320, 240), R(54, 83, 312, 213), {0, 0}, {54, 83}},
      {true, 2, R(50, 60, 320, 240), R(100, 120, 640, 480), {3, 5}, {51, 62}},
      {false, 2, R(50, 60, 320, 240), R(108, 166, 624, 426), {1, 1}, {54, 83}},
      // Left of and above the screen's origin, pixels keep mapping to the left and up.
      {true, 3, R(-10, -4, 320, 240), R(-30, -12, 960, 720), {-1, -4}, {-11, -6}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "frame " << c.libraryFrame << " scale " << c.scale);
    const WindowMapping mapping({320, 240}, kDecoration, c.libraryFrame, c.scale);
    EXPECT_EQ(mapping.SystemPlace(c.bounds), c.place);
    EXPECT_EQ(mapping.BoundsFor(c.place), c.bounds);
    EXPECT_EQ(mapping.ScreenPoint(c.bounds, c.pixel), c.screen);
  }
}

TEST(WindowMapping, BoundsFollowAMovedOrSizedSystemWindow) {
  const WindowMapping system({320, 240}, kDecoration, false, 1);
  // The client area grows by 100 x 50: the form grows by as much, its frame kept around it.
  EXPECT_EQ(system.BoundsFor(Rect::FromSize(204, 123, 412, 263)),
            Rect::FromSize(200, 100, 420, 290));
  const WindowMapping doubled({320, 240}, kDecoration, true, 2);
  // An odd system size loses its last half pixel; nothing shrinks below one pixel.
  EXPECT_EQ(doubled.BoundsFor(Rect::FromSize(10, 10, 641, 481)), Rect::FromSize(5, 5, 320, 240));
  EXPECT_EQ(doubled.BoundsFor(Rect::FromSize(0, 0, 1, 1)), Rect::FromSize(0, 0, 1, 1));
  // A form without a frame (or a popup) is shown whole either way.
  const WindowMapping bare({100, 80}, Rect{}, false, 1);
  EXPECT_EQ(bare.Shown(), Rect::FromSize(0, 0, 100, 80));
}

TEST(WindowMapping, ScaleFollowsTheDisplayResolution) {
  const struct {
    float dpi;
    int scale;
  } cases[] = {{0, 1}, {-5, 1}, {72, 1}, {96, 1}, {144, 1}, {168, 2}, {192, 2}, {288, 3}, {960, 4}};
  for (const auto& c : cases) EXPECT_EQ(ScaleForDpi(c.dpi), c.scale) << c.dpi;
}

Surface Filled(int width, int height, std::uint32_t value) {
  Surface s(width, height, 32);
  s.Fill(value);
  return s;
}

TEST(WindowMapping, ChangedRectHoldsEveryDifferingPixel) {
  const Surface before = Filled(40, 30, 0xFF808080u);
  struct Case {
    std::vector<Point> changed;
    Rect expected;
  } cases[] = {
      {{}, Rect{}},
      {{{0, 0}}, Rect{0, 0, 1, 1}},
      {{{39, 29}}, Rect{39, 29, 40, 30}},
      {{{5, 20}, {30, 3}}, Rect{5, 3, 31, 21}},
      {{{12, 7}, {12, 8}, {13, 7}}, Rect{12, 7, 14, 9}},
  };
  for (const Case& c : cases) {
    Surface after = before;
    for (Point p : c.changed) after.Words(p.y)[p.x] = 0xFF000000u;
    EXPECT_EQ(ChangedRect(before, after), c.expected);
  }
  EXPECT_EQ(ChangedRect(Surface(), before), std::nullopt);
  EXPECT_EQ(ChangedRect(before, Filled(40, 31, 0)), std::nullopt);
}

TEST(PresenterChoice, TheEnvironmentChoosesThePresenter) {
  using Kind = PresenterChoice::Kind;
  const struct {
    const char* presenter;
    const char* scale;
    Kind kind;
    bool libraryFrames;
    int chosenScale;
  } cases[] = {
      {nullptr, nullptr, Kind::Windows, false, 0},
      {"windows", "2", Kind::Windows, false, 2},
      {"classic", nullptr, Kind::Windows, true, 0},
      {"desktop", "3", Kind::Desktop, false, 3},
      {"headless", nullptr, Kind::Headless, false, 0},
      {"other", "0", Kind::Windows, false, 0},
      {"", "12", Kind::Windows, false, 0},
      {nullptr, "x", Kind::Windows, false, 0},
      {nullptr, "8", Kind::Windows, false, 8},
      {nullptr, "9", Kind::Windows, false, 0},
  };
  for (const auto& c : cases) {
    const PresenterChoice choice = ChoosePresenter(c.presenter, c.scale);
    SCOPED_TRACE(testing::Message() << (c.presenter ? c.presenter : "(unset)"));
    EXPECT_EQ(choice.kind, c.kind);
    EXPECT_EQ(choice.windows.libraryFrames, c.libraryFrames);
    EXPECT_EQ(choice.windows.scale, c.chosenScale);
  }
}

}  // namespace
}  // namespace qorvexctl::platform
