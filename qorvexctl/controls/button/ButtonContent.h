#pragma once
// A button's picture and caption laid out in its rectangle. Pictures of 16, 24 or 32 pixels
// sit by PictureAlign (at an edge, beside the caption, or centred at the top or bottom) and the
// caption takes the rest; the two fill sizes stretch the picture over the button or scale it
// to fit, keeping its proportions, centred, with the caption over it. The caption's lines
// ("||") are centred as a block, each aligned by CaptionAlign, plain, sunken or raised, and
// embossed when the button is disabled.

#include "qorvexctl/controls/button/ButtonPainter.h"

namespace qorvexctl {

void DrawButtonContent(platform::Canvas& canvas, const platform::Rect& rect,
                       const ButtonColours& colours, const ButtonState& state);

// Where a fill-size picture goes: over all of `rect` (40, stretched) or scaled to fit it
// keeping its proportions (48), centred.
platform::Rect FillPictureRect(const platform::Rect& rect, int pictureSize, platform::Size picture);

}  // namespace qorvexctl
