#include "qorvexctl/platform/desktop/Menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/HeadlessPresenter.h"
#include "qorvexctl/platform/desktop/PopupMenuWindow.h"
#include "qorvexctl/platform/desktop/Presenter.h"
#include "qorvexctl/platform/desktop/SendKeys.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/drawing/SystemColours.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl::platform {
namespace {

using Names = std::vector<std::string>;

TEST(Menu, ItemArraysAreFoundByNameAndIndexAndLoadEachElementOnce) {
  Menu file("mnuFile", "&Ficheiro");
  file.Add("mnuOpen", "&Abrir...");
  Menu& recent = file.Add("mnuRecent", "-", 0);
  file.Add("mnuRecent", "1 IRS2025.dec", 1);
  file.Add("mnuRecent", "2 IRS2024.dec", 2);
  EXPECT_EQ(file.Item("mnuRecent", 0), &recent);
  EXPECT_TRUE(recent.IsSeparator());
  EXPECT_EQ(file.Item("mnuRecent", 2)->Caption(), "2 IRS2024.dec");
  EXPECT_EQ(file.Item("mnuRecent", 2)->Index(), 2);
  EXPECT_EQ(file.Item("mnuRecent"), &recent);  // no index: the first of the array
  EXPECT_EQ(file.Item("mnuRecent", 3), nullptr);
  EXPECT_EQ(file.Item("mnuOpen")->Index(), -1);
  try {
    file.Add("mnuRecent", "again", 1);
    ADD_FAILURE() << "an element added twice must raise";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Number(), kErrObjectAlreadyLoaded);
  }
  EXPECT_TRUE(file.Remove("mnuRecent", 1));
  EXPECT_FALSE(file.Remove("mnuRecent", 1));
  EXPECT_EQ(file.Items().size(), 3u);
  EXPECT_NO_THROW(file.Add("mnuRecent", "1 IRS2023.dec", 1));
}

TEST(Menu, FindWalksCaptionsWithoutAccessKeysOrNamesDownAPath) {
  Menu bar("bar");
  Menu& edit = bar.Add("mnuEdit", "&Editar");
  Menu& paste = edit.Add("mnu_paste", "&Colar");
  Menu& special = edit.Add("mnuSpecial", "Colar &especial");
  Menu& asText = special.Add("mnuAsText", "Como &texto");
  EXPECT_EQ(bar.Find("&Editar|&Colar"), &paste);
  EXPECT_EQ(bar.Find("Editar|mnu_paste"), &paste);
  EXPECT_EQ(bar.Find("Editar|Colar especial|Como texto"), &asText);
  EXPECT_EQ(bar.Item("mnuAsText"), &asText);  // Item searches every level
  EXPECT_EQ(bar.Find("Editar|Cortar"), nullptr);
  EXPECT_EQ(bar.Find("Colar"), nullptr);  // a path starts at the first level
}

TEST(Menu, OnlyVisibleEnabledLeavesInsideShownMenusCanBeChosen) {
  Menu popup("popup");
  Menu& plain = popup.Add("a", "&A");
  Menu& separator = popup.Add("s", "-");
  Menu& sub = popup.Add("sub", "&Mais");
  Menu& inner = sub.Add("inner", "&Dentro");
  EXPECT_TRUE(plain.IsChoosableIn(popup));
  EXPECT_FALSE(separator.IsChoosableIn(popup));
  EXPECT_FALSE(sub.IsChoosableIn(popup)) << "an item with a submenu opens it instead";
  EXPECT_TRUE(inner.IsChoosableIn(popup));
  sub.Enabled(false);
  EXPECT_FALSE(inner.IsChoosableIn(popup));
  sub.Enabled(true);
  sub.Visible(false);
  EXPECT_FALSE(inner.IsChoosableIn(popup));
  Menu other("other");
  EXPECT_FALSE(plain.IsChoosableIn(other));
}

