#include "qorvexctl/platform/desktop/Compositor.h"

#include <gtest/gtest.h>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/HeadlessPresenter.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/drawing/SystemColours.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/TextBox.h"
#include "testsupport/TestData.h"

namespace qorvexctl::platform {
namespace {

// True when some pixel of `r` on `s` differs from `background`.
bool HasInk(const Surface& s, const Rect& r, Colour background) {
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (s.PixelColour(x, y) != background) return true;
    }
  }
  return false;
}

struct ScreenFixture : ::testing::Test {
  Desktop desktop;
  SystemColours colours;
  Form form{desktop, "Declaração"};
  TextBox& box = form.Add<TextBox>("Nome");
  Label& label = form.Add<Label>("lblNome");

  ScreenFixture() {
    form.SetBounds(Rect::FromSize(40, 30, 300, 150));
    label.Caption("&Nome:");
    label.SetBounds(Rect::FromSize(10, 12, 60, 16));
    box.SetBounds(Rect::FromSize(80, 10, 150, 21));
    form.Show();
  }
  Point OnScreen(const Window& w, Point p) const { return w.ClientToScreen(p); }
};

TEST_F(ScreenFixture, ComposedDesktopShowsFrameTextBoxAndTypedText) {
  desktop.Input().Type("Ana");
  const Surface screen = ComposeDesktop(desktop);
  EXPECT_EQ(screen.Width(), 1024);
  // Desktop background outside the form, active caption colour in the caption bar.
  EXPECT_EQ(screen.PixelColour(5, 5), colours.Get(COLOR_BACKGROUND));
  EXPECT_EQ(screen.PixelColour(45, 36), colours.Get(COLOR_ACTIVECAPTION));
  // Client area in button face, the text box in white with dark text near its left edge.
  const Point client = form.ClientToScreen({2, 140});
  EXPECT_EQ(screen.PixelColour(client.x, client.y - 40), colours.Get(COLOR_BTNFACE));
  const Point boxRight = OnScreen(box, {140, 10});
  EXPECT_EQ(screen.PixelColour(boxRight.x, boxRight.y), colours.Get(COLOR_WINDOW));
  const Point boxText = OnScreen(box, {0, 0});
  EXPECT_TRUE(HasInk(screen, Rect::FromSize(boxText.x + 3, boxText.y + 3, 30, 14),
                     colours.Get(COLOR_WINDOW)));
  const Point labelText = OnScreen(label, {0, 0});
  EXPECT_TRUE(
      HasInk(screen, Rect::FromSize(labelText.x, labelText.y, 40, 16), colours.Get(COLOR_BTNFACE)));
  ASSERT_TRUE(HeadlessPresenter::Screenshot(
      desktop, testsupport::MakeTempFolder("compose") / "desktop.png"));
}

TEST_F(ScreenFixture, TransparentLabelShowsItsParentsBackground) {
  form.BackColor(RGB(0, 0, 200));
  label.BackColor(RGB(255, 0, 0));
  label.Caption("");
  const Point inside = OnScreen(label, {30, 8});
  EXPECT_EQ(ComposeDesktop(desktop).PixelColour(inside.x, inside.y), RGB(255, 0, 0));
  label.BackStyle(0);
  EXPECT_EQ(ComposeDesktop(desktop).PixelColour(inside.x, inside.y), RGB(0, 0, 200));
}

TEST_F(ScreenFixture, WindowRegionClipsDrawingAndHitTesting) {
  box.SetWindowRgn(Region::FromEllipse({0, 0, 150, 21}));
  const Point corner = OnScreen(box, {1, 1});
  EXPECT_NE(desktop.WindowFromPoint(corner), &box);
  EXPECT_EQ(ComposeDesktop(desktop).PixelColour(corner.x, corner.y), colours.Get(COLOR_BTNFACE));
  const Point centre = OnScreen(box, {75, 10});
  EXPECT_EQ(desktop.WindowFromPoint(centre), &box);
}

TEST_F(ScreenFixture, TopmostFormStaysAboveAnActivatedForm) {
  Form palette(desktop, "Paleta");
  palette.SetBounds(Rect::FromSize(100, 60, 100, 80));
  palette.BackColor(RGB(0, 255, 0));
  palette.TopMost(true);
  palette.Show();
  form.Show();  // activates the form; the topmost palette stays in front
  const Point p = palette.ClientToScreen({10, 10});
  EXPECT_EQ(desktop.WindowFromPoint(p), &palette);
  EXPECT_EQ(ComposeDesktop(desktop).PixelColour(p.x, p.y), RGB(0, 255, 0));
  palette.TopMost(false);
  form.ZOrder(0);
  EXPECT_EQ(ComposeDesktop(desktop).PixelColour(p.x, p.y), colours.Get(COLOR_BTNFACE));
}

TEST_F(ScreenFixture, ClickingInATextBoxPutsTheCaretNearThePointer) {
  box.Text("0123456789");
  desktop.Input().Click(box, Point{2, 10});
  EXPECT_EQ(box.SelStart(), 0);
  desktop.Input().Click(box, Point{148, 10});
  EXPECT_EQ(box.SelStart(), 10);
  const int fifth = box.Font().TextWidth("01234") + 3;
  desktop.Input().Click(box, Point{fifth, 10});
  EXPECT_EQ(box.SelStart(), 5);
}

}  // namespace
}  // namespace qorvexctl::platform
