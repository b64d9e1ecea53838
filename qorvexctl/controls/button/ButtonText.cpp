#include "qorvexctl/controls/button/ButtonText.h"

#include "qorvexctl/base/Text.h"

namespace qorvexctl {

char32_t AccessKeyOf(std::string_view caption) {
  const std::u32string text = DecodeUtf8(caption);
  char32_t key = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != U'&') continue;
    if (text[i + 1] == U'&') {
      ++i;  // a literal ampersand
      continue;
    }
    key = LowerChar(text[i + 1]);
  }
  return key;
}

std::vector<std::string> CaptionLines(std::string_view caption) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t bar = caption.find("||"); bar != std::string_view::npos;
       bar = caption.find("||", start)) {
    lines.emplace_back(caption.substr(start, bar - start));
    start = bar + 2;
  }
  lines.emplace_back(caption.substr(start));
  return lines;
}

std::string CaptionWithoutAmpersands(std::string_view caption) { return Replace(caption, "&", ""); }

std::string TooltipWithLineBreaks(std::string_view tip) { return Replace(tip, "\\13", "\n"); }

}  // namespace qorvexctl