// A form with a focused text box and the NIF field's context menu.
class PopupMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(Rect::FromSize(100, 100, 400, 300));
    box.SetBounds(Rect::FromSize(10, 10, 120, 21));
    box.KeyPress.connect([this](int& ascii) { boxKeys.push_back(ascii); });
    form.Show();
    for (const auto& [name, caption] : std::vector<std::pair<std::string, std::string>>{
             {"mnu_undo", "&Desfazer"},
             {"sep1", "-"},
             {"mnu_cut", "&Cortar"},
             {"mnu_Copy", "&Copiar"},
             {"mnu_paste", "&Colar"},
             {"mnu_Delete", "&Apagar"},
             {"sep2", "-"},
             {"mnu_selectall", "&Escolher tudo"},
             {"sep3", "-"},
             {"mnu_RefreshNIFInfo", "&Reobter informações..."},
             {"mnu_listnif", "&Escolher da lista..."},
             {"mnu_ficha", "&Ficha de contribuinte"}}) {
      Menu& item = popup.Add(name, caption);
      item.Click.connect([this, &item] { clicks.push_back(item.Name()); });
    }
  }

  Menu& Item(const char* name) { return *popup.Item(name); }
  // The first level of the open popup.
  PopupMenuWindow& Level() { return dynamic_cast<PopupMenuWindow&>(*desktop.ModalWindow()); }
  Menu* Show() { return desktop.PopupMenu(popup, &Item("mnu_paste"), Point{150, 150}); }
  // Answers the next popup with keys, choosing nothing by script.
  void AnswerWithKeys(const std::string& keys) {
    desktop.Scripts().OnPopupMenu([this, keys](Menu&) -> Menu* {
      desktop.Input().SendKeys(keys);
      return nullptr;
    });
  }
  const ModalRecord& LastRecord() { return desktop.Scripts().Log().back(); }

  Desktop desktop;
  Form form{desktop, "Declaração"};
  TextBox& box = form.Add<TextBox>("Text1");
  Menu popup{"popup"};
  Names clicks;
  std::vector<int> boxKeys;
};

TEST_F(PopupMenuTest, AScriptedChoiceRunsExactlyThatItemsClickAfterTheMenuClosed) {
  bool openDuringClick = true;
  Item("mnu_paste").Click.connect([&] { openDuringClick = desktop.ModalWindow() != nullptr; });
  for (const char* answer : {"&Colar", "Colar", "mnu_paste"}) {
    openDuringClick = true;
    desktop.Scripts().ChoosePopupItem(answer);
    EXPECT_EQ(Show(), &Item("mnu_paste")) << answer;
    EXPECT_FALSE(openDuringClick);
  }
  EXPECT_EQ(clicks, (Names{"mnu_paste", "mnu_paste", "mnu_paste"}));
  EXPECT_EQ(LastRecord().kind, ModalRecord::Kind::PopupMenu);
  EXPECT_EQ(LastRecord().title, "popup");
  EXPECT_TRUE(LastRecord().scripted);
  EXPECT_FALSE(LastRecord().cancelled);
  EXPECT_EQ(desktop.ModalDepth(), 0);
  EXPECT_EQ(desktop.Capture(), nullptr);
  EXPECT_EQ(desktop.Focus(), &box) << "the menu never takes the focus";
}

TEST_F(PopupMenuTest, WithoutAScriptTheMenuClosesAsDismissedAndIsLogged) {
  EXPECT_EQ(Show(), nullptr);
  desktop.Scripts().OnPopupMenu([](Menu&) { return nullptr; });
  EXPECT_EQ(Show(), nullptr);
  desktop.Scripts().ChoosePopupItem("Não existe");
  EXPECT_EQ(Show(), nullptr);
  EXPECT_TRUE(clicks.empty());
  const auto& log = desktop.Scripts().Log();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_FALSE(log[0].scripted);
  for (const ModalRecord& r : log) EXPECT_TRUE(r.cancelled);
}

