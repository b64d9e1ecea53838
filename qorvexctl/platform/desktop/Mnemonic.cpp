#include "qorvexctl/platform/desktop/Mnemonic.h"

#include "qorvexctl/base/Text.h"

namespace qorvexctl::platform {
namespace {

// Walks the caption once: the shown text and the shown position of the first access key.
struct Parsed {
  std::u32string shown;
  int accessPosition{-1};
};

Parsed Parse(std::string_view caption) {
  Parsed out;
  const std::u32string chars = DecodeUtf8(caption);
  for (std::size_t i = 0; i < chars.size(); ++i) {
    if (chars[i] == U'&' && i + 1 < chars.size()) {
      ++i;
      if (chars[i] != U'&' && out.accessPosition < 0) {
        out.accessPosition = static_cast<int>(out.shown.size());
      }
    }
    out.shown.push_back(chars[i]);
  }
  return out;
}

}  // namespace

char32_t AccessKeyOf(std::string_view caption) {
  const Parsed p = Parse(caption);
  return p.accessPosition < 0 ? 0 : LowerChar(p.shown[static_cast<std::size_t>(p.accessPosition)]);
}

std::string StripMnemonic(std::string_view caption) { return EncodeUtf8(Parse(caption).shown); }

int MnemonicPosition(std::string_view caption) { return Parse(caption).accessPosition; }

}  // namespace qorvexctl::platform
