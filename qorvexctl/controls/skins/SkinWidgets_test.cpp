// The five skinned widgets: image slots and their ranges, skins, hover and capture, presses and
// clicks, the go-button's tip, the design-time skin, drawing and persistence.

#include <functional>

#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/controls/skins/SkinControls.h"
#include "qorvexctl/controls/skins/SkinsTest.h"
#include "qorvexctl/controls/skins/skGoButton.h"
#include "qorvexctl/controls/skins/skGrowth.h"
#include "qorvexctl/controls/skins/skNumber.h"
#include "qorvexctl/controls/skins/skQuadro.h"
#include "qorvexctl/controls/skins/skSubMenu.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/widgets/TextBox.h"
#include "testsupport/FormRoundTrip.h"

namespace qorvexctl {
namespace {

using platform::Point;
using platform::Rect;

constexpr Rect kButtonBounds = Rect::FromSize(20, 20, 64, 24);
constexpr Point kInside{30, 12};
constexpr Point kOutside{200, 200};  // on the form, away from every control

// --- Image slots: the valid range of each control, and an error outside it.

struct SlotCase {
  const char* control;
  int slots;
  // Stores a path in slot i (may throw) and reads it back.
  std::function<std::string(SkinsTest&, int, const std::string&)> assign;
};

class SlotRanges : public SkinsTest, public ::testing::WithParamInterface<SlotCase> {};

TEST_P(SlotRanges, IndicesInsideTheSlotsWorkAndOthersRaiseError9) {
  const SlotCase& c = GetParam();
  for (int i = 0; i < c.slots; ++i) {
    EXPECT_EQ(c.assign(*this, i, "x" + std::to_string(i) + ".gif"),
              "x" + std::to_string(i) + ".gif")
        << c.control << " slot " << i;
  }
  for (int i : {-1, c.slots}) {
    try {
      c.assign(*this, i, "y.gif");
      ADD_FAILURE() << c.control << " slot " << i << " raised nothing";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Number(), kErrSubscriptOutOfRange) << c.control << " slot " << i;
      EXPECT_EQ(e.Source(), c.control);
    }
  }
}

template <class T, class Let, class Get>
std::function<std::string(SkinsTest&, int, const std::string&)> Slots(Let let, Get get) {
  return [let, get](SkinsTest& t, int i, const std::string& path) {
    T& control = t.Make<T>("c", kButtonBounds);
    let(control, i, path);
    return get(control, i);
  };
}

INSTANTIATE_TEST_SUITE_P(
    Skins, SlotRanges,
    ::testing::Values(
        SlotCase{"skGrowth", 6,
                 Slots<skGrowth>([](skGrowth& c, int i, std::string p) { c.ImageSource(i, p); },
                                 [](skGrowth& c, int i) { return c.ImageSource(i); })},
        SlotCase{"skGoButton", 6,
                 Slots<skGoButton>([](skGoButton& c, int i, std::string p) { c.ImageSource(i, p); },
                                   [](skGoButton& c, int i) { return c.ImageSource(i); })},
        SlotCase{"skSubMenu", 4,
                 Slots<skSubMenu>([](skSubMenu& c, int i, std::string p) { c.ImageFile(i, p); },
                                  [](skSubMenu& c, int i) { return c.ImageFile(i); })},
        SlotCase{"skQuadro", 4,
                 Slots<skQuadro>([](skQuadro& c, int i, std::string p) { c.ImageFile(i, p); },
                                 [](skQuadro& c, int i) { return c.ImageFile(i); })}),
    [](const auto& info) { return std::string(info.param.control); });

TEST_F(SkinsTest, ReadingImageSource6OfAGoButtonRaises) {
  const skGoButton& go = Make<skGoButton>("go", kButtonBounds);
  EXPECT_THROW((void)go.ImageSource(6), RuntimeError);
}

// --- SkinID: only a different value asks the host for the skin again.

TEST_F(SkinsTest, OnlyADifferentSkinIdRaisesRequestSkinRepait) {
  skGrowth& growth = Make<skGrowth>("growth", Rect::FromSize(0, 0, 200, 80));
  skGoButton& go = Make<skGoButton>("go", kButtonBounds);
  skNumber& number = Make<skNumber>("number", Rect::FromSize(100, 20, 24, 24));
  Record(growth.RequestSkinRepait, "growth");
  Record(go.RequestSkinRepait, "go");
  Record(number.RequestSkinRepait, "number");
  const std::vector<std::function<void(const std::string&)>> setters = {
      [&](const std::string& id) { growth.SkinID(id); },
      [&](const std::string& id) { go.SkinID(id); },
      [&](const std::string& id) { number.SkinID(id); }};
  for (const auto& set : setters) {
    set("");       // unchanged: nothing
    set("verde");  // changed: one request
    set("verde");  // unchanged again
  }
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"growth", "go", "number"}));
}

