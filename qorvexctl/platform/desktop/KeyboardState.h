#pragma once
// Which keys are down and the toggle keys (Num Lock, Caps Lock), and what character a key makes
// with the current shift state. Keys follow the US layout; characters no key makes (accented
// letters, the euro sign) arrive as text input instead of keys.

#include <bitset>

namespace qorvexctl::platform {

class KeyboardState {
 public:
  bool IsDown(int keyCode) const { return keyCode >= 0 && keyCode < 256 && m_down[keyCode]; }
  void SetDown(int keyCode, bool down);
  // The shift state of the classic key events: vbShiftMask + vbCtrlMask + vbAltMask.
  int Shift() const;

  bool NumLock() const { return m_numLock; }
  void NumLock(bool on) { m_numLock = on; }
  bool CapsLock() const { return m_capsLock; }
  void CapsLock(bool on) { m_capsLock = on; }

  // The character a key-down makes, or 0 (arrows, function keys, keys with Ctrl or Alt except
  // the classic Ctrl+letter control codes).
  char32_t CharacterOf(int keyCode) const;
  // With a real keyboard the printable characters come from the input method (any layout), so
  // key-downs make only the control characters: Backspace, Tab, Enter, Escape, Ctrl+letter.
  bool CharactersFromTextInput() const { return m_charactersFromTextInput; }
  void CharactersFromTextInput(bool value) { m_charactersFromTextInput = value; }
  // The key code that types `c` and whether it needs Shift; keyCode 0 when no key types it.
  struct KeyForChar {
    int keyCode{0};
    bool shift{false};
  };
  static KeyForChar KeyFor(char32_t c);

 private:
  std::bitset<256> m_down;
  bool m_numLock{true};
  bool m_capsLock{false};
  bool m_charactersFromTextInput{false};
};

}  // namespace qorvexctl::platform
