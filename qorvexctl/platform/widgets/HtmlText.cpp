#include "qorvexctl/platform/widgets/HtmlText.h"

#include <array>
#include <charconv>
#include <utility>

#include "qorvexctl/base/Text.h"

namespace qorvexctl::platform {
namespace {

constexpr std::array<std::pair<std::string_view, char32_t>, 9> kNamedReferences = {{
    {"amp", U'&'},
    {"lt", U'<'},
    {"gt", U'>'},
    {"quot", U'"'},
    {"apos", U'\''},
    {"nbsp", U'\u00A0'},
    {"euro", U'\u20AC'},
    {"copy", U'\u00A9'},
    {"ordm", U'\u00BA'},
}};

// Elements that start on a line of their own.
constexpr std::array<std::string_view, 14> kBlockElements = {
    "p", "div", "tr", "table", "li", "ul", "ol", "h1", "h2", "h3", "h4", "h5", "h6", "blockquote"};

bool IsHtmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

bool IsValidCodePoint(std::uint32_t value) {
  return value != 0 && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
}

std::size_t DecodeNumericReference(std::string_view text, std::string& out) {
  const bool hex = text.size() > 2 && (text[2] == 'x' || text[2] == 'X');
  const std::size_t digits = hex ? 3 : 2;
  std::uint32_t value = 0;
  const char* end = text.data() + text.size();
  auto [next, error] = std::from_chars(text.data() + digits, end, value, hex ? 16 : 10);
  if (error != std::errc{} || next == text.data() + digits || next == end || *next != ';' ||
      !IsValidCodePoint(value)) {
    return 0;
  }
  AppendUtf8(out, static_cast<char32_t>(value));
  return static_cast<std::size_t>(next - text.data()) + 1;
}

// The lower-case name of the tag that `tag` (the text between "<" and ">") opens or closes.
std::string TagName(std::string_view tag) {
  std::size_t i = (!tag.empty() && tag[0] == '/') ? 1 : 0;
  std::string name;
  for (; i < tag.size() && !IsHtmlSpace(tag[i]) && tag[i] != '/'; ++i) {
    name += static_cast<char>(tag[i] >= 'A' && tag[i] <= 'Z' ? tag[i] - 'A' + 'a' : tag[i]);
  }
  return name;
}

bool IsBlockElement(std::string_view name) {
  for (std::string_view block : kBlockElements) {
    if (block == name) return true;
  }
  return false;
}

// Builds the text: collapses white space and keeps line breaks free of spaces around them.
class TextBuilder {
 public:
  void Space() { m_pendingSpace = !m_text.empty() && m_text.back() != '\n'; }
  void LineBreak() {
    m_pendingSpace = false;
    m_text += '\n';
  }
  // Starts a new line unless the text is empty or already at the start of one.
  void NewLine() {
    if (!m_text.empty() && m_text.back() != '\n') LineBreak();
    m_pendingSpace = false;
  }
  void Append(std::string_view piece) {
    if (m_pendingSpace) m_text += ' ';
    m_pendingSpace = false;
    m_text += piece;
  }
  std::string Finish() {
    while (!m_text.empty() && m_text.back() == '\n') m_text.pop_back();
    return std::move(m_text);
  }

 private:
  std::string m_text;
  bool m_pendingSpace{false};
};

// Where the content of a raw-text element (script, style) ends: just past its closing tag.
std::size_t SkipRawText(std::string_view html, std::size_t from, std::string_view name) {
  const std::string lower = LCase(html.substr(from));
  const std::size_t close = lower.find("</" + std::string(name));
  if (close == std::string::npos) return html.size();
  const std::size_t end = html.find('>', from + close);
  return end == std::string_view::npos ? html.size() : end + 1;
}

// Handles the markup starting at html[at] == '<'; returns where the text goes on.
std::size_t ReadMarkup(std::string_view html, std::size_t at, TextBuilder& text) {
  if (html.substr(at, 4) == "<!--") {
    const std::size_t end = html.find("-->", at + 4);
    return end == std::string_view::npos ? html.size() : end + 3;
  }
  const std::size_t close = html.find('>', at);
  if (close == std::string_view::npos) return html.size();
  const std::string_view tag = html.substr(at + 1, close - at - 1);
  const std::string name = TagName(tag);
  if (name == "br") {
    text.LineBreak();
  } else if (IsBlockElement(name)) {
    text.NewLine();
  } else if (name == "td" || name == "th") {
    text.Space();  // cells of a row read side by side
  } else if ((name == "script" || name == "style") && tag[0] != '/') {
    return SkipRawText(html, close + 1, name);
  }
  return close + 1;
}

}  // namespace

std::size_t DecodeCharacterReference(std::string_view text, std::string& out) {
  if (text.size() < 3 || text[0] != '&') return 0;
  if (text[1] == '#') return DecodeNumericReference(text, out);
  const std::size_t semicolon = text.find(';');
  if (semicolon == std::string_view::npos) return 0;
  const std::string_view name = text.substr(1, semicolon - 1);
  for (const auto& [known, character] : kNamedReferences) {
    if (name == known) {
      AppendUtf8(out, character);
      return semicolon + 1;
    }
  }
  return 0;
}

std::string HtmlToText(std::string_view html) {
  TextBuilder text;
  std::string piece;
  std::size_t i = 0;
  while (i < html.size()) {
    const char c = html[i];
    if (c == '<') {
      i = ReadMarkup(html, i, text);
    } else if (IsHtmlSpace(c)) {
      text.Space();
      ++i;
    } else {
      piece.clear();
      const std::size_t used = c == '&' ? DecodeCharacterReference(html.substr(i), piece) : 0;
      if (used == 0) piece.assign(1, c);
      text.Append(piece);
      i += used == 0 ? 1 : used;
    }
  }
  return text.Finish();
}

}  // namespace qorvexctl::platform
