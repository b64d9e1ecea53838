#include "qorvexctl/controls/selection/frmSelector.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "qorvexctl/controls/selection/SelectorGeometry.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/drawing/Twips.h"

namespace qorvexctl {
namespace {

using platform::Rect;

// Writes down every report as "EVENT CONTROL [VALUE]" and, when `closes`, asks the form to close
// at OK and cancel as the selection object does.
struct RecordingOwner : SelectorOwner {
  frmSelector* form = nullptr;
  bool closes = true;
  std::vector<std::string> reports;

  void NotifyFromForm(platform::Window* ctl, const Variant& evt, const Variant& val) override {
    std::string line = evt.ToString() + " " + ctl->Name();
    if (ctl->Index() >= 0) line += "(" + std::to_string(ctl->Index()) + ")";
    if (!val.IsEmpty()) line += " " + val.ToString();
    reports.push_back(line);
    const bool closing = line.starts_with("OK") || line.starts_with("CANCEL");
    if (closes && closing) form->CloseRequest(true);
  }
};

struct SelectorFormTest : ::testing::Test {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};
  frmSelector form{library, desktop};
  RecordingOwner owner;

  SelectorFormTest() {
    owner.form = &form;
    form.Owner(&owner);
    form.Show();
    desktop.DoEvents();
  }

  // Item buttons 0 to count - 1.
  void LoadButtons(int count) {
    while (form.btnSelectorUBound() + 1 < count) form.LoadSelectorButton().Visible(true);
  }
  // Sizes the form so that its client area is `width` x `height` pixels.
  void SizeClient(int width, int height) {
    const Rect outer = form.Bounds();
    const Rect client = form.ClientRect();
    form.SetBounds(Rect::FromSize(outer.left, outer.top, width + outer.Width() - client.Width(),
                                  height + outer.Height() - client.Height()));
  }
  void HideLabels() {
    form.lblTITLE().Visible(false);
    form.lblSUBTITLE().Visible(false);
  }
  TwipsBox PlaceOf(int index) {
    cButton& b = form.btnSelector(index);
    return {static_cast<double>(b.Left()), static_cast<double>(b.Top()),
            static_cast<double>(b.Width()), static_cast<double>(b.Height())};
  }
};

// A place in twips as the window keeps it: on whole pixels.
TwipsBox OnPixels(const TwipsBox& box) {
  auto px = [](double twips) {
    return static_cast<double>(platform::PixelsToTwips(platform::TwipsToPixels(twips)));
  };
  return {px(box.left), px(box.top), px(box.width), px(box.height)};
}

TEST_F(SelectorFormTest, ReArrangePlacesTheItemButtonsInItsGrid) {
  const struct {
    const char* name;
    int clientHeight;  // pixels; the client area is 400 pixels (6000 twips) wide
    int buttons;
    std::vector<TwipsBox> placed;
  } cases[] = {
      // G = 6000 - 450 - 120 - 60 = 5370: one column of three buttons 1710 high.
      {"one column", 400, 3, {{60, 60, 5880, 1710}, {60, 1830, 5880, 1710}, {60, 3600, 5880, 1710}}},
      // G = 1170: two columns, 1.5 rows taken as 2.
      {"three buttons in two columns", 120, 3,
       {{60, 60, 2940, 680}, {3060, 60, 2940, 680}, {60, 800, 2940, 680}}},
      // 2.5 rows taken as 2: four buttons placed.
      {"five buttons in two columns", 120, 5,
       {{60, 60, 2940, 384}, {3060, 60, 2940, 384}, {60, 504, 2940, 384}, {3060, 504, 2940, 384}}},
  };
  HideLabels();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LoadButtons(c.buttons);
    SizeClient(400, c.clientHeight);
    form.ReArrange();
    for (std::size_t k = 0; k < c.placed.size(); ++k) {
      EXPECT_EQ(PlaceOf(static_cast<int>(k)), OnPixels(c.placed[k])) << "button " << k;
    }
  }
}

TEST_F(SelectorFormTest, AButtonTheGridDoesNotReachKeepsItsPlace) {
  HideLabels();
  LoadButtons(5);
  form.btnSelector(4).Move(1500, 1500, 900, 300);
  SizeClient(400, 120);
  form.ReArrange();
  EXPECT_EQ(PlaceOf(4), (TwipsBox{1500, 1500, 900, 300}));
}

TEST_F(SelectorFormTest, HandleButtonsSitInTheBottomRightCorner) {
  SizeClient(400, 300);
  EXPECT_EQ(form.btn_Handle(0).Bounds(), Rect::FromSize(240, 270, 80, 30));
  EXPECT_EQ(form.btn_Handle(1).Bounds(), Rect::FromSize(320, 270, 80, 30));
}

