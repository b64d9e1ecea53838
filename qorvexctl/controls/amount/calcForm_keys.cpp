// The calculator's buttons and keys. A key-down colours the key's button and a key-up gives it
// back the button face; characters act on key-press, Delete and F1 on key-up, the memory keys
// on key-down. Enter is equals, whichever control has the focus; after each click the hidden
// default button takes it, so that Enter reaching the form itself is equals too.

#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/amount/calcForm.h"
#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl {
namespace {

// The keypad digits, 96 to 105.
constexpr int kKeypadDigits = platform::vbKeyNumpad0;
constexpr int kKeyComma = 188;
constexpr int kKeyPeriod = 190;

// The memory keys in button order: M+, M-, MR, MC.
constexpr int kMemoryKeys[] = {platform::vbKeyInsert, platform::vbKeyHome, platform::vbKeyPageUp,
                               platform::vbKeyPageDown};

// What the memory buttons and keys do, in the same order.
using Action = void (calcForm::*)();
constexpr Action kMemoryActions[] = {&calcForm::ActionMAdd, &calcForm::ActionMSub,
                                     &calcForm::ActionMR, &calcForm::ActionMC};

// The operator buttons' operators, in button order.
constexpr std::string_view kOperators[] = {kCalcAdd, kCalcSubtract, kCalcMultiply, kCalcDivide};

int MemoryKeyIndex(int keyCode) {
  for (int i = 0; i < 4; ++i) {
    if (kMemoryKeys[i] == keyCode) return i;
  }
  return -1;
}

// The operator a typed character stands for, "" for none.
std::string OperatorOf(char32_t character) {
  switch (character) {
    case U'+':
      return std::string(kCalcAdd);
    case U'-':
      return std::string(kCalcSubtract);
    case U'*':
      return std::string(kCalcMultiply);
    case U'/':
      return std::string(kCalcDivide);
    default:
      return {};
  }
}

int OperatorIndex(const std::string& op) {
  for (int i = 0; i < 4; ++i) {
    if (kOperators[i] == op) return i;
  }
  return -1;
}

}  // namespace

void calcForm::ConnectButtons() {
  for (int digit = 0; digit <= 9; ++digit) {
    Clicked(btNum(digit), [this, digit] { EnterCharacter(static_cast<char32_t>(U'0' + digit)); });
  }
  Clicked(btPoint(), [this] { EnterCharacter(U','); });
  Clicked(btPercent(), [this] { EnterCharacter(U'%'); });
  for (int i = 0; i < 4; ++i) {
    Clicked(btOp(i), [this, op = std::string(kOperators[i])] { OperatorKey(op); });
    Clicked(btMem(i), [this, action = kMemoryActions[i]] { (this->*action)(); });
  }
  Clicked(btEqual(), [this] { Equals(); });
  Clicked(btCE(), [this] { ClearEntry(); });
  Clicked(btReset(), [this] { Reset(); });
  Clicked(btOK(), [this] { Confirm(); });
  Clicked(btList(), [this] { ToggleList(); });
  KeyPreview(true);
  KeyDown.connect([this](int& keyCode, int shift) { OnKeyDown(keyCode, shift); });
  KeyPress.connect([this](int& keyAscii) { OnKeyPress(keyAscii); });
  KeyUp.connect([this](int& keyCode, int shift) { OnKeyUp(keyCode, shift); });
  Display.MouseUp.connect([this](int button, int, float, float) {
    if (button == platform::vbRightButton) DisplayMenu();
  });
  Display.DblClick.connect([this] { Animate(); });
  lblList.Click.connect([this] { TapeMenu(); });
}

void calcForm::Clicked(cButton& button, std::function<void()> action) {
  button.Click.connect([this, action = std::move(action)] {
    action();
    if (Visible()) GetDesktop().SetFocus(&dummyEqual);
  });
}

void calcForm::OnKeyDown(int& keyCode, int /*shift*/) {
  if (cButton* button = ButtonOfKey(keyCode)) {
    button->BackColor(kCalcKeyColour);
    m_keyButtons[keyCode] = button;
  }
  if (keyCode == platform::vbKeyReturn) {
    // Taken here, so that neither the focused button nor a character 13 acts on it again.
    keyCode = 0;
    Equals();
    return;
  }
  const int memoryKey = MemoryKeyIndex(keyCode);
  if (memoryKey < 0) return;
  keyCode = 0;
  (this->*kMemoryActions[memoryKey])();
}

void calcForm::OnKeyPress(int& keyAscii) {
  if (CharacterKey(keyAscii)) keyAscii = 0;
}

void calcForm::OnKeyUp(int& keyCode, int /*shift*/) {
  const auto coloured = m_keyButtons.find(keyCode);
  if (coloured != m_keyButtons.end()) {
    coloured->second->BackColor(kCalcButtonFace);
    m_keyButtons.erase(coloured);
  }
  if (keyCode == platform::vbKeyDelete) {
    keyCode = 0;
    ClearEntry();
  } else if (keyCode == platform::vbKeyF1) {
    keyCode = 0;
    Confirm();
  }
}

// What a character does; false for characters the calculator does not take.
bool calcForm::CharacterKey(int keyAscii) {
  const auto character = static_cast<char32_t>(keyAscii);
  if (character >= U'0' && character <= U'9') {
    EnterCharacter(character);
  } else if (character == U',' || character == U'.') {
    EnterCharacter(U',');
  } else if (character == U'%') {
    EnterCharacter(U'%');
  } else if (character == platform::vbKeyBack) {
    EnterCharacter(U'<');
  } else if (!OperatorOf(character).empty()) {
    OperatorKey(OperatorOf(character));
  } else if (character == U'l' || character == U'L') {
    ToggleList();
  } else if (character == platform::vbKeyEscape) {
    Reset();
  } else if (character == platform::vbKeyReturn) {
    Equals();
  } else {
    return false;
  }
  return true;
}

// The button a key stands for: by its code for the keys that make no character, else by the
// character it makes with the shift keys held now.
cButton* calcForm::ButtonOfKey(int keyCode) const {
  if (keyCode >= kKeypadDigits && keyCode <= kKeypadDigits + 9) return &btNum(keyCode - kKeypadDigits);
  if (keyCode == kKeyComma || keyCode == kKeyPeriod || keyCode == platform::vbKeyDecimal) {
    return &btPoint();
  }
  const int memoryKey = MemoryKeyIndex(keyCode);
  if (memoryKey >= 0) return &btMem(memoryKey);
  switch (keyCode) {
    case platform::vbKeyReturn:
      return &btEqual();
    case platform::vbKeyDelete:
      return &btCE();
    case platform::vbKeyEscape:
      return &btReset();
    case platform::vbKeyF1:
      return &btOK();
    default:
      break;
  }
  return ButtonOfCharacter(GetDesktop().Keyboard().CharacterOf(keyCode));
}

cButton* calcForm::ButtonOfCharacter(char32_t character) const {
  if (character >= U'0' && character <= U'9') return &btNum(static_cast<int>(character - U'0'));
  if (character == U'%') return &btPercent();
  if (character == U'l' || character == U'L') return &btList();
  const int op = OperatorIndex(OperatorOf(character));
  return op >= 0 ? &btOp(op) : nullptr;
}

}  // namespace qorvexctl
