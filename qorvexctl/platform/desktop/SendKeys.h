#pragma once
// The SendKeys notation: plain characters, "~" for Enter, named keys in braces ("{BS}",
// "{TAB}", "{ENTER}", "{DEL}", "{LEFT}", "{F4}", "{+}" for a literal plus), a repeat count
// ("{LEFT 3}"), and the modifiers "+" (Shift), "^" (Ctrl) and "%" (Alt) for the next key or for
// a parenthesised group ("+(abc)").

#include <string_view>
#include <vector>

namespace qorvexctl::platform {

struct KeyStroke {
  int keyCode{0};         // 0: a character no key makes, delivered as text
  int shift{0};           // vbShiftMask + vbCtrlMask + vbAltMask held around the key
  char32_t character{0};  // the character when keyCode is 0
  friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// The keystrokes of a SendKeys string. An unknown key name or an unbalanced brace or
// parenthesis gives no keystrokes at all.
std::vector<KeyStroke> ParseSendKeys(std::string_view keys);

}  // namespace qorvexctl::platform
