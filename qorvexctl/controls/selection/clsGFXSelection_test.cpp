#include "qorvexctl/controls/selection/clsGFXSelection.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/controls/selection/GFXRecordText.h"
#include "qorvexctl/controls/selection/SelectionTest.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl {
namespace {

using platform::Rect;

// A parent object over a window of the desktop; `failing` makes its reads throw.
struct WindowParent : HostParentObject {
  platform::Window* window = nullptr;
  bool hwndFails = false;
  bool colourFails = false;
  std::uint32_t hwnd() override {
    if (hwndFails) throw std::runtime_error("no handle");
    return window->hWnd();
  }
  Colour BackColor() override {
    if (colourFails) throw RuntimeError(438, "parent", "Object doesn't support this property");
    return window->BackColor();
  }
};

using SelectFromTest = SelectionTest;

TEST_F(SelectFromTest, NoItemsGiveTheEmptyResultWithoutADialog) {
  const GFXResult result = selection.SelectFrom(GFXSelection{}, {});
  EXPECT_FALSE(result.Canceled);
  EXPECT_FALSE(result.Accepted);
  EXPECT_EQ(result.NumberOfSelectedItems, 0);
  EXPECT_EQ(result.ViewType, GFXViewDefaultRecomended);
  EXPECT_EQ(DialogsShown(), 0);
  EXPECT_EQ(selection.CurrentForm(), nullptr);
  EXPECT_TRUE(log.empty());
}

TEST_F(SelectFromTest, TheViewIsAlwaysButtonsAndQuickSelectShowsNothing) {
  EXPECT_EQ(selection.RecomendedView(GFXSelection{}, {}), GFXViewButtons);
  EXPECT_EQ(selection.RecomendedView(GFXSelection{}, Items({"A", "B"})), GFXViewButtons);
  EXPECT_EQ(selection.QuickSelectFrom("PT\tPortugal"), "");
  EXPECT_EQ(DialogsShown(), 0);
}

// What the user does in the dialog: clicks items by index, then OK ("ok"), cancel ("cancel")
// or the close box ("close").
struct Answering {
  const char* name;
  bool multiple;
  int preselected;  // -1: none
  std::vector<std::string> steps;
  bool accepted;
  std::vector<std::string> chosen;
};

TEST_F(SelectFromTest, TheResultFollowsTheButtonsAndHowTheDialogClosed) {
  const Answering cases[] = {
      {"one item and OK", false, -1, {"1", "ok"}, true, {"B"}},
      {"a later click releases the earlier item", false, -1, {"0", "2", "ok"}, true, {"C"}},
      {"a second click releases the item", false, -1, {"1", "1", "ok"}, true, {}},
      {"several items when multiple", true, -1, {"0", "2", "ok"}, true, {"A", "C"}},
      {"a preselected item", false, 1, {"ok"}, true, {"B"}},
      {"OK with nothing pressed", false, -1, {"ok"}, true, {}},
      {"cancel chooses nothing", false, -1, {"1", "cancel"}, false, {}},
      {"the close box cancels", false, 1, {"close"}, false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    GFXSelection s;
    s.MultipleSelect = c.multiple;
    auto items = Items({"A", "B", "C"});
    if (c.preselected >= 0) items[static_cast<std::size_t>(c.preselected)].Selected = true;
    Answer([&](frmSelector& form) {
      for (const std::string& step : c.steps) {
        if (step == "ok" || step == "cancel") {
          Click(form.btn_Handle(step == "ok" ? 0 : 1));
        } else if (step == "close") {
          form.CloseByUser();
        } else {
          Click(form.btnSelector(std::stoi(step)));
        }
      }
    });
    const GFXResult result = selection.SelectFrom(s, items);
    EXPECT_EQ(result.Accepted, c.accepted);
    EXPECT_EQ(result.Canceled, !c.accepted);
    EXPECT_EQ(result.ViewType, GFXViewButtons);
    std::vector<std::string> chosen;
    for (const GFXItem& item : result.SelectedItems) chosen.push_back(item.Title);
    EXPECT_EQ(chosen, c.chosen);
    EXPECT_EQ(result.NumberOfSelectedItems, static_cast<int>(c.chosen.size()));
    EXPECT_EQ(result.SelectedItem.Title, c.chosen.empty() ? "" : c.chosen.front());
    EXPECT_EQ(result.SelectedItem.Value, Variant(c.chosen.empty() ? "" : c.chosen.front()));
    EXPECT_FALSE(selection.CurrentForm()->Loaded());
    EXPECT_FALSE(selection.CurrentForm()->Visible());
  }
}

TEST_F(SelectFromTest, EventsComeInTheOrderAHostExpects) {
  Answer([&](frmSelector& form) {
    Click(form.btnSelector(0));
    Click(form.btnSelector(1));
    Click(form.btn_Handle(0));
  });
  selection.SelectFrom(GFXSelection{}, Items({"A", "B"}));
  EXPECT_EQ(log, (std::vector<std::string>{"Opening", "ItemChecked A", "ItemChanged A",
                                           "ItemUnchecked A", "ItemChecked B", "ItemChanged B",
                                           "Closing 1 B", "Closed"}));
}

TEST_F(SelectFromTest, CancelCloseKeepsTheDialogOpen) {
  int closings = 0;
  selection.Closing.connect([&](std::int32_t&, std::vector<GFXItem>&, bool& cancelClose) {
    cancelClose = ++closings == 1;
  });
  bool openAfterFirstOk = false;
  Answer([&](frmSelector& form) {
    Click(form.btn_Handle(0));
    openAfterFirstOk = form.Visible() && form.Tag().empty();
    Click(form.btnSelector(0));
    Click(form.btn_Handle(0));
  });
  const GFXResult result = selection.SelectFrom(GFXSelection{}, Items({"A", "B"}));
  EXPECT_TRUE(openAfterFirstOk);
  EXPECT_EQ(closings, 2);
  EXPECT_TRUE(result.Accepted);
  EXPECT_EQ(result.SelectedItem.Title, "A");
}

TEST_F(SelectFromTest, LabelsAndTheCancelButtonFollowTheDialogsDescription) {
  const struct {
    const char* title;
    const char* subtitle;
    bool disableCancel;
  } cases[] = {{"", "", false}, {"Escolha", "", true}, {"", "Um país", false},
               {"Escolha", "Um país", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.title) + "|" + c.subtitle);
    GFXSelection s;
    s.Title = c.title;
    s.Subtitle = c.subtitle;
    s.DisableCancel = c.disableCancel;
    Answer([&](frmSelector& form) {
      EXPECT_EQ(form.lblTITLE().Caption(), c.title);
      EXPECT_EQ(form.lblTITLE().Visible(), *c.title != '\0');
      EXPECT_EQ(form.lblSUBTITLE().Caption(), c.subtitle);
      EXPECT_EQ(form.lblSUBTITLE().Visible(), *c.subtitle != '\0');
      EXPECT_TRUE(form.btn_Handle(0).IsShown());
      EXPECT_EQ(form.btn_Handle(1).IsShown(), !c.disableCancel);
    });
    selection.SelectFrom(s, Items({"A", "B"}));
  }
}

TEST_F(SelectFromTest, EachItemBecomesAButton) {
  auto items = Items({"Lisboa", "Porto", "Faro"});
  items[0].Tooltip = "A capital";
  items[1].Disabled = true;
  items[2].Selected = true;
  items[2].Default = true;
  Answer([&](frmSelector& form) {
    ASSERT_EQ(form.btnSelectorUBound(), 2);
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(i);
      const cButton& button = form.btnSelector(i);
      const GFXItem& item = items[static_cast<std::size_t>(i)];
      EXPECT_EQ(button.Caption(), item.Title);
      EXPECT_EQ(button.Tooltip(), item.Tooltip);
      EXPECT_EQ(button.Enabled(), !item.Disabled);
      EXPECT_EQ(button.Value(), item.Selected);
      EXPECT_TRUE(button.IsShown());
      EXPECT_EQ(button.Picture(), nullptr);
    }
    EXPECT_EQ(form.DefaultButtonHandle(), form.btnSelector(2).hWnd());
  });
  selection.SelectFrom(GFXSelection{}, items);
}