// --- The go-button: looks, hover, capture, pressing and clicking.

struct GoButtonTest : SkinsTest {
  skGoButton& go = Make<skGoButton>("go", kButtonBounds);
  GoButtonTest() {
    Record(go.MouseIn, "MouseIn");
    Record(go.MouseOut, "MouseOut");
    Record(go.Click, "Click");
    Record(go.MouseDown, "MouseDown");
    Record(go.MouseUp, "MouseUp");
  }
};

TEST_F(GoButtonTest, HoverShowsSlot1AndLeavingReleasesTheCapture) {
  EXPECT_EQ(go.LookSlot(), 0);
  input.MoveTo(go, kInside);
  EXPECT_TRUE(go.Hovering());
  EXPECT_EQ(go.LookSlot(), 1);
  EXPECT_EQ(desktop.Capture(), &go);
  input.MoveTo(form, kOutside);  // the capture brings this move to the button
  EXPECT_FALSE(go.Hovering());
  EXPECT_EQ(desktop.Capture(), nullptr);
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"MouseIn", "MouseOut"}));
}

TEST_F(GoButtonTest, LeavingWhileTheLeftButtonIsHeldKeepsTheCaptureAndRaisesMouseOut) {
  input.MoveTo(go, kInside);
  input.MouseDown(go, kInside);
  EXPECT_TRUE(go.Active());
  EXPECT_TRUE(go.Clicking());
  EXPECT_EQ(go.LookSlot(), 2);
  input.MoveTo(form, kOutside);
  EXPECT_EQ(desktop.Capture(), &go);
  EXPECT_FALSE(go.Hovering());
  // Released outside: the button hears it, goes back to normal and is not clicked.
  input.MouseUp(form, kOutside);
  EXPECT_FALSE(go.Active());
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"MouseIn", "MouseDown", "MouseOut", "MouseUp"}));
}

TEST_F(GoButtonTest, AClickClearsTheStatesThenRaisesClickAndMouseOut) {
  bool activeInClick = true;
  connections.emplace_back(go.Click.connect([&] { activeInClick = go.Active() || go.Hovering(); }));
  input.MoveTo(go, kInside);
  input.Click(go, kInside);
  EXPECT_FALSE(activeInClick);
  EXPECT_EQ(desktop.Capture(), nullptr);
  EXPECT_EQ(go.LookSlot(), 0);
  EXPECT_EQ(TakeLog(),
            (std::vector<std::string>{"MouseIn", "MouseDown", "MouseUp", "Click", "MouseOut"}));
}

TEST_F(GoButtonTest, TheTooltipIsABalloonTitledNavegacao) {
  EXPECT_EQ(go.Tooltip(), "");
  go.Tooltip("Página seguinte");
  EXPECT_EQ(go.Tooltip(), "Página seguinte");
  go.Tooltip("");
  EXPECT_EQ(go.Tooltip(), "");
}

TEST_F(GoButtonTest, EachLookIsItsSlotScaledToTheControl) {
  const std::string folder = testsupport::RepositoryRoot().string() + "/data/skins/default/";
  go.ImageSource(0, folder + "btn_go_normal.gif");
  go.ImageSource(1, folder + "btn_go_hover.gif");
  go.ImageSource(2, folder + "btn_go_click.gif");
  go.Active(true);
  desktop.DoEvents();
  const Colour pressed = go.BackingSurface().PixelColour(8, 20);
  go.Active(false);
  desktop.DoEvents();
  const Colour normal = go.BackingSurface().PixelColour(8, 20);
  EXPECT_NE(pressed, normal);
  EXPECT_LT(BlueOf(normal), 250);  // a blue pill, not the white form
  EXPECT_GT(BlueOf(normal), RedOf(normal));
}

// --- The design-time skin.

