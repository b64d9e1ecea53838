#include "qorvexctl/platform/widgets/TextBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl::platform {
namespace {

// A shown form with one text box that records its events in order.
struct TextBoxFixture : ::testing::Test {
  Desktop desktop;
  Form form{desktop, "Teste"};
  TextBox& box = form.Add<TextBox>("Text1");
  std::vector<std::string> log;

  TextBoxFixture() {
    box.SetBounds(Rect::FromSize(10, 10, 120, 21));
    form.Show();
    box.SetFocus();
    box.KeyDown.connect(
        [this](int& code, int) { log.push_back("KeyDown " + std::to_string(code)); });
    box.KeyPress.connect(
        [this](int& ascii) { log.push_back("KeyPress " + std::to_string(ascii)); });
    box.Change.connect([this] { log.push_back("Change " + box.Text()); });
    box.KeyUp.connect([this](int& code, int) { log.push_back("KeyUp " + std::to_string(code)); });
  }
};

using Log = std::vector<std::string>;

TEST_F(TextBoxFixture, TypedCharacterGoesKeyDownKeyPressChangeKeyUp) {
  desktop.Input().Type("a");
  EXPECT_EQ(log, (Log{"KeyDown 65", "KeyPress 97", "Change a", "KeyUp 65"}));
  EXPECT_EQ(box.SelStart(), 1);
}

TEST_F(TextBoxFixture, BackspaceIsAKeyPressOfEightBeforeTheEdit) {
  box.Text("ab");
  box.SelStart(2);
  log.clear();
  desktop.Input().SendKeys("{BS}");
  EXPECT_EQ(log, (Log{"KeyDown 8", "KeyPress 8", "Change a", "KeyUp 8"}));
}

TEST_F(TextBoxFixture, DeleteHasNoKeyPressAndCanBeStoppedInKeyDown) {
  box.Text("abc");
  box.SelStart(1);
  log.clear();
  desktop.Input().PressKey(vbKeyDelete);
  EXPECT_EQ(log, (Log{"KeyDown 46", "Change ac", "KeyUp 46"}));

  box.KeyDown.connect([](int& code, int) {
    if (code == vbKeyDelete) code = 0;
  });
  log.clear();
  desktop.Input().PressKey(vbKeyDelete);
  EXPECT_EQ(box.Text(), "ac");
  EXPECT_EQ(log, (Log{"KeyDown 46", "KeyUp 46"}));
}

TEST_F(TextBoxFixture, KeyAsciiZeroSwallowsTheCharacter) {
  box.KeyPress.connect([](int& ascii) {
    if (ascii == '*') ascii = 0;
  });
  desktop.Input().Type("1*2");
  EXPECT_EQ(box.Text(), "12");
}

TEST_F(TextBoxFixture, ChangeFiresOnAssignmentButNotForTheSameText) {
  box.Text("12");
  box.Text("12");
  box.Text("");
  EXPECT_EQ(log, (Log{"Change 12", "Change "}));
}

TEST_F(TextBoxFixture, AssigningTextPutsTheCaretAtZero) {
  desktop.Input().Type("abc");
  box.Text("xyz");
  EXPECT_EQ(box.SelStart(), 0);
  EXPECT_EQ(box.SelLength(), 0);
}

TEST_F(TextBoxFixture, MaxLengthLimitsTypingAndPastingButNotAssignment) {
  box.MaxLength(3);
  desktop.Input().Type("12345");
  EXPECT_EQ(box.Text(), "123");
  box.Text("123456");
  EXPECT_EQ(box.Text(), "123456");
  box.Text("1");
  box.SelStart(1);
  desktop.GetClipboard().SetText("abcdef");
  desktop.Input().PressKey('V', vbCtrlMask);
  EXPECT_EQ(box.Text(), "1ab");
}

TEST_F(TextBoxFixture, SelectionMovesWithShiftArrowsAndHomeEnd) {
  box.Text("Olá mundo");
  desktop.Input().PressKey(vbKeyEnd);
  EXPECT_EQ(box.SelStart(), 9);
  desktop.Input().PressKey(vbKeyLeft, vbShiftMask);
  desktop.Input().PressKey(vbKeyLeft, vbShiftMask);
  EXPECT_EQ(box.SelStart(), 7);
  EXPECT_EQ(box.SelLength(), 2);
  EXPECT_EQ(box.SelText(), "do");
  desktop.Input().PressKey(vbKeyHome, vbShiftMask);
  EXPECT_EQ(box.SelText(), "Olá mundo");  // the anchor stays at the end
}

TEST_F(TextBoxFixture, CutCopyPasteAndUndoThroughTheKeyboard) {
  box.Text("1.234,56 €");
  box.SelStart(0);
  box.SelLength(5);
  desktop.Input().PressKey('C', vbCtrlMask);
  EXPECT_EQ(desktop.GetClipboard().GetText(), "1.234");
  desktop.Input().PressKey('X', vbCtrlMask);
  EXPECT_EQ(box.Text(), ",56 €");
  desktop.Input().PressKey(vbKeyEnd);
  desktop.Input().PressKey('V', vbCtrlMask);
  EXPECT_EQ(box.Text(), ",56 €1.234");
  desktop.Input().PressKey('Z', vbCtrlMask);
  EXPECT_EQ(box.Text(), ",56 €");
  desktop.Input().PressKey('Z', vbCtrlMask);
  EXPECT_EQ(box.Text(), ",56 €1.234");
}

TEST_F(TextBoxFixture, TypedCharactersUndoTogether) {
  desktop.Input().Type("abc");
  desktop.Input().PressKey('Z', vbCtrlMask);
  EXPECT_EQ(box.Text(), "");
}

TEST_F(TextBoxFixture, LockedBoxMovesTheCaretButDoesNotEdit) {
  box.Text("abc");
  box.Locked(true);
  desktop.Input().PressKey(vbKeyEnd);
  desktop.Input().Type("d");
  desktop.Input().SendKeys("{BS}");
  EXPECT_EQ(box.Text(), "abc");
  EXPECT_EQ(box.SelStart(), 3);
}

TEST_F(TextBoxFixture, SelTextReplacesTheSelectionAndRaisesChange) {
  box.Text("12345");
  box.SelStart(1);
  box.SelLength(3);
  log.clear();
  box.SelText("x");
  EXPECT_EQ(box.Text(), "1x5");
  EXPECT_EQ(box.SelStart(), 2);
  EXPECT_EQ(log, (Log{"Change 1x5"}));
}

TEST_F(TextBoxFixture, KeysSentFromAHandlerRunAfterTheCurrentKey) {
  // A KeyDown handler that swallows a key and sends "{BS}," instead, as amount fields do.
  box.KeyDown.connect([this](int& code, int) {
    if (code == vbKeySnapshot) {
      code = 0;
      desktop.SendKeys("{BS},");
    }
  });
  box.Text("12.");
  box.SelStart(3);
  desktop.Input().PressKey(vbKeySnapshot);
  EXPECT_EQ(box.Text(), "12,");
}

}  // namespace
}  // namespace qorvexctl::platform
