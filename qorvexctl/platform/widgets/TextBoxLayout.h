#pragma once
// The lines a text box shows. A multi-line box splits the text into paragraphs at line breaks
// ("\r\n", or a lone "\r" or "\n"), a one-line box shows it all on one line; with a wrap width each
// paragraph is wrapped at spaces (the spaces stay at the end of the line they follow, and a word
// wider than the box is broken between characters). Positions count characters of the whole text; x
// offsets are pixels from the start of a line.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/platform/drawing/Font.h"

namespace qorvexctl::platform {

struct TextBoxLine {
  std::size_t start = 0;  // first character
  std::size_t end = 0;    // one past the last character shown
  std::size_t next = 0;   // the first character of the next line (after a line break)
  bool wrapped = false;   // ended by wrapping rather than by a line break or the text's end
};

class TextBoxLayout {
 public:
  // `wrapWidth` 0 keeps each paragraph on one line.
  TextBoxLayout(std::u32string_view text, const Font& font, bool multiLine, int wrapWidth);

  const std::vector<TextBoxLine>& Lines() const { return m_lines; }
  std::size_t LineCount() const { return m_lines.size(); }
  // The line a caret at `position` is shown on (a position at a wrap point starts the next).
  std::size_t LineOf(std::size_t position) const;
  // Pixels from the start of `position`'s line to the position.
  int XOf(std::size_t position) const { return XOf(LineOf(position), position); }
  // Pixels from the start of `line` to `position`, clamped to the line.
  int XOf(std::size_t line, std::size_t position) const;
  int LineWidth(std::size_t line) const;
  std::string LineText(std::size_t line) const;
  // The position on `line` nearest to `x` pixels from the line's start.
  std::size_t PositionAt(std::size_t line, int x) const;
  // Where End puts the caret: the line's end, before the spaces of a wrap.
  std::size_t LineEndForCaret(std::size_t line) const;

 private:
  void AddParagraph(std::size_t start, std::size_t end, std::size_t next, int wrapWidth);
  // The end of the longest part of [start, end) that fits `wrapWidth`, broken after a space
  // when there is one.
  std::size_t WrapPoint(std::size_t start, std::size_t end, int wrapWidth) const;
  int Width(std::size_t from, std::size_t to) const;

  std::u32string_view m_text;
  const Font& m_font;
  std::vector<TextBoxLine> m_lines;
};

}  // namespace qorvexctl::platform
