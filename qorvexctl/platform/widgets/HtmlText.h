#pragma once
// The readable text of an HTML page, much as a browser shows it in plain text. The page is
// parsed by gumbo, an HTML5 parser, so real-world markup (unclosed tags, entities, scripts,
// stray end tags) reads as a browser reads it. Then:
//   - runs of white space collapse to one space; <br> breaks the line;
//   - blocks (p, div, headings, list items, ...) start and end on lines of their own;
//   - list items start with "• " (numbered "1. " in an ordered list);
//   - table rows are lines whose cells line up in columns two spaces apart;
//   - script, style, head and template contents and comments are dropped.
// Links (<a href>) are kept with the place of their text. Never fails.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qorvexctl::platform {

struct HtmlLink {
  std::string href;
  std::size_t line = 0;   // the line of the text the link is on
  std::size_t begin = 0;  // byte offsets of its text in that line
  std::size_t end = 0;
};

struct HtmlPage {
  std::string text;  // lines separated by "\n"
  std::vector<HtmlLink> links;
};

HtmlPage RenderHtml(std::string_view html);
std::string HtmlToText(std::string_view html);

}  // namespace qorvexctl::platform