TEST_F(PopupMenuTest, DisabledOrHiddenItemsCannotBeChosenByScriptKeyOrMouse) {
  Item("mnu_paste").Enabled(false);
  Item("mnu_Delete").Visible(false);
  desktop.Scripts().ChoosePopupItem("mnu_paste");
  EXPECT_EQ(Show(), nullptr);
  desktop.Scripts().ChoosePopupItem("&Apagar");
  EXPECT_EQ(Show(), nullptr);
  AnswerWithKeys("a");  // the hidden item's letter
  EXPECT_EQ(Show(), nullptr);
  desktop.Scripts().OnPopupMenu([this](Menu&) -> Menu* {
    PopupMenuWindow& level = Level();
    EXPECT_TRUE(level.ItemRect(&Item("mnu_Delete")).IsEmpty()) << "hidden items take no room";
    const Rect paste = level.ItemRect(&Item("mnu_paste"));
    desktop.Input().Click(level, Point{paste.left + 20, paste.top + 4});
    EXPECT_EQ(level.HotItem(), nullptr) << "hovering a disabled item highlights nothing";
    return nullptr;
  });
  EXPECT_EQ(Show(), nullptr);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(PopupMenuTest, ArrowsSkipSeparatorsAndDisabledItemsAndWrapAround) {
  Item("mnu_cut").Enabled(false);
  Item("mnu_ficha").Enabled(false);
  Names hot;
  desktop.Scripts().OnPopupMenu([&](Menu&) -> Menu* {
    for (int key :
         {vbKeyDown, vbKeyDown, vbKeyUp, vbKeyUp, vbKeyUp, vbKeyDown, vbKeyEnd, vbKeyHome}) {
      desktop.Input().PressKey(key);
      hot.push_back(Level().HotItem() ? Level().HotItem()->Name() : "");
    }
    desktop.Input().PressKey(vbKeyReturn);
    return nullptr;
  });
  EXPECT_EQ(Show(), &Item("mnu_undo"));
  EXPECT_EQ(hot, (Names{"mnu_undo", "mnu_Copy", "mnu_undo", "mnu_listnif", "mnu_RefreshNIFInfo",
                        "mnu_listnif", "mnu_listnif", "mnu_undo"}));
  EXPECT_EQ(clicks, Names{"mnu_undo"});
  EXPECT_TRUE(boxKeys.empty()) << "Enter was taken by the menu, not typed into the text box";
  EXPECT_FALSE(LastRecord().cancelled);
}

TEST_F(PopupMenuTest, AnAccessLetterChoosesItsItemOrCyclesThroughItemsSharingIt) {
  AnswerWithKeys("a");
  EXPECT_EQ(Show(), &Item("mnu_Delete"));
  AnswerWithKeys("ccc~");  // Cortar, Copiar, Colar
  EXPECT_EQ(Show(), &Item("mnu_paste"));
  AnswerWithKeys("E");  // Escolher tudo and Escolher da lista...: highlighted, not chosen
  EXPECT_EQ(Show(), nullptr);
  AnswerWithKeys("{ESC}");
  EXPECT_EQ(Show(), nullptr);
  EXPECT_EQ(clicks, (Names{"mnu_Delete", "mnu_paste"}));
  EXPECT_TRUE(boxKeys.empty());
}

TEST_F(PopupMenuTest, HoverHighlightsAReleaseOverAnItemChoosesAndAClickOutsideDismisses) {
  desktop.Scripts().OnPopupMenu([this](Menu&) -> Menu* {
    PopupMenuWindow& level = Level();
    const Rect copy = level.ItemRect(&Item("mnu_Copy"));
    desktop.Input().MoveTo(level, Point{copy.left + 10, copy.top + 3});
    EXPECT_EQ(level.HotItem(), &Item("mnu_Copy"));
    desktop.Input().Click(level, Point{copy.left + 10, copy.top + 3});
    return nullptr;
  });
  EXPECT_EQ(Show(), &Item("mnu_Copy"));
  int boxPresses = 0;
  box.MouseDown.connect([&](int, int, float, float) { ++boxPresses; });
  desktop.Scripts().OnPopupMenu([this](Menu&) -> Menu* {
    desktop.Input().Click(box);
    return &Item("mnu_cut");  // too late: the click outside dismissed the menu
  });
  EXPECT_EQ(Show(), nullptr);
  EXPECT_TRUE(LastRecord().cancelled);
  EXPECT_EQ(clicks, Names{"mnu_Copy"});
  EXPECT_EQ(boxPresses, 0) << "the dismissing click is not passed on";
}

TEST_F(PopupMenuTest, TheRightButtonChoosesOnlyWithTheRightButtonFlag) {
  auto releaseRightOverCut = [this](Menu&) -> Menu* {
    const Rect cut = Level().ItemRect(&Item("mnu_cut"));
    desktop.Input().MoveTo(Level(), Point{cut.left + 10, cut.top + 3});
    desktop.Input().MouseUp(Level(), Point{cut.left + 10, cut.top + 3}, vbRightButton);
    return nullptr;
  };
  desktop.Scripts().OnPopupMenu(releaseRightOverCut);
  EXPECT_EQ(desktop.PopupMenu(popup), nullptr);
  desktop.Scripts().OnPopupMenu(releaseRightOverCut);
  EXPECT_EQ(desktop.PopupMenu(popup, nullptr, std::nullopt, vbPopupMenuRightButton),
            &Item("mnu_cut"));
}

TEST_F(PopupMenuTest, SubmenusOpenToTheRightByKeyAndByHover) {
  Menu& more = popup.Add("mnuMore", "&Mais");
  Menu& first = more.Add("mnuFirst", "&Primeiro");
  Menu& second = more.Add("mnuSecond", "&Segundo");
  desktop.Scripts().ChoosePopupItem("Mais|Segundo");
  EXPECT_EQ(Show(), &second);
  desktop.Scripts().OnPopupMenu([&](Menu&) -> Menu* {
    desktop.Input().SendKeys("m");  // opens the submenu on its first item
    const auto* sub = dynamic_cast<PopupMenuWindow*>(desktop.TopLevelWindows().back());
    EXPECT_EQ(&sub->Source(), &more);
    EXPECT_EQ(sub->HotItem(), &first);
    EXPECT_GE(sub->ScreenBounds().left, Level().ScreenBounds().right - 3);
    desktop.Input().SendKeys("{LEFT}{DOWN}{UP}{RIGHT}{DOWN}~");
    return nullptr;
  });
  EXPECT_EQ(Show(), &second);
  desktop.Scripts().OnPopupMenu([&](Menu&) -> Menu* {
    const Rect item = Level().ItemRect(&more);
    desktop.Input().MoveTo(Level(), Point{item.left + 10, item.top + 3});
    auto* sub = dynamic_cast<PopupMenuWindow*>(desktop.TopLevelWindows().back());
    const Rect target = sub->ItemRect(&first);
    desktop.Input().Click(*sub, Point{target.left + 5, target.top + 3});
    return nullptr;
  });
  EXPECT_EQ(Show(), &first);
}

TEST_F(PopupMenuTest, TheOpenMenuIsOnTheDesktopWhileItsScriptRuns) {
  bool seen = false;
  desktop.Scripts().OnPopupMenu([&](Menu& menu) -> Menu* {
    EXPECT_EQ(&menu, &popup);
    PopupMenuWindow& level = Level();
    EXPECT_TRUE(level.IsShown());
    EXPECT_TRUE(level.TopMost());
    EXPECT_EQ(level.ScreenBounds().left, 150);
    EXPECT_EQ(level.ScreenBounds().top, 150);
    HeadlessPresenter presenter;
    const Surface& frame = presenter.Frame(desktop);
    EXPECT_EQ(frame.PixelColour(160, 157), ResolveColour(SystemColour(COLOR_MENU)));
    seen = true;
    return nullptr;
  });
  Show();
  EXPECT_TRUE(seen);
  EXPECT_EQ(desktop.WindowFromPoint({160, 157}), &form) << "the menu is gone afterwards";
}

TEST_F(PopupMenuTest, TheMenuGoesWhenItsFormIsHidden) {
  desktop.Scripts().OnPopupMenu([&](Menu&) -> Menu* {
    form.Hide();
    return &Item("mnu_cut");
  });
  EXPECT_EQ(Show(), nullptr);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(PopupMenuTest, ChangesWhileTheMenuIsOpenShowAtOnceAndRemovedItemsAreLetGo) {
  Menu& more = popup.Add("mnuMore", "&Mais");
  more.Add("mnuFirst", "&Primeiro");
  const Menu* cut = &Item("mnu_cut");
  desktop.Scripts().OnPopupMenu([&](Menu&) -> Menu* {
    desktop.Input().SendKeys("m");  // the submenu open, its item hot
    const int width = Level().Bounds().Width();
    desktop.SetTimer(0, 1, 10, [&](HWND, std::uintptr_t) {
      desktop.KillTimer(0, 1);
      popup.Remove("mnu_cut");
      Item("mnu_paste").Caption("&Colar o número de contribuinte copiado");
      more.Enabled(false);
    });
    desktop.Wait(20);
    EXPECT_TRUE(Level().ItemRect(cut).IsEmpty());
    EXPECT_GT(Level().Bounds().Width(), width);
    EXPECT_EQ(Level().HotItem(), nullptr);
    EXPECT_EQ(dynamic_cast<PopupMenuWindow*>(desktop.TopLevelWindows().back()), &Level())
        << "the submenu of a disabled item closed";
    desktop.Input().SendKeys("{DOWN}{DOWN}~");
    return nullptr;
  });
  EXPECT_EQ(Show(), &Item("mnu_Copy"));
}

TEST_F(PopupMenuTest, AFormShowsItsPopupAtAPointInItsScaleUnits) {
  Point shownAt{};
  desktop.Scripts().OnPopupMenu([&](Menu&) -> Menu* {
    shownAt = {Level().ScreenBounds().left, Level().ScreenBounds().top};
    return nullptr;
  });
  form.PopupMenu(popup, vbPopupMenuLeftAlign, 300.0, 150.0);  // twips: 20 x 10 pixels
  const Point client = form.ClientToScreen({20, 10});
  EXPECT_EQ(shownAt, client);
}

TEST_F(PopupMenuTest, AMenuNearTheScreenEdgeOpensToTheOtherSide) {
  Rect bounds;
  desktop.Scripts().OnPopupMenu([&](Menu&) -> Menu* {
    bounds = Level().ScreenBounds();
    return nullptr;
  });
  desktop.PopupMenu(popup, nullptr, Point{1020, 760});
  EXPECT_EQ(bounds.right, 1020);
  EXPECT_EQ(bounds.bottom, 760);
}

TEST_F(PopupMenuTest, APopupOverAModalFormAnswersAndTheFormGetsTheKeysBack) {
  Form dialog(desktop, "Diálogo");
  TextBox& field = dialog.Add<TextBox>("Campo");
  desktop.Scripts().OnModalForm("Diálogo", [&](Window&) {
    AnswerWithKeys("a");
    EXPECT_EQ(dialog.PopupMenu(popup), &Item("mnu_Delete"));
    desktop.Input().Type("x");
    dialog.Hide();
  });
  dialog.Show(vbModal);
  EXPECT_EQ(field.Text(), "x");
  EXPECT_EQ(clicks, Names{"mnu_Delete"});
}

TEST(PopupMenuEmpty, AMenuWithNothingVisibleShowsNothingAndIsLoggedAsDismissed) {
  Desktop desktop;
  Menu popup("popup");
  popup.Add("a", "&Abrir").Visible(false);
  desktop.Scripts().ChoosePopupItem("a");
  EXPECT_EQ(desktop.PopupMenu(popup), nullptr);
  EXPECT_TRUE(desktop.TopLevelWindows().empty());
  EXPECT_TRUE(desktop.Scripts().Log().back().cancelled);
}

// A presenter standing for a real user, who presses Down and Enter once a menu is up.
class KeyboardUser final : public Presenter {
 public:
  bool Interactive() const override { return true; }
  void PollInput(Desktop& desktop, int /*timeoutMs*/) override {
    if (!desktop.ModalWindow() || m_answered) return;
    m_answered = true;
    desktop.PostKeyStroke(KeyStroke{vbKeyDown, 0, 0});
    desktop.PostKeyStroke(KeyStroke{vbKeyReturn, 0, 0});
  }

 private:
  bool m_answered = false;
};

TEST(PopupMenuWithAUser, TheMenuWaitsForTheUsersChoice) {
  Desktop desktop(Desktop::Options{.screen = {1024, 768}, .virtualClock = false});
  desktop.SetPresenter(std::make_unique<KeyboardUser>());
  Menu popup("popup");
  popup.Add("a", "&Abrir").Enabled(false);
  Menu& lock = popup.Add("b", "&Bloquear");
  EXPECT_EQ(desktop.PopupMenu(popup, nullptr, Point{10, 10}), &lock);
  EXPECT_FALSE(desktop.Scripts().Log().back().scripted);
  EXPECT_FALSE(desktop.Scripts().Log().back().cancelled);
}

// A form with a menu bar of two menus; `log` records the Click events.
class FormMenuBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(Rect::FromSize(50, 50, 400, 300));
    for (Menu* item : {&file, &open, &help, &about}) {
      item->Click.connect([this, item] { log.push_back(item->Name()); });
    }
  }
  Desktop desktop;
  Form form{desktop, "Declaração"};
  Menu& file = form.MenuBar().Add("mnuFile", "&Ficheiro");
  Menu& open = file.Add("mnuOpen", "&Abrir...");
  Menu& help = form.MenuBar().Add("mnuHelp", "A&juda");
  Menu& about = help.Add("mnuAbout", "&Acerca de...");
  Names log;
};

