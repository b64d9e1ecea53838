#pragma once
// The system colour table (indices 0..30, COLOR_SCROLLBAR to COLOR_MENUBAR) and the
// resolution of colour values: a value with the high bit set names an entry of the table.
//
// The default table is the classic "Windows Standard" scheme of grey 3-D objects (button face
// &HC0C0C0, navy highlight, white windows, pale yellow tooltips).

#include <array>

#include "qorvexctl/base/Colour.h"

namespace qorvexctl::platform {

// Indices of the table, with their classic names.
enum SystemColourId : int {
  COLOR_SCROLLBAR = 0,
  COLOR_BACKGROUND = 1,
  COLOR_ACTIVECAPTION = 2,
  COLOR_INACTIVECAPTION = 3,
  COLOR_MENU = 4,
  COLOR_WINDOW = 5,
  COLOR_WINDOWFRAME = 6,
  COLOR_MENUTEXT = 7,
  COLOR_WINDOWTEXT = 8,
  COLOR_CAPTIONTEXT = 9,
  COLOR_ACTIVEBORDER = 10,
  COLOR_INACTIVEBORDER = 11,
  COLOR_APPWORKSPACE = 12,
  COLOR_HIGHLIGHT = 13,
  COLOR_HIGHLIGHTTEXT = 14,
  COLOR_BTNFACE = 15,
  COLOR_BTNSHADOW = 16,
  COLOR_GRAYTEXT = 17,
  COLOR_BTNTEXT = 18,
  COLOR_INACTIVECAPTIONTEXT = 19,
  COLOR_BTNHIGHLIGHT = 20,
  COLOR_3DDKSHADOW = 21,
  COLOR_3DLIGHT = 22,
  COLOR_INFOTEXT = 23,
  COLOR_INFOBK = 24,
  COLOR_HOTLIGHT = 26,
  COLOR_GRADIENTACTIVECAPTION = 27,
  COLOR_GRADIENTINACTIVECAPTION = 28,
  COLOR_MENUHILIGHT = 29,
  COLOR_MENUBAR = 30,
};

class SystemColours {
 public:
  static constexpr int kCount = 31;

  // The classic table.
  SystemColours();

  // The colour of an entry (GetSysColor); 0 for an index outside 0..30.
  Colour Get(int index) const;
  // Changes one entry; indices outside 0..30 are ignored.
  void Set(int index, Colour colour);
  // A plain colour for any colour value: system colours come from the table, plain ones
  // lose any bits above the 24 colour bits.
  Colour Resolve(Colour value) const;

 private:
  std::array<Colour, kCount> m_table{};
};

// Resolves a colour value through the classic table (for code without a desktop at hand).
Colour ResolveColour(Colour value);

}  // namespace qorvexctl::platform
