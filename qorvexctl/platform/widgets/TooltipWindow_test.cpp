#include "qorvexctl/platform/widgets/TooltipWindow.h"

#include <gtest/gtest.h>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl::platform {
namespace {

// A shown form with a text box that owns a balloon tip following the pointer.
struct TooltipFixture : ::testing::Test {
  Desktop desktop;
  Form form{desktop, "Teste"};
  TextBox& box = form.Add<TextBox>("Text1");
  Window& elsewhere = form.Add<TextBox>("Text2");
  TooltipWindow tip{desktop, box.hWnd(), TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON};

  TooltipFixture() {
    form.SetBounds(Rect::FromSize(100, 100, 400, 300));
    box.SetBounds(Rect::FromSize(10, 10, 120, 21));
    elsewhere.SetBounds(Rect::FromSize(10, 100, 120, 21));
    form.Show();
    const ToolInfo tool{.flags = TTF_SUBCLASS | TTF_TRANSPARENT | TTF_POPUPONDEMAND,
                        .owner = box.hWnd(),
                        .id = box.hWnd(),
                        .rect = box.ClientRect(),
                        .text = "Linha um\nLinha dois"};
    desktop.SendMessage(tip.hWnd(), 1028, 0, reinterpret_cast<LPARAM>(&tool));
    desktop.SendMessage(tip.hWnd(), 1027, 3, 500);
    desktop.SendMessage(tip.hWnd(), 1027, 2, 2000);
  }
};

TEST_F(TooltipFixture, AppearsAfterTheInitialDelayAndHidesAfterTheDisplayTime) {
  desktop.Input().MoveTo(box);
  desktop.Wait(499);
  EXPECT_FALSE(tip.IsTipShown());
  desktop.Wait(1);
  ASSERT_TRUE(tip.IsTipShown());
  desktop.Wait(1999);
  EXPECT_TRUE(tip.IsTipShown());
  desktop.Wait(1);
  EXPECT_FALSE(tip.IsTipShown());

  // Moving over the tool again does not bring it back until the pointer has left.
  desktop.Input().MoveTo(box, Point{5, 5});
  desktop.Wait(1000);
  EXPECT_FALSE(tip.IsTipShown());
  desktop.Input().MoveTo(elsewhere);
  desktop.Input().MoveTo(box);
  desktop.Wait(500);
  EXPECT_TRUE(tip.IsTipShown());
}

TEST_F(TooltipFixture, EveryMoveRestartsTheWaitAndLeavingOrPressingHides) {
  desktop.Input().MoveTo(box, Point{2, 2});
  desktop.Wait(300);
  desktop.Input().MoveTo(box, Point{40, 5});
  desktop.Wait(300);
  EXPECT_FALSE(tip.IsTipShown());
  desktop.Wait(200);
  ASSERT_TRUE(tip.IsTipShown());

  desktop.Input().MoveTo(elsewhere);
  EXPECT_FALSE(tip.IsTipShown());
  desktop.Input().MoveTo(box);
  desktop.Wait(500);
  ASSERT_TRUE(tip.IsTipShown());
  desktop.Input().MouseDown(box);
  EXPECT_FALSE(tip.IsTipShown());
}

TEST_F(TooltipFixture, MessageNumbersReachTheTip) {
  const HWND h = tip.hWnd();
  desktop.SendMessage(h, 1056, TTI_WARNING, reinterpret_cast<LPARAM>("Aviso"));
  desktop.SendMessage(h, 1044, RGB(0, 0, 128));
  desktop.SendMessage(h, 1043, RGB(255, 255, 255));
  const ToolInfo update{.owner = box.hWnd(), .id = box.hWnd(), .text = "Novo texto"};
  desktop.SendMessage(h, 1036, 0, reinterpret_cast<LPARAM>(&update));
  EXPECT_EQ(tip.Title(), "Aviso");
  EXPECT_EQ(tip.Icon(), TTI_WARNING);
  EXPECT_EQ(tip.TipTextColour(), RGB(0, 0, 128));
  EXPECT_EQ(tip.TipBackColour(), RGB(255, 255, 255));
  EXPECT_EQ(tip.WindowText(), "Novo texto");
  EXPECT_EQ(tip.DelayTime(TTDT_INITIAL), 500);
  EXPECT_EQ(tip.DelayTime(TTDT_AUTOPOP), 2000);

  desktop.SendMessage(h, 1025, 1);
  EXPECT_TRUE(tip.IsTipShown());
  // The stem points at the tool: the middle of its bottom edge when the pointer is not on it.
  const Rect tool = box.ScreenBounds();
  EXPECT_EQ(tip.Anchor(), (Point{(tool.left + tool.right) / 2, tool.bottom}));
  desktop.SendMessage(h, 1025, 0);
  EXPECT_FALSE(tip.IsTipShown());
}

TEST_F(TooltipFixture, WithoutAlwaysTipOnlyTheActiveFormShowsTips) {
  TooltipWindow plain{desktop, box.hWnd(), TTS_NOPREFIX};
  plain.AddTool(*tip.Tool());
  Form other{desktop, "Outra"};
  other.SetBounds(Rect::FromSize(600, 400, 200, 100));
  other.Show();
  desktop.Input().MoveTo(box);
  desktop.Wait(600);
  EXPECT_TRUE(tip.IsTipShown());
  EXPECT_FALSE(plain.IsTipShown());
}

// The painted balloon: body in the info-tip yellow, the stem's point outlined in the text
// colour, the information icon's blue and dark bold title pixels in the heading.
TEST(TooltipPainter, BalloonShowsTitleIconAndStem) {
  const TooltipLook look{.text = "Primeira linha\nSegunda linha",
                         .title = "Informação",
                         .icon = TTI_INFO,
                         .balloon = true};
  const TooltipLayout layout = LayOutTooltip(look, Point{200, 100}, false, Size{1024, 768});
  EXPECT_EQ(layout.window.top, 101);  // just below the anchor, stem pointing up at it
  ASSERT_TRUE(layout.hasStem);
  Surface surface(layout.window.Width(), layout.window.Height(), 32);
  Canvas canvas(surface);
  PaintTooltip(canvas, look, layout);

  const Point stemTip = layout.stem[1];
  EXPECT_EQ(stemTip, (Point{200 - layout.window.left, 0}));
  EXPECT_FALSE(layout.window.Contains(200, 100));
  EXPECT_EQ(canvas.GetPixel(stemTip.x, stemTip.y), RGB(0, 0, 0));
  EXPECT_EQ(surface.PixelValue(0, 0) >> 24, 0u) << "the corner stays see-through";
  const Rect body = layout.body;
  EXPECT_EQ(canvas.GetPixel(body.left + 3, body.bottom - 10),
            ResolveColour(SystemColour(COLOR_INFOBK)));
  const Rect icon = layout.iconBox;
  EXPECT_EQ(canvas.GetPixel(icon.left + 3, icon.top + 8), RGB(32, 96, 208));
  int dark = 0;
  for (int y = layout.titleBox.top; y < layout.titleBox.bottom; ++y) {
    for (int x = layout.titleBox.left; x < layout.titleBox.right; ++x) {
      if (RedOf(canvas.GetPixel(x, y)) < 64) ++dark;
    }
  }
  EXPECT_GT(dark, 30);
}

TEST(TooltipPainter, BalloonGoesAboveTheAnchorNearTheScreenBottom) {
  TooltipLook look;
  look.text = "Texto";
  look.balloon = true;
  const TooltipLayout layout = LayOutTooltip(look, Point{500, 760}, false, Size{1024, 768});
  EXPECT_EQ(layout.window.bottom, 760);
  EXPECT_EQ(layout.stem[1].y, layout.window.Height() - 1);
}

}  // namespace
}  // namespace qorvexctl::platform
