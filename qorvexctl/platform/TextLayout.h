#pragma once
// Splits text into the lines DrawText shows: paragraphs at line breaks (or one line with
// DT_SINGLELINE), word wrapping at spaces with DT_WORDBREAK (a word wider than the box keeps
// its own line), "&" access-key prefixes unless DT_NOPREFIX ("&&" shows one "&"), and "..."
// at the end of lines too wide for the box with DT_END_ELLIPSIS.

#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/platform/Font.h"

namespace qorvexctl::platform {

// DrawText format flags (the classic DT_ values).
enum DrawTextFormat : unsigned {
  DT_LEFT = 0x0,
  DT_CENTER = 0x1,
  DT_RIGHT = 0x2,
  DT_VCENTER = 0x4,
  DT_BOTTOM = 0x8,
  DT_WORDBREAK = 0x10,
  DT_SINGLELINE = 0x20,
  DT_NOCLIP = 0x100,
  DT_CALCRECT = 0x400,
  DT_NOPREFIX = 0x800,
  DT_END_ELLIPSIS = 0x8000,
};

struct TextLine {
  std::string text;
  int width = 0;
  // Bytes of `text` to underline as the access key; start -1 for none.
  int underlineStart = -1;
  int underlineLength = 0;
};

// The lines of `text` laid out for a box `boxWidth` pixels wide with DT_ flags.
std::vector<TextLine> LayOutText(std::string_view text, unsigned format, int boxWidth,
                                 const Font& font);

}  // namespace qorvexctl::platform
