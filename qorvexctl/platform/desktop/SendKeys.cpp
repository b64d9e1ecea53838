#include "qorvexctl/platform/desktop/SendKeys.h"

#include <array>
#include <charconv>
#include <optional>
#include <string>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/platform/desktop/KeyboardState.h"
#include "qorvexctl/platform/desktop/Messages.h"

namespace qorvexctl::platform {
namespace {

struct NamedKey {
  std::string_view name;
  int keyCode;
};
constexpr std::array<NamedKey, 25> kNamedKeys{{
    {"BS", vbKeyBack},           {"BKSP", vbKeyBack},
    {"BACKSPACE", vbKeyBack},    {"TAB", vbKeyTab},
    {"ENTER", vbKeyReturn},      {"ESC", vbKeyEscape},
    {"ESCAPE", vbKeyEscape},     {"DEL", vbKeyDelete},
    {"DELETE", vbKeyDelete},     {"INS", vbKeyInsert},
    {"INSERT", vbKeyInsert},     {"LEFT", vbKeyLeft},
    {"RIGHT", vbKeyRight},       {"UP", vbKeyUp},
    {"DOWN", vbKeyDown},         {"HOME", vbKeyHome},
    {"END", vbKeyEnd},           {"PGUP", vbKeyPageUp},
    {"PGDN", vbKeyPageDown},     {"NUMLOCK", vbKeyNumlock},
    {"CAPSLOCK", vbKeyCapital},  {"PRTSC", vbKeySnapshot},
    {"MULTIPLY", vbKeyMultiply}, {"SUBTRACT", vbKeySubtract},
    {"DECIMAL", vbKeyDecimal},
}};

std::optional<int> KeyCodeOfName(std::string_view name) {
  const std::string upper = UCase(name);
  for (const auto& k : kNamedKeys) {
    if (k.name == upper) return k.keyCode;
  }
  if (upper.size() >= 2 && upper.size() <= 3 && upper[0] == 'F') {
    int n = 0;
    auto [p, ec] = std::from_chars(upper.data() + 1, upper.data() + upper.size(), n);
    if (ec == std::errc() && p == upper.data() + upper.size() && n >= 1 && n <= 16) {
      return vbKeyF1 + n - 1;
    }
  }
  return std::nullopt;
}

KeyStroke StrokeOfChar(char32_t c, int shift) {
  const auto key = KeyboardState::KeyFor(c);
  if (key.keyCode == 0) return KeyStroke{0, shift, c};
  return KeyStroke{key.keyCode, shift | (key.shift ? vbShiftMask : 0), 0};
}

class Parser {
 public:
  explicit Parser(std::string_view keys) : m_chars(DecodeUtf8(keys)) {}

  bool Run(std::vector<KeyStroke>& out) {
    return Sequence(out, 0, false) && m_pos == m_chars.size();
  }

 private:
  bool Sequence(std::vector<KeyStroke>& out, int shift, bool inGroup) {
    int pending = 0;
    while (m_pos < m_chars.size()) {
      const char32_t c = m_chars[m_pos];
      if (c == U')') return inGroup;
      ++m_pos;
      if (c == U'+' || c == U'^' || c == U'%') {
        pending |= c == U'+' ? vbShiftMask : c == U'^' ? vbCtrlMask : vbAltMask;
        continue;
      }
      if (!Item(c, shift | pending, out)) return false;
      pending = 0;
    }
    return !inGroup;
  }

  bool Item(char32_t c, int shift, std::vector<KeyStroke>& out) {
    if (c == U'(') {
      if (!Sequence(out, shift, true)) return false;
      ++m_pos;  // the closing parenthesis
      return true;
    }
    if (c == U'{') return Braced(shift, out);
    if (c == U'~') {
      out.push_back(KeyStroke{vbKeyReturn, shift, 0});
      return true;
    }
    if (c == U'}') return false;
    out.push_back(StrokeOfChar(c, shift));
    return true;
  }

  // "{NAME}", "{NAME count}", "{+}" (also "{}}" and "{{}").
  bool Braced(int shift, std::vector<KeyStroke>& out) {
    const std::size_t start = m_pos;
    std::size_t end = m_chars.find(U'}', start + 1);
    if (end == std::u32string::npos) return false;
    std::u32string body = m_chars.substr(start, end - start);
    m_pos = end + 1;
    int count = 1;
    const std::size_t space = body.find(U' ');
    if (space != std::u32string::npos && space > 0) {
      const std::string digits = EncodeUtf8(body.substr(space + 1));
      auto [p, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
      if (ec != std::errc() || p != digits.data() + digits.size() || count < 0) return false;
      body.resize(space);
    }
    std::optional<KeyStroke> stroke;
    if (body.size() == 1) {
      stroke = StrokeOfChar(body[0], shift);
    } else if (auto code = KeyCodeOfName(EncodeUtf8(body))) {
      stroke = KeyStroke{*code, shift, 0};
    }
    if (!stroke) return false;
    out.insert(out.end(), static_cast<std::size_t>(count), *stroke);
    return true;
  }

  std::u32string m_chars;
  std::size_t m_pos{0};
};

}  // namespace

std::vector<KeyStroke> ParseSendKeys(std::string_view keys) {
  std::vector<KeyStroke> out;
  Parser parser(keys);
  if (!parser.Run(out)) return {};
  return out;
}

}  // namespace qorvexctl::platform