TEST_F(SkinsTest, AGoButtonWithoutImagesShowsTheDevelopmentSkinAtDesignTime) {
  skGoButton& design = Make<skGoButton>("design", kButtonBounds, false);
  skGoButton& run = Make<skGoButton>("run", Rect::FromSize(100, 20, 64, 24));
  desktop.DoEvents();
  EXPECT_EQ(design.ImageSource(0), DesignSkinFolder(library) + "btn_go_normal.gif");
  EXPECT_EQ(design.ImageSource(2), DesignSkinFolder(library) + "btn_go_click.gif");
  EXPECT_EQ(run.ImageSource(0), "");
}

TEST_F(SkinsTest, AQuadroWithDebugDesign3LoadsItsImageSetFromTheDesignFolder) {
  desktop.Settings().Set(kSettingsApplication, kConfigSection, "SkinDesignFolder", "/srv/skins");
  skQuadro& box = Make<skQuadro>("box", Rect::FromSize(0, 0, 200, 120), false);
  EXPECT_EQ(box.ImageFile(0), "/srv/skins/topo_laranja.gif");
  box.DebugDesign(3);
  EXPECT_EQ(box.ImageFile(0), "/srv/skins/quadro_3_top.gif");
  EXPECT_EQ(box.ImageFile(1), "/srv/skins/quadro_3_back.gif");
  EXPECT_EQ(box.ImageFile(2), "/srv/skins/quadro_3_bottom.gif");
  skQuadro& running = Make<skQuadro>("running", Rect::FromSize(0, 200, 200, 120));
  running.DebugDesign(3);
  EXPECT_EQ(running.ImageFile(0), "");  // run mode: the host's images only
}

TEST_F(SkinsTest, AGrowthWithoutSkinTakesTheDefaultRedSkinWhenDrawn) {
  skGrowth& growth = Make<skGrowth>("growth", Rect::FromSize(10, 10, 300, 120));
  growth.Caption("Rendimentos");
  growth.BackColor(0xFFFFFF);
  desktop.DoEvents();
  const std::string root = GetRootPath(library);
  EXPECT_EQ(growth.ImageSource(0), root + "data/skins/default/gr-corner1-red.gif");
  EXPECT_EQ(growth.ImageSource(4), root + "data/skins/default/gr-bottom-red.gif");
  EXPECT_EQ(growth.ImageSource(5), "");
  const platform::Surface& pixels = growth.BackingSurface();
  EXPECT_GT(RedOf(pixels.PixelColour(150, 14)), 150);  // the red header
  EXPECT_LT(GreenOf(pixels.PixelColour(150, 14)), 100);
  EXPECT_EQ(pixels.PixelColour(0, 0), 0xFFFFFFu);        // the round corner shows the form
  EXPECT_GT(GreenOf(pixels.PixelColour(150, 60)), 200);  // the pale body
}

TEST_F(SkinsTest, AGrowthWithASkinIdKeepsItsEmptySlots) {
  auto growth = std::make_shared<skGrowth>(library, desktop, &form);
  form.Adopt(growth, "growth");
  growth->SetBounds(Rect::FromSize(10, 10, 300, 120));
  growth->SkinID("azul");  // before it is first drawn
  desktop.DoEvents();
  EXPECT_EQ(growth->ImageSource(0), "");
}

// --- Menu entries, badges and boxes: clicks and the colours of each state.

TEST_F(SkinsTest, ASubMenuClickRaisesClickedClearsItsStatesAndRaisesMouseOut) {
  skSubMenu& entry = Make<skSubMenu>("entry", Rect::FromSize(10, 10, 160, 26));
  entry.Caption("Anexo A");
  Record(entry.Clicked, "Clicked");
  Record(entry.MouseIn, "MouseIn");
  Record(entry.MouseOut, "MouseOut");
  desktop.DoEvents();
  EXPECT_EQ(entry.BackingSurface().PixelColour(2, 2), skSubMenu::kDefaultBackColor);
  input.MoveTo(entry, Point{100, 5});
  EXPECT_EQ(entry.BackingSurface().PixelColour(2, 2), skSubMenu::kDefaultHoverBackColor);
  entry.Active(true);
  desktop.DoEvents();
  EXPECT_EQ(entry.BackingSurface().PixelColour(2, 2), skSubMenu::kDefaultActiveBackColor);
  input.Click(entry, Point{100, 5});
  EXPECT_FALSE(entry.Active());
  EXPECT_FALSE(entry.Hovering());
  EXPECT_EQ(entry.BackingSurface().PixelColour(2, 2), skSubMenu::kDefaultBackColor);
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"MouseIn", "Clicked", "MouseOut"}));
}