TEST_F(SelectFromTest, PicturesComeFromPngFilesAndAMissingOneLeavesNone) {
  const std::string flags = (testsupport::RepositoryDataFolder() / "images/flags_iso/16/").string();
  auto items = Items({"Alemanha", "Nenhures", "Sem imagem"});
  items[0].Image = flags + "DE.png";
  items[1].Image = flags + "no-such-flag.png";
  items[2].Image = Variant::Null();
  Answer([&](frmSelector& form) {
    const auto flag = form.btnSelector(0).Picture();
    ASSERT_NE(flag, nullptr);
    EXPECT_EQ(flag->Width(), 16);
    EXPECT_EQ(flag->Height(), 16);
    EXPECT_EQ(form.btnSelector(1).Picture(), nullptr);
    EXPECT_EQ(form.btnSelector(2).Picture(), nullptr);
  });
  selection.SelectFrom(GFXSelection{}, items);
}

struct ParentTest : SelectionTest {
  platform::Form host{desktop, "Declaração"};
  std::shared_ptr<WindowParent> parent = std::make_shared<WindowParent>();

  ParentTest() {
    host.SetBounds(Rect{100, 200, 300, 260});
    host.BackColor(RGB(200, 0, 0));
    host.Show();
    parent->window = &host;
  }
};

