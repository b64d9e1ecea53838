#pragma once
// A button face that runs from one colour to another in bands. The band size follows the
// screen: when the screen is fewer than four button sizes across (or down) the bands are two
// pixels wide and there are half as many, else one pixel each. Each band's colour steps every
// channel by an equal part of the way and keeps its whole part.

#include <vector>

#include "qorvexctl/base/Colour.h"
#include "qorvexctl/controls/button/ButtonTypes.h"
#include "qorvexctl/platform/drawing/Geometry.h"

namespace qorvexctl {

namespace platform {
class Canvas;
}

struct GradientBands {
  int bandSize = 1;
  std::vector<Colour> colours;  // one entry per band, from the start colour to the end colour
};

// The bands for a face `buttonSize` pixels long on a screen `screenSize` pixels long, from
// `from` to `to` (plain colours).
GradientBands MakeGradientBands(int screenSize, int buttonSize, Colour from, Colour to);

// Paints the bands over `face` in the mode's direction; nothing for efbxp_NoGradient.
// `screen` is the screen's size in pixels.
void PaintGradient(platform::Canvas& canvas, const platform::Rect& face, GradientConstants mode,
                   platform::Size screen, Colour from, Colour to);

}  // namespace qorvexctl
