#pragma once
// The readable text of an HTML fragment, much as a browser shows it: tags dropped,
// character references decoded, runs of white space collapsed to one space, <br> as a line
// break and block elements (p, div, table rows, list items, headings) on lines of their own.
// Script and style contents and comments are dropped. Never fails: malformed markup reads as
// well as it can (an unclosed tag ends the text, an unknown reference stays as written).

#include <string>
#include <string_view>

namespace qorvexctl::platform {

std::string HtmlToText(std::string_view html);

// Decodes one character reference at the start of `text` ("&amp;", "&#233;", "&#xE9;"):
// appends the character to `out` and returns the length consumed, or 0 when `text` does not
// start with a reference this decoder knows.
std::size_t DecodeCharacterReference(std::string_view text, std::string& out);

}  // namespace qorvexctl::platform