TEST_F(SkinsTest, ASubMenuLetsItsTransparencyColourThroughItsImages) {
  skSubMenu& entry = Make<skSubMenu>("entry", Rect::FromSize(10, 10, 160, 26));
  entry.ImageFile(0, GetRootPath(library) + "data/skins/default/submenu_left.gif");
  desktop.DoEvents();
  EXPECT_EQ(entry.BackingSurface().PixelColour(0, 0), 0xFFFFFFu);  // the image's white corner
  EXPECT_EQ(entry.BackingSurface().PixelColour(6, 13), skSubMenu::kDefaultBackColor);  // keyed
}

TEST_F(SkinsTest, ANumberReportsClicksAndDoubleClicksAndLightsUpWhenActive) {
  skNumber& number = Make<skNumber>("number", Rect::FromSize(10, 10, 30, 30));
  number.Caption("3");
  Record(number.Clicked, "Clicked");
  Record(number.DoubleClicked, "DoubleClicked");
  desktop.DoEvents();
  EXPECT_EQ(number.BackingSurface().PixelColour(15, 4), skNumber::kDefaultBackground);
  number.Active(true);
  desktop.DoEvents();
  EXPECT_EQ(number.BackingSurface().PixelColour(15, 4), skNumber::kDefaultBackgroundActive);
  input.Click(number);
  input.DoubleClick(number);
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"Clicked", "Clicked", "DoubleClicked"}));
}

TEST_F(SkinsTest, AQuadroDrawsItsBandsAndLetsItsBackColourThroughTheCorners) {
  skQuadro& box = Make<skQuadro>("box", Rect::FromSize(10, 10, 200, 120));
  box.BackColor(RGB(0, 128, 0));
  const std::string folder = GetRootPath(library) + "data/skins/default/";
  box.ImageFile(0, folder + "topo_laranja.gif");
  box.ImageFile(1, folder + "topo_repeat.gif");
  box.ImageFile(2, folder + "fundo_fundo.gif");
  desktop.DoEvents();
  const platform::Surface& pixels = box.BackingSurface();
  EXPECT_EQ(pixels.PixelColour(0, 0), RGB(0, 128, 0));         // keyed corner
  EXPECT_GT(RedOf(pixels.PixelColour(100, 12)), 200);          // orange band
  EXPECT_EQ(pixels.PixelColour(100, 60), RGB(255, 248, 236));  // cream body
  EXPECT_EQ(pixels.PixelColour(199, 119), RGB(0, 128, 0));     // keyed bottom corner
}

TEST_F(SkinsTest, AMissingImageFileLeavesItsSlotEmptyAndTheDrawingSkipsIt) {
  skGoButton& go = Make<skGoButton>("go", kButtonBounds);
  go.BackColor(RGB(0, 0, 128));
  go.ImageSource(0, GetRootPath(library) + "data/skins/default/nao_existe.gif");
  desktop.DoEvents();
  EXPECT_EQ(go.ImageSource(0), GetRootPath(library) + "data/skins/default/nao_existe.gif");
  EXPECT_EQ(go.BackingSurface().PixelColour(30, 12), RGB(0, 0, 128));
}

TEST_F(SkinsTest, ASubMenuStopsHoveringWhenItLosesTheFocus) {
  skSubMenu& entry = Make<skSubMenu>("entry", Rect::FromSize(10, 10, 160, 26));
  auto& text = form.Add<platform::TextBox>("txtNome");
  text.SetBounds(Rect::FromSize(10, 300, 120, 22));
  input.MoveTo(entry, Point{20, 5});
  entry.SetFocus();
  EXPECT_TRUE(entry.Hovering());
  text.SetFocus();
  desktop.DoEvents();
  EXPECT_FALSE(entry.Hovering());
  EXPECT_EQ(entry.BackingSurface().PixelColour(2, 2), skSubMenu::kDefaultBackColor);
}

// --- On a form: focus moves through them, and they come back from a form file.

