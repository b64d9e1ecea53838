#pragma once
// The screen kept composed between frames: only the rectangles the desktop reports as changed
// are composed again, or everything after a change that may be anywhere (a window moved,
// shown, hidden or restacked) or when the screen size changed. Both presenters use it; the
// window presenter uploads only the changed part of each frame.

#include <optional>

#include "qorvexctl/platform/drawing/Geometry.h"
#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl::platform {

class Desktop;

class IncrementalComposer {
 public:
  // Paints what is pending and brings the frame up to date. Returns the screen rectangle that
  // changed since the last call (empty when nothing did), or nothing when all of it did.
  std::optional<Rect> Update(Desktop& desktop);
  const Surface& Frame() const { return m_frame; }

 private:
  Surface m_frame;
};

}  // namespace qorvexctl::platform