TEST_F(SelectorFormTest, WhileEventsAreDisabledResizingNeitherArrangesNorReports) {
  HideLabels();
  LoadButtons(3);
  SizeClient(400, 400);
  owner.reports.clear();
  const TwipsBox before = PlaceOf(1);
  const Rect handle = form.btn_Handle(0).Bounds();
  form.Tag(kDisableEventsTag);
  SizeClient(400, 120);
  form.ReArrange();
  EXPECT_EQ(PlaceOf(1), before);
  EXPECT_EQ(form.btn_Handle(0).Bounds(), handle);
  EXPECT_TRUE(owner.reports.empty());
  form.Tag("");
  SizeClient(400, 121);
  EXPECT_EQ(PlaceOf(1), OnPixels({3060, 60, 2940, 690}));
  EXPECT_EQ(owner.reports, std::vector<std::string>{"Resize frmSelector"});
}

TEST_F(SelectorFormTest, UserActionsAreReportedToTheOwner) {
  LoadButtons(2);
  form.ReArrange();
  platform::UserInput& input = desktop.Input();
  const struct {
    const char* name;
    std::function<void()> act;
    std::vector<std::string> reports;
  } cases[] = {
      {"click on an item", [&] { input.Click(form.btnSelector(1)); }, {"Click btnSelector(1) 0"}},
      {"click on an item with a numeric tag",
       [&] {
         form.btnSelector(0).Tag("7 países");
         input.Click(form.btnSelector(0));
       },
       {"Click btnSelector(0) 7"}},
      {"Enter on an item",
       [&] {
         form.btnSelector(1).SetFocus();
         input.SendKeys("{ENTER}");
       },
       {"KeyDown btnSelector(1) 13,0"}},
      {"Shift+A on an item",
       [&] {
         form.btnSelector(1).SetFocus();
         input.SendKeys("+a");
       },
       {"KeyDown btnSelector(1) 16,1", "KeyDown btnSelector(1) 65,1"}},
  };
  for (const auto& c : cases) {
    owner.reports.clear();
    c.act();
    desktop.DoEvents();
    EXPECT_EQ(owner.reports, c.reports) << c.name;
  }
}

TEST_F(SelectorFormTest, HandleButtonsReportAndHideTheFormOnceTheOwnerAsks) {
  const struct {
    const char* name;
    int handle;
    bool ownerCloses;
    const char* report;
    bool visibleAfter;
  } cases[] = {
      {"OK", 0, true, "OK btn_Handle(0)", false},
      {"cancel", 1, true, "CANCEL btn_Handle(1)", false},
      {"OK refused", 0, false, "OK btn_Handle(0)", true},
      {"cancel refused", 1, false, "CANCEL btn_Handle(1)", true},
  };
  for (const auto& c : cases) {
    form.CloseRequest(false);
    form.Show();
    owner.closes = c.ownerCloses;
    owner.reports.clear();
    desktop.Input().Click(form.btn_Handle(c.handle));
    EXPECT_EQ(owner.reports, std::vector<std::string>{c.report}) << c.name;
    EXPECT_EQ(form.Visible(), c.visibleAfter) << c.name;
  }
}

TEST_F(SelectorFormTest, EscapePressesCancelAndTheCloseBoxCancelsToo) {
  form.btnSelector(0).SetFocus();
  desktop.Input().SendKeys("{ESC}");
  EXPECT_EQ(owner.reports.back(), "CANCEL btn_Handle(1)");
  EXPECT_FALSE(form.Visible());
  form.CloseRequest(false);
  form.Show();
  owner.closes = false;
  EXPECT_FALSE(form.CloseByUser());  // the owner did not ask to close: the form stays
  EXPECT_EQ(owner.reports.back(), "CANCEL frmSelector");
  owner.closes = true;
  EXPECT_TRUE(form.CloseByUser());
}

TEST_F(SelectorFormTest, TabMovesThroughTheItemsThenOkAndCancel) {
  LoadButtons(2);
  form.ReArrange();
  form.btnSelector(0).SetFocus();
  std::vector<std::string> visited;
  for (int i = 0; i < 4; ++i) {
    desktop.Input().SendKeys("{TAB}");
    platform::Window* focus = desktop.Focus();
    visited.push_back(focus->Name() + "(" + std::to_string(focus->Index()) + ")");
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"btnSelector(1)", "btn_Handle(0)", "btn_Handle(1)",
                                               "btnSelector(0)"}));
}

TEST_F(SelectorFormTest, ALoadedItemButtonCopiesTheDesignedOne) {
  form.btnSelector(0).ButtonStyle(efbxp_Flat);
  cButton& loaded = form.LoadSelectorButton();
  EXPECT_EQ(form.btnSelectorUBound(), 1);
  EXPECT_EQ(loaded.Index(), 1);
  EXPECT_FALSE(loaded.Visible());
  EXPECT_EQ(loaded.Caption(), "lblButton");
  EXPECT_EQ(loaded.Mode(), efbxp_CheckBox);
  EXPECT_EQ(loaded.ButtonStyle(), efbxp_Flat);
  EXPECT_EQ(loaded.Bounds(), form.btnSelector(0).Bounds());
  EXPECT_EQ(form.FindControl("btnSelector", 1), &loaded);
}

}  // namespace
}  // namespace qorvexctl