TEST_F(ParentTest, TheDialogOpensCentredOnTheParentsCornerAndStaysOnTop) {
  GFXSelection s;
  s.ParentObj = parent;
  s.WindowPositionRelation = GFXPositionCenterObject;
  Rect opened;
  bool topMost = false;
  Colour background = 0;
  std::string tag = "?";
  Answer([&](frmSelector& form) {
    opened = form.Bounds();
    topMost = form.TopMost();
    background = form.BackColor();
    tag = form.Tag();
  });
  selection.SelectFrom(s, Items({"A", "B"}));
  // The designed form is 600 x 430 pixels.
  EXPECT_EQ(opened, (Rect{100 - 300, 200 - 215, 100 + 300, 200 + 215}));
  EXPECT_TRUE(topMost);
  EXPECT_EQ(background, 0xFFFFFFu);
  EXPECT_EQ(tag, "");
}

TEST_F(ParentTest, WithoutAParentTheDialogOpensWhereItWasDesigned) {
  Rect opened;
  bool topMost = true;
  Answer([&](frmSelector& form) {
    opened = form.Bounds();
    topMost = form.TopMost();
  });
  selection.SelectFrom(GFXSelection{}, Items({"A", "B"}));
  const platform::Size screen = desktop.ScreenSize();
  EXPECT_EQ(opened, Rect::FromSize((screen.width - 600) / 2, (screen.height - 430) / 2, 600, 430));
  EXPECT_FALSE(topMost);
}

TEST_F(ParentTest, AParentWithoutAHandleOpensFromTheScreensCorner) {
  GFXSelection s;
  s.ParentObj = parent;
  s.WindowPositionRelation = GFXPositionObjectBelow;
  parent->hwndFails = true;
  Rect opened;
  Answer([&](frmSelector& form) { opened = form.Bounds(); });
  selection.SelectFrom(s, Items({"A", "B"}));
  EXPECT_EQ(opened, (Rect{0, 0, 600, 430}));
}

