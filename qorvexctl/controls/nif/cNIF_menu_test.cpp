// The NIF field's context menu and clipboard commands, driven the way a user right-clicks and
// chooses an item.

#include <gtest/gtest.h>

#include <string>

#include "qorvexctl/controls/nif/NifFieldTest.h"
#include "qorvexctl/platform/desktop/Menu.h"
#include "qorvexctl/platform/desktop/PopupMenuWindow.h"

namespace qorvexctl {
namespace {

using platform::vbRightButton;

struct NifMenuTest : NifFieldTest {
  std::unique_ptr<cNIF> field = MakeField();

  void SetUp() override {
    form.Show();
    field->NumberBox().SetFocus();
  }

  // Right-clicks the number and chooses the item with this caption.
  void Choose(const std::string& caption) {
    desktop.Scripts().ChoosePopupItem(caption);
    input.Click(field->NumberBox(), std::nullopt, vbRightButton);
  }

  void Paste(const std::string& clipboard) {
    desktop.GetClipboard().SetText(clipboard);
    Choose("&Colar");
  }

  int MenusShown() { return static_cast<int>(desktop.Scripts().Log().size()); }
};

TEST_F(NifMenuTest, RightClickShowsTheItemsWithPasteInBoldWhileTheBoxIsDisabled) {
  std::vector<std::string> shown;
  bool boxEnabledDuringMenu = true;
  platform::Menu* boldItem = nullptr;
  desktop.Scripts().OnPopupMenu([&](platform::Menu& popup) -> platform::Menu* {
    for (platform::Menu* item : popup.Items()) {
      if (item->Visible()) shown.push_back(item->IsSeparator() ? "-" : item->Caption());
    }
    boxEnabledDuringMenu = field->NumberBox().Enabled();
    auto* shownLevel = dynamic_cast<platform::PopupMenuWindow*>(desktop.ModalWindow());
    if (shownLevel) boldItem = shownLevel->DefaultItem();
    return nullptr;
  });
  input.Click(field->NumberBox(), std::nullopt, vbRightButton);
  EXPECT_EQ(shown,
            (std::vector<std::string>{"&Desfazer", "-", "&Cortar", "&Copiar", "&Colar", "&Apagar",
                                      "-", "&Escolher tudo", "-", "&Reobter informações...",
                                      "&Escolher da lista...", "&Ficha de contribuinte"}));
  EXPECT_FALSE(boxEnabledDuringMenu);
  EXPECT_EQ(boldItem, field->ContextMenu().Item("mnu_paste"));
  EXPECT_TRUE(field->NumberBox().Enabled());
  EXPECT_TRUE(field->NumberBox().HasFocus());
}

TEST_F(NifMenuTest, ExtendedItemsHideTogetherAndTheRecordNeedsAValidNumber) {
  field->EnableExtendedMenu(false);
  EXPECT_FALSE(field->EnableExtendedMenu());
  for (const char* item : {"mnu_RefreshNIFInfo", "mnu_listnif", "mnu_ficha"}) {
    EXPECT_FALSE(field->ContextMenu().Item(item)->Visible()) << item;
  }
  field->EnableExtendedMenu(true);
  std::string edited;
  field->RequestEdit.connect([&](const std::string& number) { edited = number; });
  field->Value(kInvalidPT);
  Choose("&Ficha de contribuinte");
  EXPECT_EQ(edited, "");
  field->Value(kValidPT);
  Choose("&Ficha de contribuinte");
  EXPECT_EQ(edited, std::string("PT") + kValidPT);
}

TEST_F(NifMenuTest, NoMenuWhenDisabledOrLockedAndTheBoxComesBackEnabled) {
  field->DisablePopupMenu(true);
  input.Click(field->NumberBox(), std::nullopt, vbRightButton);
  EXPECT_EQ(MenusShown(), 0);
  EXPECT_TRUE(field->NumberBox().Enabled());
  field->DisablePopupMenu(false);
  field->Locked(true);
  input.Click(field->NumberBox(), std::nullopt, vbRightButton);
  field->PopupContextMenu();
  EXPECT_EQ(MenusShown(), 0);
  field->Locked(false);
  input.Click(field->FlagBox(), std::nullopt, vbRightButton);
  EXPECT_EQ(MenusShown(), 1);
}

TEST_F(NifMenuTest, PastingAValidNumberRunsOneTypingCycle) {
  field->CountryID("FR");
  field->NumberBox().Text("12");
  log.clear();
  Paste(kValidPT);
  EXPECT_EQ(log, (Log{"Validated", "NIFIndicated", "DataFinished", "Changed"}));
  EXPECT_EQ(field->Value(), std::string("PT") + kValidPT);
}

TEST_F(NifMenuTest, PasteTakesACountryOnlyBeforeANumberAndKeepsAHundredCharacters) {
  Paste("es123456789");
  EXPECT_EQ(field->Value(), "ES123456789");
  Paste(kValidPT);
  EXPECT_EQ(field->Value(), std::string("PT") + kValidPT);
  // Nothing is cleaned: the blanks stay and make the number invalid.
  Paste("123 456 789");
  EXPECT_EQ(field->Value(), "PT123 456 789");
  EXPECT_EQ(field->NumberBox().BackColor(), RGB(255, 0, 0));
  Paste(std::string(150, '7'));
  EXPECT_EQ(field->Value(), "PT" + std::string(100, '7'));
}

// A prefix followed by something that is not a number is pasted whole into a Portuguese field,
// and then the typing cycle recognises the prefix as it would a typed one.
TEST_F(NifMenuTest, APrefixBeforeANonNumberIsRecognisedByTheTypingCycle) {
  field->CountryID("DE");
  Paste("ES12345678Z");
  EXPECT_EQ(field->CountryID(), "ES");
  EXPECT_EQ(field->NumberBox().Text(), "12345678Z");
}

TEST_F(NifMenuTest, CopyCutDeleteSelectAllAndUndo) {
  field->Value("ES12345678Z");
  field->NumberBox().SelStart(0);
  field->NumberBox().SelLength(2);
  Choose("&Copiar");
  EXPECT_EQ(desktop.GetClipboard().GetText(), "12345678Z");  // the whole number, no country
  field->NumberBox().SelStart(0);
  field->NumberBox().SelLength(2);
  Choose("&Cortar");
  EXPECT_EQ(field->NumberBox().Text(), "345678Z");
  field->NumberBox().SelLength(0);
  Choose("&Cortar");
  EXPECT_EQ(field->NumberBox().Text(), "");
  EXPECT_EQ(desktop.GetClipboard().GetText(), "345678Z");

  input.Type("4321");
  Choose("&Escolher tudo");
  EXPECT_EQ(field->NumberBox().SelText(), "4321");
  Choose("&Apagar");
  EXPECT_EQ(field->Value(), "ES");
  input.Type("99");
  Choose("&Desfazer");
  EXPECT_EQ(field->NumberBox().Text(), "");
}

TEST_F(NifMenuTest, TheHostsListGivesANumberOrNothing) {
  std::string answer = "ES12345678Z";
  field->RequestFromList.connect([&](std::string& number) {
    EXPECT_EQ(number, "");
    number = answer;
  });
  Choose("&Escolher da lista...");
  EXPECT_EQ(field->Value(), "ES12345678Z");
  answer.clear();
  Choose("&Escolher da lista...");
  EXPECT_EQ(field->Value(), "ES12345678Z");
  answer = kValidPT;
  Choose("&Escolher da lista...");
  EXPECT_EQ(field->Value(), std::string("PT") + kValidPT);
}

TEST_F(NifMenuTest, APortugueseOnlyFieldAnswersAFlagClickWithTheMenu) {
  field->CountryID("ES");
  input.Click(field->FlagBox());
  EXPECT_EQ(field->CountryID(), "PT");
  ASSERT_EQ(MenusShown(), 1);
  EXPECT_EQ(desktop.Scripts().Log().back().kind, platform::ModalRecord::Kind::PopupMenu);
}

}  // namespace
}  // namespace qorvexctl
