#pragma once
// Where a top-level window of the desktop sits on the user's desktop as a system window, and
// what changed between two frames of it. Pure arithmetic, shared by the window presenter and
// its tests.
//
// A system window shows a part of its window: all of it when the library draws the frame, or
// the part inside the border and caption when the system draws them (the menu bar stays). The
// library's pixels are shown `scale` times larger, so on the user's desktop a window pixel at
// (x, y) of the library's screen covers the system pixels from (x * scale, y * scale).

#include <optional>

#include "qorvexctl/platform/drawing/Geometry.h"
#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl::platform {

class WindowMapping {
 public:
  // `decoration` is the window's DecorationInsets (left, top, right, bottom).
  WindowMapping(Size windowSize, const Rect& decoration, bool libraryFrame, int scale);

  // The part of the window shown, in the window's own pixels.
  const Rect& Shown() const { return m_shown; }
  int Scale() const { return m_scale; }
  // The system window's place on the user's desktop for a window at `bounds`.
  Rect SystemPlace(const Rect& bounds) const;
  // The window's bounds once the system window is at `place`.
  Rect BoundsFor(const Rect& place) const;
  // The point of the library's screen under a pixel of the system window.
  Point ScreenPoint(const Rect& bounds, Point systemPixel) const;

 private:
  Size m_windowSize;
  Rect m_shown;
  int m_scale;
};

// The integer scale for a display of `dpi` dots per inch (96 is one): 1 to 4, rounded down
// unless the display is within a quarter of the next step.
int ScaleForDpi(float dpi);

// The smallest rectangle holding every pixel that differs between two frames of one size
// (an empty rectangle when none does), or nothing when the sizes differ.
std::optional<Rect> ChangedRect(const Surface& before, const Surface& after);

}  // namespace qorvexctl::platform
