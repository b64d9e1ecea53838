#include "qorvexctl/platform/desktop/KeyboardState.h"

#include <array>
#include <string_view>

#include "qorvexctl/platform/desktop/Messages.h"

namespace qorvexctl::platform {
namespace {

constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

struct PunctuationKey {
  int keyCode;
  char plain;
  char shifted;
};
constexpr std::array<PunctuationKey, 11> kPunctuation{{{186, ';', ':'},
                                                       {187, '=', '+'},
                                                       {188, ',', '<'},
                                                       {189, '-', '_'},
                                                       {190, '.', '>'},
                                                       {191, '/', '?'},
                                                       {192, '`', '~'},
                                                       {219, '[', '{'},
                                                       {220, '\\', '|'},
                                                       {221, ']', '}'},
                                                       {222, '\'', '"'}}};

char32_t KeypadCharacter(int keyCode, bool numLock) {
  if (keyCode >= vbKeyNumpad0 && keyCode <= vbKeyNumpad0 + 9) {
    return numLock ? static_cast<char32_t>('0' + keyCode - vbKeyNumpad0) : 0;
  }
  switch (keyCode) {
    case vbKeyMultiply:
      return U'*';
    case vbKeyAdd:
      return U'+';
    case vbKeySubtract:
      return U'-';
    case vbKeyDecimal:
      return numLock ? U'.' : 0;
    case vbKeyDivide:
      return U'/';
    default:
      return 0;
  }
}

}  // namespace

void KeyboardState::SetDown(int keyCode, bool down) {
  if (keyCode < 0 || keyCode >= 256) return;
  if (down && !m_down[keyCode]) {
    if (keyCode == vbKeyNumlock) m_numLock = !m_numLock;
    if (keyCode == vbKeyCapital) m_capsLock = !m_capsLock;
  }
  m_down[keyCode] = down;
}

int KeyboardState::Shift() const {
  return (IsDown(vbKeyShift) ? vbShiftMask : 0) | (IsDown(vbKeyControl) ? vbCtrlMask : 0) |
         (IsDown(vbKeyMenu) ? vbAltMask : 0);
}

char32_t KeyboardState::CharacterOf(int keyCode) const {
  const bool shift = IsDown(vbKeyShift);
  const bool ctrl = IsDown(vbKeyControl);
  if (IsDown(vbKeyMenu)) return 0;
  if (keyCode >= 'A' && keyCode <= 'Z') {
    if (ctrl) return static_cast<char32_t>(keyCode - 'A' + 1);
    if (m_charactersFromTextInput) return 0;
    return static_cast<char32_t>((shift != m_capsLock) ? keyCode : keyCode + 32);
  }
  if (ctrl) return 0;
  if (m_charactersFromTextInput) {
    const bool control = keyCode == vbKeyBack || keyCode == vbKeyReturn || keyCode == vbKeyEscape ||
                         keyCode == vbKeyTab;
    return control ? static_cast<char32_t>(keyCode) : 0;
  }
  if (keyCode >= '0' && keyCode <= '9') {
    return static_cast<char32_t>(shift ? kShiftedDigits[keyCode - '0'] : keyCode);
  }
  switch (keyCode) {
    case vbKeySpace:
    case vbKeyBack:
    case vbKeyReturn:
    case vbKeyEscape:
    case vbKeyTab:
      return static_cast<char32_t>(keyCode);
    default:
      break;
  }
  for (const auto& p : kPunctuation) {
    if (p.keyCode == keyCode) return static_cast<char32_t>(shift ? p.shifted : p.plain);
  }
  return KeypadCharacter(keyCode, m_numLock);
}

KeyboardState::KeyForChar KeyboardState::KeyFor(char32_t c) {
  if (c >= 'a' && c <= 'z') return {static_cast<int>(c - 32), false};
  if (c >= 'A' && c <= 'Z') return {static_cast<int>(c), true};
  if (c >= '0' && c <= '9') return {static_cast<int>(c), false};
  if (c == U' ' || c == 8 || c == 13 || c == 27 || c == 9) return {static_cast<int>(c), false};
  if (c == U'\n') return {vbKeyReturn, false};
  const auto digit = kShiftedDigits.find(static_cast<char>(c));
  if (c < 128 && digit != std::string_view::npos) return {static_cast<int>('0' + digit), true};
  for (const auto& p : kPunctuation) {
    if (static_cast<char32_t>(p.plain) == c) return {p.keyCode, false};
    if (static_cast<char32_t>(p.shifted) == c) return {p.keyCode, true};
  }
  return {};
}

}  // namespace qorvexctl::platform
