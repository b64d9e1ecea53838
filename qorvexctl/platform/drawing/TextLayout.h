#pragma once
// Splits text into the lines DrawText shows: paragraphs at line breaks (or one line with
// DT_SINGLELINE), word wrapping at spaces with DT_WORDBREAK (a word wider than the box keeps
// its own line), "&" access-key prefixes unless DT_NOPREFIX ("&&" shows one "&"), and "..."
// at the end of lines too wide for the box with DT_END_ELLIPSIS, and tab stops with
// DT_EXPANDTABS.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/platform/drawing/Font.h"

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
  DT_EXPANDTABS = 0x40,
  // Bits 8..15 of the format are the number of average characters between tab stops (the
  // classic DT_TABSTOP), so DT_NOCLIP, DT_CALCRECT and DT_NOPREFIX cannot go with it.
  DT_TABSTOP = 0x80,
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
  // Pixels between tab stops, counted from the start of the line; 0 when tabs take no room.
  int tabWidth = 0;
};

// The flags of a DrawText format, without the tab size that DT_TABSTOP keeps in bits 8..15.
unsigned FormatFlags(unsigned format);
// Pixels between tab stops for a format: none without DT_EXPANDTABS, else 8 average
// characters of the font or, with DT_TABSTOP, the number in bits 8..15.
int TabStopWidth(unsigned format, const Font& font);
// Calls fn(run, x) for each run of `text` between tabs with its distance from the line's
// start: each tab moves on to the next multiple of `tabWidth` (tabs take no room for 0).
void ForEachTabRun(std::string_view text, const Font& font, int tabWidth,
                   const std::function<void(std::string_view run, int x)>& fn);
// The advance width of a line with its tabs.
int LineWidth(std::string_view text, const Font& font, int tabWidth);

// The lines of `text` laid out for a box `boxWidth` pixels wide with DT_ flags.
std::vector<TextLine> LayOutText(std::string_view text, unsigned format, int boxWidth,
                                 const Font& font);

}  // namespace qorvexctl::platform
