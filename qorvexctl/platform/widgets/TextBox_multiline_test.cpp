#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/ScrollBar.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl::platform {
namespace {

// A shown form with a focused multi-line text box wide enough that nothing wraps, and three
// lines high.
struct MultiLineFixture : ::testing::Test {
  Desktop desktop;
  Form form{desktop, "Notas"};
  TextBox& box = form.Add<TextBox>("txtNotas");
  int changes = 0;

  MultiLineFixture() {
    form.SetBounds(Rect::FromSize(0, 0, 400, 300));
    box.MultiLine(true);
    box.SetBounds(Rect::FromSize(10, 10, 300, 4 + 1 + 3 * box.Font().Height()));
    form.Show();
    box.SetFocus();
    box.Change.connect([this] { ++changes; });
  }
  void Press(int keyCode, int shift = 0) { desktop.Input().PressKey(keyCode, shift); }

  // Keys pressed in turn, each with the SelStart it leads to.
  struct Step {
    int keyCode;
    int shift;
    int selStart;
  };
  void ExpectSteps(std::initializer_list<Step> steps) {
    int i = 0;
    for (const Step& step : steps) {
      Press(step.keyCode, step.shift);
      EXPECT_EQ(box.SelStart(), step.selStart) << "step " << i++ << ", key " << step.keyCode;
    }
  }
};

// The form's default button; `clicks` counts its Click events.
void AddDefaultButton(Form& form, int& clicks) {
  auto& ok = form.Add<CommandButton>("cmdOK", nullptr, "OK");
  ok.Default(true);
  ok.Click.connect([&clicks] { ++clicks; });
}

TEST_F(MultiLineFixture, EnterInsertsCarriageReturnLineFeed) {
  int clicks = 0;
  AddDefaultButton(form, clicks);
  desktop.Input().Type("ab");
  Press(vbKeyReturn);
  desktop.Input().Type("cd");
  EXPECT_EQ(box.Text(), "ab\r\ncd");
  EXPECT_EQ(box.SelStart(), 6);
  EXPECT_EQ(changes, 5);
  EXPECT_EQ(clicks, 0);  // the box takes Enter before the default button

  box.MaxLength(7);
  Press(vbKeyReturn);  // only one character would fit: no half line break
  EXPECT_EQ(box.Text(), "ab\r\ncd");
}

TEST_F(MultiLineFixture, OneLineBoxLeavesEnterToTheDefaultButton) {
  box.MultiLine(false);
  int clicks = 0;
  AddDefaultButton(form, clicks);
  desktop.Input().Type("ab");
  Press(vbKeyReturn);
  EXPECT_EQ(box.Text(), "ab");
  EXPECT_EQ(clicks, 1);
}

TEST_F(MultiLineFixture, UpAndDownMoveByLinesKeepingTheColumn) {
  box.Text("abcdef\r\nab\r\nabcdef");
  box.SelStart(4);
  ExpectSteps({{vbKeyDown, 0, 10},            // the short line's end
               {vbKeyDown, 0, 16},            // back in column 4
               {vbKeyDown, 0, 16},            // no line below
               {vbKeyUp, vbShiftMask, 10}});  // selecting upwards
  EXPECT_EQ(box.SelLength(), 6);
  ExpectSteps({{vbKeyUp, 0, 4}});
  EXPECT_EQ(box.SelLength(), 0);
}

TEST_F(MultiLineFixture, HomeAndEndWorkOnTheCaretsLineAndCtrlOnTheWholeText) {
  box.Text("abcdef\r\nab\r\nabcdef");
  box.SelStart(9);
  ExpectSteps({{vbKeyHome, 0, 8},
               {vbKeyEnd, 0, 10},
               {vbKeyEnd, vbCtrlMask, 18},
               {vbKeyHome, vbCtrlMask, 0}});
}

TEST_F(MultiLineFixture, ArrowsBackspaceAndDeleteTakeALineBreakAsOne) {
  box.Text("ab\r\ncd");
  box.SelStart(2);
  ExpectSteps({{vbKeyRight, 0, 4}, {vbKeyLeft, 0, 2}});
  Press(vbKeyDelete);
  EXPECT_EQ(box.Text(), "abcd");
  box.Text("ab\r\ncd");
  box.SelStart(4);
  desktop.Input().SendKeys("{BS}");
  EXPECT_EQ(box.Text(), "abcd");
  EXPECT_EQ(box.SelStart(), 2);
}

TEST_F(MultiLineFixture, PasteKeepsEveryLineWithCrLfBreaks) {
  desktop.GetClipboard().SetText("um\ndois\r\ntrês");
  desktop.Input().SendKeys("^v");
  EXPECT_EQ(box.Text(), "um\r\ndois\r\ntrês");
  EXPECT_EQ(box.LineCount(), 3);
}

TEST_F(MultiLineFixture, LinesWrapUnlessThereIsAHorizontalScrollBar) {
  const std::string sentence = "o contribuinte declara os rendimentos do ano anterior";
  box.Width(PixelsToTwips(120));
  box.Text(sentence);
  EXPECT_GT(box.LineCount(), 2);
  EXPECT_EQ(box.Text(), sentence);  // wrapping adds no characters
  Press(vbKeyDown);
  EXPECT_GT(box.SelStart(), 0);
  EXPECT_LT(box.SelStart(), static_cast<int>(sentence.size()));
  box.ScrollBars(vbHorizontal);
  EXPECT_EQ(box.LineCount(), 1);
  box.ScrollBars(vbVertical);
  EXPECT_GT(box.LineCount(), 2);
}

TEST_F(MultiLineFixture, PageKeysMoveByTheVisibleLinesAndScrollToTheCaret) {
  std::string text;
  for (int i = 0; i < 10; ++i) text += (i ? "\r\n" : "") + std::string("linha ") + char('0' + i);
  box.Text(text);
  ExpectSteps({{vbKeyPageDown, 0, 3 * 9}});  // start of the fourth line ("linha 3")
  EXPECT_EQ(box.TopLine(), 1);               // scrolled just enough to show it
  Press(vbKeyEnd, vbCtrlMask);
  EXPECT_EQ(box.TopLine(), 7);
  ExpectSteps({{vbKeyPageUp, 0, 6 * 9 + 7}});  // the end of "linha 6", the column kept
  EXPECT_EQ(box.TopLine(), 6);
}

TEST_F(MultiLineFixture, VerticalScrollBarFollowsTheLinesAndScrollsTheBox) {
  std::string text;
  for (int i = 0; i < 10; ++i) text += (i ? "\r\n" : "") + std::string("linha ") + char('0' + i);
  box.ScrollBars(vbVertical);
  box.Text(text);
  ASSERT_EQ(box.Children().size(), 1u);
  auto* bar = dynamic_cast<ScrollBar*>(box.Children()[0]);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(form.Controls().size(), 1u);  // a part of the box, not a control of the form
  EXPECT_EQ(bar->Max(), 7);               // ten lines, three in view
  Press(vbKeyEnd, vbCtrlMask);
  EXPECT_EQ(bar->Value(), 7);
  // The bar's lower arrow scrolls the lines, not the caret, and the box keeps the focus.
  bar->Value(2);
  desktop.Input().Click(*bar, Point{8, bar->Bounds().Height() - 6});
  EXPECT_EQ(box.TopLine(), 3);
  EXPECT_TRUE(box.HasFocus());
  EXPECT_EQ(box.SelStart(), static_cast<int>(text.size()));
  box.ScrollBars(vbSBNone);
  EXPECT_TRUE(box.Children().empty());
}

// Whether any pixel of the box's surface in rows [top, bottom) is dark (text).
bool HasDarkPixels(const Surface& surface, int top, int bottom) {
  for (int y = top; y < bottom; ++y) {
    for (int x = 4; x < surface.Width() - 4; ++x) {
      const Colour c = surface.PixelColour(x, y);
      if (RedOf(c) < 100 && GreenOf(c) < 100 && BlueOf(c) < 100) return true;
    }
  }
  return false;
}

TEST_F(MultiLineFixture, PaintsEachLineInItsOwnRow) {
  box.Text("\r\n\r\nWWW");
  box.SelStart(7);  // the caret on the third line too
  box.Paint();
  const int height = box.Font().Height();
  const Surface& surface = box.BackingSurface();
  EXPECT_FALSE(HasDarkPixels(surface, 3, 3 + 2 * height));
  EXPECT_TRUE(HasDarkPixels(surface, 3 + 2 * height, 3 + 3 * height));
}

}  // namespace
}  // namespace qorvexctl::platform
