#include "qorvexctl/platform/widgets/ListView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/ImageList.h"
#include "qorvexctl/platform/widgets/ScrollBar.h"
#include "qorvexctl/platform/widgets/TextBox.h"
#include "qorvexctl/platform/widgets/TooltipWindow.h"

namespace qorvexctl::platform {
namespace {

using Texts = std::vector<std::string>;

std::shared_ptr<Picture> SolidPicture(Colour colour) {
  Surface pixels(16, 16, 32);
  Canvas(pixels).FillRect(pixels.Bounds(), colour);
  return std::make_shared<Picture>(std::move(pixels));
}

// A country list like the one a host fills: name, two-letter code and numeric code, with a
// flag-coloured icon per code, and the usual header-click handler that sorts by the clicked
// column and reverses the order when the same column is clicked again.
struct ListViewFixture : ::testing::Test {
  Desktop desktop;
  Form form{desktop, "Países"};
  ListView& list = form.Add<ListView>("cList");
  ImageList flags;
  std::vector<std::string> log;

  ListViewFixture() {
    form.SetBounds(Rect::FromSize(0, 0, 400, 260));
    list.SetBounds(Rect::FromSize(10, 10, 320, 160));
    list.AddColumn("País", 2400);
    list.AddColumn("Código", 1000);
    list.AddColumn("Nº", 800);
    flags.Add("PT", SolidPicture(RGB(0, 102, 0)));
    flags.Add("ES", SolidPicture(RGB(198, 11, 30)));
    list.SmallIcons(&flags);
    for (const auto& [name, code, number] : kCountries) Add(name, code, number);
    list.ColumnClick.connect([this](int column) {
      if (list.Sorted() && list.SortKey() == column) {
        list.SortOrder(list.SortOrder() == lvwAscending ? lvwDescending : lvwAscending);
      } else {
        list.SortKey(column);
        list.SortOrder(lvwAscending);
      }
      list.Sorted(true);
    });
    form.Show();
  }

  ListItem& Add(const std::string& name, const std::string& code, const std::string& number) {
    ListItem& item = list.AddItem(name, code);
    item.SetSubItem(1, code);
    item.SetSubItem(2, number);
    return item;
  }

  Texts Column(int column) const {
    Texts out;
    for (const ListItem* item : list.Items()) out.push_back(item->ColumnText(column));
    return out;
  }

  void LogEvents() {
    list.MouseDown.connect([this](int, int, float, float) { log.push_back("MouseDown"); });
    list.MouseUp.connect([this](int, int, float, float) { log.push_back("MouseUp"); });
    list.ItemClick.connect([this](ListItem& item) { log.push_back("ItemClick " + item.Text()); });
    list.Click.connect([this] { log.push_back("Click"); });
    list.DblClick.connect([this] {
      log.push_back("DblClick " + (list.SelectedItem() ? list.SelectedItem()->Text() : ""));
    });
  }

