// The slideshow under the virtual clock: fade steps and their alphas, the order of pictures,
// fades cut short, the picture timer, captions and tips, clicks and links.

#include <cmath>
#include <memory>

#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/controls/skins/SkinsTest.h"
#include "qorvexctl/controls/skins/skAlphaPic.h"
#include "qorvexctl/platform/widgets/PictureBox.h"

namespace qorvexctl {
namespace {

using platform::Rect;

constexpr Colour kRed = RGB(255, 0, 0);
constexpr Colour kBlue = RGB(0, 0, 255);
constexpr Colour kGreen = RGB(0, 160, 0);

// One channel of a constant-alpha cross-fade step (rounded to nearest).
int Blend(int dest, int source, int alpha) {
  return (source * alpha + dest * (255 - alpha) + 127) / 255;
}

struct AlphaPicTest : SkinsTest {
  skAlphaPic& show = Make<skAlphaPic>("show", Rect::FromSize(300, 10, 200, 150));
  std::vector<std::unique_ptr<platform::PictureBox>> boxes;
  std::vector<double> fractions;

  AlphaPicTest() {
    connections.emplace_back(show.FadingIn.connect([this](double f) { fractions.push_back(f); }));
    connections.emplace_back(show.FadingOut.connect([this](double f) { fractions.push_back(-f); }));
    connections.emplace_back(show.Clicked.connect(
        [this](int index) { log.push_back("Clicked " + std::to_string(index)); }));
    connections.emplace_back(
        show.href.connect([this](const std::string& link) { log.push_back("href " + link); }));
  }

  // A 100 x 80 picture box filled with `colour`, added to the show.
  platform::PictureBox& AddBox(Colour colour, std::string caption = {}, std::string link = {}) {
    auto box = std::make_unique<platform::PictureBox>(form);
    box->SetBounds(Rect::FromSize(10, 10 + 90 * static_cast<int>(boxes.size()), 100, 80));
    box->BorderStyle(0);
    box->BackColor(colour);
    box->Cls();
    show.AddPicture(box.get(), std::move(caption), std::move(link));
    boxes.push_back(std::move(box));
    return *boxes.back();
  }

