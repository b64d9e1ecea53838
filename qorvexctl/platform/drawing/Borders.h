#pragma once
// The classic three-dimensional edges: the sunken edge of text boxes and list views, the
// raised edge of buttons and forms, and the etched line of frames.

#include "qorvexctl/platform/drawing/Geometry.h"

namespace qorvexctl::platform {

class Canvas;

// Two-pixel sunken edge just inside `r`; returns the rectangle inside it.
Rect DrawSunkenEdge(Canvas& canvas, const Rect& r);
// Two-pixel raised edge (a button up); `pressed` draws it pushed in. Returns the inside.
Rect DrawRaisedEdge(Canvas& canvas, const Rect& r, bool pressed = false);
// One-pixel sunken edge (a pushed menu-bar item); returns the inside.
Rect DrawThinSunkenEdge(Canvas& canvas, const Rect& r);
// One-pixel flat border in the window-frame colour; returns the inside.
Rect DrawFlatBorder(Canvas& canvas, const Rect& r);
// An etched rectangle (shadow line with a highlight line beside it).
void DrawEtchedRect(Canvas& canvas, const Rect& r);

}  // namespace qorvexctl::platform
