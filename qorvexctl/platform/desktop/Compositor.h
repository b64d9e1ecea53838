#pragma once
// Composition: the windows' backing surfaces put together as the screen shows them. Children
// are drawn over their parent, clipped to the parent's client area and to every window region
// on the way; transparent windows are blended with their alpha, the others copied.

#include "qorvexctl/platform/drawing/Region.h"
#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl::platform {

class Desktop;
class Window;

// The whole screen: the desktop background and every shown top-level window, bottom to top.
// Pending paints are done first.
Surface ComposeDesktop(Desktop& desktop);
// Composes `area` of the screen again into `screen` (the size of the screen), leaving the rest.
void ComposeDesktopArea(Desktop& desktop, Surface& screen, const Region& area);
// One window and its descendants, at the window's own origin and size.
Surface ComposeWindow(Window& window);
// Composes `area` (the window's own pixels) of one window again into `out`, a surface of the
// window's size, leaving the rest.
void ComposeWindowArea(Window& window, Surface& out, const Region& area);

}  // namespace qorvexctl::platform