TEST_F(SkinsTest, TabMovesTheFocusFromATextBoxThroughTheSkinnedWidgets) {
  auto& text = form.Add<platform::TextBox>("txtNome");
  text.SetBounds(Rect::FromSize(10, 300, 120, 22));
  text.TabIndex(0);
  skGoButton& go = Make<skGoButton>("go", kButtonBounds);
  go.TabIndex(1);
  skSubMenu& entry = Make<skSubMenu>("entry", Rect::FromSize(10, 60, 160, 26));
  entry.TabIndex(2);
  skGrowth& growth = Make<skGrowth>("growth", Rect::FromSize(300, 10, 200, 80));
  growth.TabIndex(3);  // decorative: never takes the focus
  Record(entry.LostFocus, "entry LostFocus");
  input.Click(text);
  input.SendKeys("{TAB}");
  EXPECT_EQ(desktop.Focus(), &go);
  input.SendKeys("{TAB}");
  EXPECT_EQ(desktop.Focus(), &entry);
  input.SendKeys("{TAB}");
  EXPECT_EQ(desktop.Focus(), &text);
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"entry LostFocus"}));
}

TEST_F(SkinsTest, PersistedPropertiesComeBackFromAFormFile) {
  skGrowth& growth = Make<skGrowth>("growth", Rect::FromSize(0, 0, 200, 80));
  growth.Caption("Quadro 4");
  growth.CaptionColor(RGB(255, 255, 0));
  growth.SkinID("verde");
  skGoButton& go = Make<skGoButton>("go", kButtonBounds);
  go.SkinID("azul");
  go.Tooltip("Seguinte");
  skNumber& number = Make<skNumber>("number", Rect::FromSize(100, 20, 24, 24));
  number.Caption("7");
  number.Background(RGB(1, 2, 3));
  number.ForegroundActive(RGB(4, 5, 6));
  number.Active(true);
  number.BackColor(RGB(7, 8, 9));
  skSubMenu& entry = Make<skSubMenu>("entry", Rect::FromSize(0, 100, 160, 26));
  entry.Caption("Anexo B");
  entry.Margin(14);
  entry.HoverBackColor(RGB(10, 11, 12));
  entry.TransparencyColor(RGB(0, 255, 0));
  skQuadro& box = Make<skQuadro>("box", Rect::FromSize(200, 100, 200, 120));
  box.TransparencyColor(RGB(1, 1, 1));
  box.DebugDesign(2);

  Registry registry(library);
  RegisterSkinControls(registry, desktop);
  platform::Form copy(desktop);
  const auto report = testsupport::SaveAndLoad(registry, form, copy);
  ASSERT_TRUE(report);
  EXPECT_EQ(report->created, 5);
  const auto find = [&copy](const char* name) { return copy.FindControl(name); };
  auto* g = dynamic_cast<skGrowth*>(find("growth"));
  auto* b = dynamic_cast<skGoButton*>(find("go"));
  auto* n = dynamic_cast<skNumber*>(find("number"));
  auto* e = dynamic_cast<skSubMenu*>(find("entry"));
  auto* q = dynamic_cast<skQuadro*>(find("box"));
  ASSERT_TRUE(g && b && n && e && q);
  EXPECT_EQ(g->Caption(), "Quadro 4");
  EXPECT_EQ(g->CaptionColor(), RGB(255, 255, 0));
  EXPECT_EQ(g->SkinID(), "verde");
  EXPECT_EQ(b->SkinID(), "azul");
  EXPECT_EQ(b->Tooltip(), "Seguinte");
  EXPECT_EQ(n->Caption(), "7");
  EXPECT_EQ(n->Background(), RGB(1, 2, 3));
  EXPECT_EQ(n->ForegroundActive(), RGB(4, 5, 6));
  EXPECT_TRUE(n->Active());
  EXPECT_EQ(n->BackColor(), RGB(7, 8, 9));
  EXPECT_EQ(e->Caption(), "Anexo B");
  EXPECT_EQ(e->Margin(), 14);
  EXPECT_EQ(e->HoverBackColor(), RGB(10, 11, 12));
  EXPECT_EQ(e->TransparencyColor(), RGB(0, 255, 0));
  EXPECT_EQ(e->BackColor(), skSubMenu::kDefaultBackColor);
  EXPECT_EQ(q->TransparencyColor(), RGB(1, 1, 1));
  EXPECT_EQ(q->DebugDesign(), 2);
}

}  // namespace
}  // namespace qorvexctl