TEST_F(FormMenuBarTest, ABarItemClickedDropsItsMenuDownBelowItselfPushedIn) {
  form.Show();
  const Point clientTopLeft = form.ClientToScreen({0, 0});
  desktop.Scripts().OnPopupMenu([&](Menu& menu) {
    EXPECT_EQ(&menu, &file);
    EXPECT_EQ(desktop.ModalWindow()->ScreenBounds().top, clientTopLeft.y);
    HeadlessPresenter presenter;
    const Surface& frame = presenter.Frame(desktop);
    EXPECT_EQ(frame.PixelColour(clientTopLeft.x, clientTopLeft.y - 5), RGB(128, 128, 128))
        << "the open item's sunken edge";
    EXPECT_EQ(
        frame.PixelColour(clientTopLeft.x + form.ClientRect().Width() - 10, clientTopLeft.y - 5),
        RGB(192, 192, 192))
        << "the bar's empty end, between the caption and the client area";
    return menu.Find("Abrir...");
  });
  desktop.Input().Click(form, Point{10, -5});
  EXPECT_EQ(log, (Names{"mnuFile", "mnuOpen"})) << "the bar item's Click comes first";
  const int withBar = form.ClientRect().Height();
  help.Visible(false);
  file.Visible(false);
  EXPECT_EQ(form.ClientRect().Height(), withBar + MenuBarHeight(form.Font()))
      << "an empty bar gives its room back";
}

