#pragma once
// The looks of a tooltip window, apart from its behaviour: where the tip goes for an anchor
// point, the shape of a balloon (rounded body and stem), and the pixels of the frame, the
// message icon, the bold title and the lines of text.

#include <array>
#include <string>

#include "qorvexctl/base/Colour.h"
#include "qorvexctl/platform/drawing/Geometry.h"
#include "qorvexctl/platform/drawing/Region.h"

namespace qorvexctl::platform {

class Canvas;

// The icon beside a tip's title.
enum TooltipIcon : int { TTI_NONE = 0, TTI_INFO = 1, TTI_WARNING = 2, TTI_ERROR = 3 };

// What a tip shows. Colours of 0 take the defaults (info-tip text on the info-tip yellow).
struct TooltipLook {
  std::string text{};
  std::string title{};
  TooltipIcon icon = TTI_NONE;
  bool balloon = false;
  bool noPrefix = false;
  Colour textColour = 0;
  Colour backColour = 0;
};

// Where the parts of a tip go. `window` is in screen pixels, the rest in window pixels.
struct TooltipLayout {
  Rect window;
  Rect body;
  bool hasStem = false;
  std::array<Point, 3> stem{};  // base, tip, base
  Rect iconBox;                 // empty without an icon
  Rect titleBox;                // empty without a title
  Rect textBox;
};

// Lays a tip out next to `anchor` (screen pixels), inside a screen of `screen` size. A balloon
// sits below the anchor with its stem pointing up at it, or above it when there is no room
// below; a standard tip sits below the pointer, or centred under the anchor when `centred`.
TooltipLayout LayOutTooltip(const TooltipLook& look, Point anchor, bool centred, Size screen);

// The pixels of the tip inside its window: the whole rectangle, or body and stem of a balloon.
Region TooltipShape(const TooltipLook& look, const TooltipLayout& layout);

// Paints the tip on a canvas the size of layout.window.
void PaintTooltip(Canvas& canvas, const TooltipLook& look, const TooltipLayout& layout);

// The information, warning or error icon in a 16 x 16 box; greyed when not enabled.
void PaintMessageIcon(Canvas& canvas, const Rect& box, TooltipIcon icon, bool enabled);

}  // namespace qorvexctl::platform
