#pragma once
// What the animated GIF control blits: the composed canvas as a 24-bit surface and its
// transparency as a 1-bit mask (1, white, where transparent), kept from frame to frame and
// brought up to date only where composition steps changed the canvas since the last update.

#include "qorvexctl/imaging/gif/GifComposer.h"
#include "qorvexctl/imaging/gif/GifImage.h"
#include "qorvexctl/platform/drawing/Geometry.h"
#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl {

class GifDisplaySurfaces {
 public:
  // Notes that `area` (canvas pixels) changed since the last Update.
  void Changed(const platform::Rect& area);
  // Copies the changed part of the composer's canvas and mask into the surfaces (all of it
  // when they are not the canvas size yet).
  void Update(const gif::GifComposer& composer);
  void Clear();

  bool IsEmpty() const { return m_colours.IsEmpty(); }
  const platform::Surface& Colours() const { return m_colours; }
  const platform::Surface& Mask() const { return m_mask; }

 private:
  platform::Surface m_colours;
  platform::Surface m_mask;
  platform::Rect m_changed{};
};

// The smallest rectangle holding both; an empty one adds nothing.
platform::Rect UnionOf(const platform::Rect& a, const platform::Rect& b);

// The part of the canvas that composing frame `to` right after frame `from` (both from 0)
// changes: the disposed area of `from` and the rectangle of `to`. The whole canvas when `to`
// does not follow `from` (the composition started over, or frames were replayed).
platform::Rect ChangedArea(const gif::GifImage& image, int from, int to);

}  // namespace qorvexctl