TEST_F(FormMenuBarTest, AltAndALetterOpenABarMenuUnlessAControlAnswersTheLetter) {
  Label& label = form.Add<Label>("lblFicha", nullptr, "&Ficha");
  label.TabIndex(0);
  TextBox& box = form.Add<TextBox>("txtFicha");
  box.TabIndex(1);
  form.Show();
  desktop.Scripts().ChoosePopupItem("Acerca de...");
  desktop.Input().PressKey('J', vbAltMask);
  EXPECT_EQ(log, (Names{"mnuHelp", "mnuAbout"}));
  desktop.Input().PressKey('F', vbAltMask);
  EXPECT_EQ(desktop.Focus(), &box) << "the label's letter, not the menu's";
  EXPECT_EQ(desktop.Scripts().Log().size(), 1u);
}

// Pixels of a surface whose red channel is dark: the ink of black text.
int InkIn(const Surface& s, const Rect& r) {
  int ink = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (RedOf(s.PixelColour(x, y)) < 96 && BlueOf(s.PixelColour(x, y)) < 96) ++ink;
    }
  }
  return ink;
}

TEST(PopupMenuLooks, TheDefaultItemIsBoldAndTheHotItemIsHighlighted) {
  Desktop desktop;
  Menu popup("popup");
  Menu& hot = popup.Add("a", "&Cortar");
  Menu& normal = popup.Add("b", "&Colar");
  Menu& bold = popup.Add("c", "&Colar");
  Menu& disabled = popup.Add("d", "&Colar");
  disabled.Enabled(false);
  desktop.Scripts().OnPopupMenu([&](Menu&) -> Menu* {
    auto& level = dynamic_cast<PopupMenuWindow&>(*desktop.ModalWindow());
    desktop.Input().PressKey(vbKeyDown);
    desktop.PaintPending();
    const Surface& s = level.BackingSurface();
    const int normalInk = InkIn(s, level.ItemRect(&normal));
    EXPECT_GT(normalInk, 20);
    EXPECT_GT(InkIn(s, level.ItemRect(&bold)), normalInk * 6 / 5) << "bold text has more ink";
    EXPECT_EQ(InkIn(s, level.ItemRect(&disabled)), 0) << "disabled text is grey";
    const Rect hotRect = level.ItemRect(&hot);
    EXPECT_EQ(s.PixelColour(hotRect.left + 2, hotRect.top + 2), RGB(0, 0, 128));
    EXPECT_EQ(s.PixelColour(hotRect.right - 2, hotRect.bottom - 2), RGB(0, 0, 128));
    const Rect boldRect = level.ItemRect(&bold);
    EXPECT_EQ(s.PixelColour(boldRect.left + 2, boldRect.top + 2), RGB(192, 192, 192));
    EXPECT_EQ(s.PixelColour(0, 0), RGB(255, 255, 255)) << "raised edge, light outer line";
    EXPECT_EQ(s.PixelColour(s.Width() - 1, s.Height() - 1), RGB(0, 0, 0));
    return nullptr;
  });
  desktop.PopupMenu(popup, &bold, Point{10, 10});
}

}  // namespace
}  // namespace qorvexctl::platform