  Colour ShownAt(int x, int y) { return show.Drawing().Image().PixelColour(x, y); }
};

TEST_F(AlphaPicTest, AddingAPictureBoxShrinksTheControlToItAndDrawsInPixels) {
  platform::PictureBox& box = AddBox(kRed);
  EXPECT_TRUE(box.AutoRedraw());
  EXPECT_EQ(box.ScaleMode(), platform::vbPixels);
  EXPECT_EQ(show.Picture(0).Width, 100);
  EXPECT_EQ(show.Picture(0).Height, 80);
  EXPECT_EQ(show.Picture(0).BackColor, skAlphaPicT::kNoBackColor);
  EXPECT_EQ(show.Bounds().Width(), 100);
  EXPECT_EQ(show.Bounds().Height(), 80);
  EXPECT_THROW(show.Picture(1), RuntimeError);
}

TEST_F(AlphaPicTest, WithFadeTime0AFadeCompletesInOneStep) {
  AddBox(kRed);
  AddBox(kBlue);
  show.FadeTime(0);
  show.StartFade();
  EXPECT_EQ(fractions, (std::vector<double>{1.0}));
  EXPECT_FALSE(show.Fading());
  EXPECT_FALSE(show.Enabled());
  EXPECT_EQ(show.CurrentIndex(), 1);
  EXPECT_EQ(ShownAt(50, 40), kBlue);
}

TEST_F(AlphaPicTest, HalfWayThroughAOneSecondFadeAlphaIs127) {
  AddBox(kRed);
  AddBox(kBlue);
  show.StartFade();
  EXPECT_TRUE(show.Fading());
  EXPECT_TRUE(show.Enabled());
  desktop.Wait(500);
  ASSERT_EQ(fractions.size(), 11u);  // at once, then every 50 ms
  EXPECT_EQ(fractions.front(), 0.0);
  EXPECT_NEAR(fractions.back(), 0.498, 0.0005);
  EXPECT_EQ(std::lround(fractions.back() * 255), 127);
  // White, then red at 255 - 127, then blue at 127 (no per-pixel alpha).
  const int r = Blend(Blend(255, 255, 128), 0, 127);
  const int g = Blend(Blend(255, 0, 128), 0, 127);
  const int b = Blend(Blend(255, 0, 128), 255, 127);
  EXPECT_EQ(ShownAt(50, 40), RGB(r, g, b));
  EXPECT_EQ(show.CurrentIndex(), 0);
  desktop.Wait(500);
  EXPECT_EQ(fractions.back(), 1.0);
  EXPECT_EQ(show.CurrentIndex(), 1);
  EXPECT_FALSE(show.Fading());
  EXPECT_EQ(ShownAt(50, 40), kBlue);
}

struct IndexCase {
  int count, current, next, previous;
};

TEST_F(AlphaPicTest, NextAndPreviousIndexWrapRoundForwards) {
  const IndexCase cases[] = {{2, 1, 0, 0}, {2, 0, 1, 1}, {3, 2, 0, 1},
                             {3, 0, 1, 2}, {1, 0, 0, 0}, {3, 1, 2, 0}};
  for (const IndexCase& c : cases) {
    show.PictureCount(c.count);
    show.CurrentIndex(c.current);
    EXPECT_EQ(show.NextIndex(), c.next) << c.count << " pictures, at " << c.current;
    EXPECT_EQ(show.PreviousIndex(), c.previous) << c.count << " pictures, at " << c.current;
  }
}

TEST_F(AlphaPicTest, PreviousFrameRunsBackwardsAndReportsFadingOut) {
  AddBox(kRed);
  AddBox(kBlue);
  AddBox(kGreen);
  show.FadeTime(0);
  show.PreviousFrame();
  EXPECT_EQ(show.Direction(), -1);
  EXPECT_EQ(show.CurrentIndex(), 2);
  EXPECT_EQ(show.NextIndex(), 1);
  EXPECT_EQ(fractions, (std::vector<double>{-1.0}));
}

TEST_F(AlphaPicTest, NextFrameMidFadeMakesTheIncomingPictureCurrentAndFadesOnFromIt) {
  AddBox(kRed);
  AddBox(kBlue);
  AddBox(kGreen);
  show.StartFade();
  desktop.Wait(500);
  fractions.clear();
  show.NextFrame();
  EXPECT_EQ(show.CurrentIndex(), 1);
  EXPECT_TRUE(show.Fading());
  EXPECT_EQ(fractions, (std::vector<double>{0.0}));
  EXPECT_EQ(ShownAt(50, 40), kBlue);  // the new fade starts from the incoming picture
  desktop.Wait(1000);
  EXPECT_EQ(show.CurrentIndex(), 2);
  EXPECT_EQ(ShownAt(50, 40), kGreen);
}

TEST_F(AlphaPicTest, ThePictureTimerStartsTheNextFadeAfterPictureTime) {
  AddBox(kRed);
  AddBox(kBlue);
  AddBox(kGreen);
  show.FadeTime(100);
  show.PictureTime(300);
  show.StartFade();
  desktop.Wait(100);
  EXPECT_EQ(show.CurrentIndex(), 1);
  desktop.Wait(299);
  EXPECT_FALSE(show.Fading());
  desktop.Wait(1);
  EXPECT_TRUE(show.Fading());
  desktop.Wait(100);
  EXPECT_EQ(show.CurrentIndex(), 2);
  desktop.Wait(400);
  EXPECT_EQ(show.CurrentIndex(), 0);  // round again
  show.Clear();
  EXPECT_EQ(show.PictureCount(), 0);
  EXPECT_FALSE(show.Enabled());
  fractions.clear();
  desktop.Wait(1000);
  EXPECT_TRUE(fractions.empty());
}

TEST_F(AlphaPicTest, APictureWithoutALinkRaisesClickedOnly) {
  AddBox(kRed);
  AddBox(kBlue, "", "https://example.pt/irs");
  input.Click(show);
  show.FadeTime(0);
  show.NextFrame();
  EXPECT_EQ(show.MousePointer(), 99);
  input.Click(show);
  EXPECT_EQ(TakeLog(),
            (std::vector<std::string>{"Clicked 0", "Clicked 1", "href https://example.pt/irs"}));
}

TEST_F(AlphaPicTest, ACaptionIsPrintedOnItsPictureAndShownInTheDestaqueTip) {
  AddBox(kRed);
  platform::PictureBox& captioned = AddBox(kBlue, "Prazo\r\nAté 30 de junho");
  show.Picture(1).SubCaptionColor = RGB(255, 255, 0);
  show.FadeTime(0);
  show.NextFrame();
  clsBalloonTip& tip = show.myTooltip();
  EXPECT_EQ(tip.Title(), "Destaque");
  EXPECT_EQ(tip.TipText(), "Prazo\r\nAté 30 de junho");
  EXPECT_EQ(tip.Icon(), TTIconInfo);
  EXPECT_EQ(tip.Style(), TTBalloon);
  EXPECT_FALSE(tip.PopupOnDemand());
  EXPECT_EQ(tip.ParentControl(), &show);
  EXPECT_EQ(show.MousePointer(), 0);
  // Yellow text with a black outline on both lines; the box keeps its colours.
  const auto count = [&](int top, int bottom, Colour colour) {
    int n = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = 0; x < 100; ++x) n += ShownAt(x, y) == colour ? 1 : 0;
    }
    return n;
  };
  const int line = captioned.Font().Height();
  EXPECT_GT(count(0, 6 + line, RGB(255, 255, 0)), 10);
  EXPECT_GT(count(6 + line, 6 + 2 * line, RGB(255, 255, 0)), 10);
  EXPECT_GT(count(0, 6 + 2 * line, 0x000000), 10);
  EXPECT_EQ(captioned.ForeColor(), platform::PictureBox(form).ForeColor());
}

TEST_F(AlphaPicTest, APictureBoxTheHostDestroyedIsSkipped) {
  AddBox(kRed);
  AddBox(kBlue);
  show.Picture(1).BackColor = kGreen;
  boxes[1].reset();
  show.FadeTime(0);
  show.StartFade();
  EXPECT_EQ(show.CurrentIndex(), 1);
  EXPECT_EQ(ShownAt(50, 40), RGB(255, 255, 255));  // the background of picture 0
  show.StartFade();
  EXPECT_EQ(ShownAt(50, 40), kRed);
}

TEST_F(AlphaPicTest, TheFocusImageFlashesOverSixteenStepsAndEndsOnThePicture) {
  AddBox(kBlue);
  show.FadeTime(0);
  show.StartFade();
  show.DisplayFocusImage();
  EXPECT_EQ(show.FocusStep(), 2);
  const Colour first = ShownAt(50, 40);
  EXPECT_GT(RedOf(first), 100);  // a white veil over the blue
  desktop.Wait(30 * 15);
  EXPECT_EQ(show.FocusStep(), 0);
  EXPECT_EQ(ShownAt(50, 40), kBlue);
}

}  // namespace
}  // namespace qorvexctl