  // The middle of row `index` (from 1), in the list's client pixels.
  Point RowPoint(int index) const {
    const Rect r = list.ItemRect(index);
    return {r.left + 40, (r.top + r.bottom) / 2};
  }
  Point HeaderPoint(int column) const {
    const Rect r = list.HeaderRect(column);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  struct Country {
    const char* name;
    const char* code;
    const char* number;
  };
  static constexpr Country kCountries[] = {
      {"Portugal", "PT", "620"}, {"Espanha", "ES", "724"},   {"Áustria", "AT", "040"},
      {"alemanha", "DE", "276"}, {"França", "FR", "250"},    {"Bélgica", "BE", "056"},
      {"Itália", "IT", "380"},   {"Irlanda", "IE", "372"},   {"Grécia", "GR", "300"},
      {"Malta", "MT", "470"},    {"Chipre", "CY", "196"},    {"Suécia", "SE", "752"},
      {"Letónia", "LV", "428"},  {"Lituânia", "LT", "440"},  {"Estónia", "EE", "233"},
      {"Polónia", "PL", "616"},  {"Roménia", "RO", "642"},   {"Bulgária", "BG", "100"},
      {"Croácia", "HR", "191"},  {"Eslovénia", "SI", "705"},
  };
};

TEST_F(ListViewFixture, HeaderClicksSortEachColumnAscendingThenDescending) {
  desktop.Input().Click(list, HeaderPoint(0));
  EXPECT_EQ(list.SortKey(), 0);
  const Texts byName = Column(0);
  EXPECT_EQ(Texts(byName.begin(), byName.begin() + 4),
            (Texts{"alemanha", "Áustria", "Bélgica", "Bulgária"}));
  EXPECT_EQ(byName.back(), "Suécia");

  desktop.Input().Click(list, HeaderPoint(0));
  EXPECT_EQ(list.SortOrder(), lvwDescending);
  EXPECT_EQ(Column(0), Texts(byName.rbegin(), byName.rend()));

  desktop.Input().Click(list, HeaderPoint(1));
  EXPECT_EQ(list.SortOrder(), lvwAscending);
  EXPECT_EQ(Column(1).front(), "AT");
  EXPECT_EQ(Column(1).back(), "SI");
  desktop.Input().Click(list, HeaderPoint(2));
  desktop.Input().Click(list, HeaderPoint(2));
  EXPECT_EQ(Column(2).front(), "752");
  EXPECT_EQ(Column(2).back(), "040");
  EXPECT_EQ(list.Item(1).Index(), 1);
  EXPECT_EQ(list.Item(1).Text(), "Suécia");
}

TEST_F(ListViewFixture, SortingIsStableInBothDirectionsAndKeepsAddedItemsInPlace) {
  list.ClearItems();
  Add("Portugal", "PT", "1");
  Add("Madeira", "PT", "2");
  Add("Espanha", "ES", "3");
  Add("Açores", "pt", "4");
  list.SortKey(1);
  list.Sorted(true);
  EXPECT_EQ(Column(2), (Texts{"3", "1", "2", "4"}));
  list.SortOrder(lvwDescending);
  EXPECT_EQ(Column(2), (Texts{"1", "2", "4", "3"}));

  Add("Canárias", "ES", "5");  // equal keys: after the ones already there
  Add("Zâmbia", "ZM", "6");
  EXPECT_EQ(Column(2), (Texts{"6", "1", "2", "4", "3", "5"}));
}

TEST_F(ListViewFixture, DraggingAHeaderDividerResizesTheColumnWithoutSorting) {
  int columnClicks = 0;
  list.ColumnClick.connect([&](int) { ++columnClicks; });
  const Rect first = list.HeaderRect(0);
  const Point divider{first.right - 1, (first.top + first.bottom) / 2};
  desktop.Input().MouseDown(list, divider);
  desktop.Input().MoveTo(list, Point{divider.x + 30, divider.y});
  EXPECT_EQ(list.Column(0).Width(), 2400 + 30 * 15);
  EXPECT_EQ(list.HeaderRect(1).left, first.right + 30);
  desktop.Input().MoveTo(list, Point{0, divider.y});  // never narrower than nothing
  desktop.Input().MouseUp(list, Point{0, divider.y});
  EXPECT_EQ(list.Column(0).Width(), 0);
  EXPECT_EQ(columnClicks, 0);
  EXPECT_FALSE(list.Sorted());
}

TEST_F(ListViewFixture, ItemsAreFoundByKey) {
  list.Item(2).Key("es");
  EXPECT_EQ(list.ItemByKey("ES"), &list.Item(2));
  EXPECT_EQ(list.ItemByKey("XX"), nullptr);
}

TEST_F(ListViewFixture, AClickSelectsTheRowAndRaisesItemClickThenClick) {
  LogEvents();
  desktop.Input().Click(list, RowPoint(2));
  ASSERT_NE(list.SelectedItem(), nullptr);
  EXPECT_EQ(list.SelectedItem()->Text(), "Espanha");
  EXPECT_TRUE(list.Item(2).Selected());
  EXPECT_EQ(log, (Texts{"MouseDown", "MouseUp", "ItemClick Espanha", "Click"}));
  EXPECT_TRUE(list.HasFocus());

  log.clear();
  desktop.Input().DoubleClick(list, RowPoint(3));
  EXPECT_EQ(log, (Texts{"MouseDown", "MouseUp", "ItemClick Áustria", "Click", "DblClick Áustria",
                        "MouseUp"}));
}

TEST_F(ListViewFixture, AClickBelowTheRowsSelectsNothing) {
  list.ClearItems();
  Add("Portugal", "PT", "620");
  list.Item(1).Selected(true);
  LogEvents();
  desktop.Input().Click(list, RowPoint(4));
  EXPECT_EQ(list.SelectedItem(), nullptr);
  EXPECT_EQ(log, (Texts{"MouseDown", "MouseUp", "Click"}));
}

TEST_F(ListViewFixture, KeysMoveTheSelectionAndKeepItInView) {
  const int page = list.VisibleRowCount();
  ASSERT_GT(page, 2);
  ASSERT_LT(page, list.ItemCount());
  LogEvents();
  list.SetFocus();
  desktop.Input().PressKey(vbKeyDown);
  EXPECT_EQ(list.SelectedItem()->Index(), 1);
  desktop.Input().PressKey(vbKeyDown);
  desktop.Input().PressKey(vbKeyUp);
  EXPECT_EQ(list.SelectedItem()->Index(), 1);
  desktop.Input().PressKey(vbKeyPageDown);  // to the last whole row in view
  EXPECT_EQ(list.SelectedItem()->Index(), page);
  EXPECT_EQ(list.TopIndex(), 1);
  desktop.Input().PressKey(vbKeyPageDown);  // a page further
  EXPECT_EQ(list.SelectedItem()->Index(), 2 * page - 1);
  EXPECT_EQ(list.TopIndex(), page);
  desktop.Input().PressKey(vbKeyEnd);
  EXPECT_EQ(list.SelectedItem()->Index(), list.ItemCount());
  EXPECT_EQ(list.TopIndex(), list.ItemCount() - page + 1);
  desktop.Input().PressKey(vbKeyHome);
  EXPECT_EQ(list.TopIndex(), 1);
  EXPECT_EQ(log.back(), "ItemClick Portugal");
  EXPECT_EQ(log.size(), 7u);
}

TEST_F(ListViewFixture, TypingALetterSelectsTheNextItemStartingWithIt) {
  list.SetFocus();
  desktop.Input().Type("e");
  EXPECT_EQ(list.SelectedItem()->Text(), "Espanha");
  desktop.Input().Type("e");
  EXPECT_EQ(list.SelectedItem()->Text(), "Estónia");
  desktop.Input().Type("a");  // "Áustria" answers to a plain a
  EXPECT_EQ(list.SelectedItem()->Text(), "Áustria");
}

TEST_F(ListViewFixture, EnsureVisibleScrollsTheLeastNeeded) {
  const int page = list.VisibleRowCount();
  ScrollBar& bar = list.VerticalScrollBar();
  EXPECT_TRUE(bar.Visible());
  list.EnsureVisible(15);
  EXPECT_EQ(list.TopIndex(), 15 - page + 1);
  EXPECT_EQ(bar.Value(), list.TopIndex() - 1);
  list.EnsureVisible(10);  // already in view
  EXPECT_EQ(list.TopIndex(), 15 - page + 1);
  list.Item(3).EnsureVisible();
  EXPECT_EQ(list.TopIndex(), 3);

  desktop.Input().Click(bar, Point{8, bar.ClientRect().bottom - 8});  // the down arrow
  EXPECT_EQ(list.TopIndex(), 4);
  EXPECT_TRUE(list.HasFocus());
  EXPECT_EQ(list.HitTest(PixelsToTwips(RowPoint(4).x), PixelsToTwips(RowPoint(4).y)),
            &list.Item(4));
}

TEST_F(ListViewFixture, TheWheelScrollsThreeRowsANotchWithinTheList) {
  desktop.Input().Click(list, RowPoint(1));
  const auto turn = [&](int notches) {
    InputEvent wheel;
    wheel.kind = InputEvent::Kind::MouseWheel;
    wheel.screen = list.ClientToScreen(RowPoint(1));
    wheel.wheelDelta = notches * kWheelDelta;
    desktop.PostInput(wheel);
    desktop.DoEvents();
  };
  turn(-2);  // towards the user: down the list
  EXPECT_EQ(list.TopIndex(), 7);
  EXPECT_EQ(list.VerticalScrollBar().Value(), 6);
  turn(1);
  EXPECT_EQ(list.TopIndex(), 4);
  turn(5);
  EXPECT_EQ(list.TopIndex(), 1);
  turn(-100);
  EXPECT_EQ(list.TopIndex(), list.ItemCount() - list.VisibleRowCount() + 1);
  EXPECT_EQ(list.SelectedItem(), &list.Item(1));  // scrolling leaves the selection alone
}

TEST_F(ListViewFixture, TheScrollBarShowsOnlyWhenRowsOverflow) {
  list.ClearItems();
  EXPECT_FALSE(list.VerticalScrollBar().Visible());
  Add("Portugal", "PT", "620");
  EXPECT_FALSE(list.VerticalScrollBar().Visible());
  EXPECT_EQ(list.TopIndex(), 1);
}

TEST_F(ListViewFixture, RowsShowTheirIconsAndTheSelectionInHighlightColours) {
  list.SetFocus();
  list.Item(2).Selected(true);
  desktop.DoEvents();
  const Surface& pixels = list.BackingSurface();
  const Rect row1 = list.ItemRect(1), row2 = list.ItemRect(2);
  const int iconX = row1.left + 2 + 8;
  EXPECT_EQ(pixels.PixelColour(iconX, (row1.top + row1.bottom) / 2), RGB(0, 102, 0));
  EXPECT_EQ(pixels.PixelColour(iconX, (row2.top + row2.bottom) / 2), RGB(198, 11, 30));
  // Right of the icon, on the selected item's text, the highlight shows; in the first row the
  // window background does.
  const SystemColours& colours = desktop.Colours();
  EXPECT_EQ(pixels.PixelColour(row2.left + 20, row2.top + 1), colours.Get(COLOR_HIGHLIGHT));
  EXPECT_EQ(pixels.PixelColour(row1.left + 20, row1.top + 1), colours.Get(COLOR_WINDOW));
  // The header is a row of raised buttons.
  const Rect header = list.HeaderRect(1);
  EXPECT_EQ(pixels.PixelColour(header.left + 3, header.top + 3), colours.Get(COLOR_BTNFACE));
  EXPECT_EQ(pixels.PixelColour(header.left, header.top + 3), colours.Get(COLOR_BTNHIGHLIGHT));
}

TEST_F(ListViewFixture, HiddenSelectionShowsOnlyWhileTheListHasTheFocus) {
  form.Add<TextBox>("Text1").SetFocus();
  list.Item(1).Selected(true);
  desktop.DoEvents();
  const Rect row = list.ItemRect(1);
  const Point probe{row.left + 20, row.top + 1};
  const SystemColours& colours = desktop.Colours();
  EXPECT_EQ(list.BackingSurface().PixelColour(probe.x, probe.y), colours.Get(COLOR_WINDOW));
  list.HideSelection(false);
  desktop.DoEvents();
  EXPECT_EQ(list.BackingSurface().PixelColour(probe.x, probe.y), colours.Get(COLOR_HIGHLIGHT));
}

TEST_F(ListViewFixture, TheItemUnderThePointerShowsItsToolTip) {
  list.Item(2).ToolTipText("Reino de Espanha");
  desktop.Input().MoveTo(list, RowPoint(2));
  desktop.Wait(TooltipWindow::kDefaultInitialDelayMs + 50);
  const TooltipWindow* tip = nullptr;
  for (Window* w : desktop.TopLevelWindows()) {
    if (auto* t = dynamic_cast<TooltipWindow*>(w)) tip = t;
  }
  ASSERT_NE(tip, nullptr);
  EXPECT_TRUE(tip->IsTipShown());
  EXPECT_EQ(tip->WindowText(), "Reino de Espanha");

  desktop.Input().MoveTo(list, RowPoint(1));  // a row without a tip
  desktop.Wait(TooltipWindow::kDefaultInitialDelayMs + 50);
  EXPECT_FALSE(tip->IsTipShown());
}

TEST_F(ListViewFixture, ItemsAndColumnsOutsideTheListRaiseError35600) {
  try {
    list.Item(list.ItemCount() + 1);
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Number(), 35600);
  }
  EXPECT_THROW(list.Column(3), RuntimeError);
  EXPECT_EQ(list.Column(2).Text(), "Nº");
  EXPECT_EQ(list.Item(1).SubItem(7), "");
}

TEST(ImageList, KeysAreUniqueWithoutRegardToCase) {
  ImageList images;
  EXPECT_TRUE(images.Add("PT", SolidPicture(RGB(0, 102, 0))));
  EXPECT_FALSE(images.Add("pt", SolidPicture(RGB(255, 0, 0))));
  EXPECT_FALSE(images.Add("XX", Picture()));
  EXPECT_TRUE(images.Contains("Pt"));
  EXPECT_EQ(images.Find("pT")->Pixels().PixelColour(0, 0), RGB(0, 102, 0));
  EXPECT_EQ(images.Find("ES"), nullptr);
  EXPECT_EQ(images.Count(), 1);
  images.Clear();
  EXPECT_EQ(images.Count(), 0);
}

}  // namespace
}  // namespace qorvexctl::platform