TEST_F(ParentTest, AParentWithoutABackgroundColourFailsTheCall) {
  GFXSelection s;
  s.ParentObj = parent;
  parent->colourFails = true;
  try {
    selection.SelectFrom(s, Items({"A", "B"}));
    FAIL() << "no error";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), 438);
  }
  EXPECT_EQ(DialogsShown(), 0);
}

TEST(GFXRecordText, RecordsCrossAsJsonText) {
  const GFXSelection s = SelectionFromText(
      R"({"Title":"Escolha","DisableCancel":true,"WindowPositionRelation":2,"Unknown":1})");
  EXPECT_EQ(s.Title, "Escolha");
  EXPECT_TRUE(s.DisableCancel);
  EXPECT_EQ(s.WindowPositionRelation, GFXPositionObjectBelow);
  EXPECT_EQ(SelectionFromText("").Title, "");
  const auto items = ItemsFromText(R"([{"Title":"Espanha","Value":"ES","Selected":true},{}])");
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].Value, Variant("ES"));
  EXPECT_TRUE(items[0].Selected);
  EXPECT_EQ(items[1].Title, "");
  GFXResult result;
  result.Accepted = true;
  result.SelectedItems = items;
  result.NumberOfSelectedItems = 2;
  result.SelectedItem = items[0];
  const std::string text = ResultText(result);
  EXPECT_NE(text.find(R"("Accepted":true)"), std::string::npos) << text;
  EXPECT_NE(text.find(R"("SelectedItem":{"Title":"Espanha")"), std::string::npos) << text;
  EXPECT_EQ(VariantOf(items).ToString(), R"(["Espanha",""])");
}

TEST(GFXRecordText, TextOfTheWrongShapeIsATypeMismatch) {
  for (const char* text : {"[1]", "{", "Escolha"}) {
    try {
      SelectionFromText(text);
      FAIL() << text;
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.Number(), kErrTypeMismatch) << text;
    }
  }
  EXPECT_THROW(ItemsFromText(R"({"Title":"A"})"), RuntimeError);
  EXPECT_THROW(ItemsFromText("[1]"), RuntimeError);
}

}  // namespace
}  // namespace qorvexctl

namespace qorvexctl {
namespace {

// A host form with a text box and the button that opens the dialog: the focus leaves for the
// dialog's buttons and comes back to the opener when the dialog has closed.
TEST_F(SelectFromTest, FocusGoesToTheDialogAndBackToTheHostsButton) {
  platform::Form host(desktop, "Declaração");
  host.SetBounds(Rect::FromSize(20, 20, 400, 200));
  auto& name = host.Add<platform::TextBox>("txtNome");
  name.SetBounds(Rect::FromSize(10, 10, 200, 24));
  auto opener = std::make_shared<cButton>(library, desktop, &host);
  host.Adopt(opener, "cmdEscolher");
  opener->SetBounds(Rect::FromSize(10, 50, 120, 30));
  opener->InitProperties();
  host.Show();
  GFXResult result;
  opener->Click.connect([&] { result = selection.SelectFrom(GFXSelection{}, Items({"A", "B"})); });
  std::vector<std::string> focus;
  Answer([&](frmSelector& form) {
    focus.push_back(desktop.Focus() ? desktop.Focus()->Name() : "none");
    desktop.Input().SendKeys("{TAB}");
    focus.push_back(desktop.Focus()->Name() + "(" + std::to_string(desktop.Focus()->Index()) + ")");
    desktop.Input().SendKeys(" ");  // presses the focused item
    Click(form.btn_Handle(0));
  });
  Click(name);
  Click(*opener);
  EXPECT_EQ(focus, (std::vector<std::string>{"btnSelector", "btnSelector(1)"}));
  EXPECT_EQ(result.SelectedItem.Title, "B");
  EXPECT_EQ(desktop.Focus(), opener.get());
  desktop.Input().SendKeys("+{TAB}");
  EXPECT_EQ(desktop.Focus(), &name);
}

}  // namespace
}  // namespace qorvexctl
