#pragma once
// What the animated GIF control blits: the composed canvas as a 24-bit surface and its
// transparency as a 1-bit mask (1, white, where transparent), kept from frame to frame and
// brought up to date only where the last composition step changed the canvas.

#include "qorvexctl/imaging/gif/GifComposer.h"
#include "qorvexctl/imaging/gif/GifImage.h"
#include "qorvexctl/platform/drawing/Geometry.h"
#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl {

class GifDisplaySurfaces {
 public:
  // Copies `area` (canvas pixels) of the composer's canvas and mask into the surfaces, making
  // them the canvas size first when they are not.
  void Update(const GifComposer& composer, platform::Rect area);
  void Clear();

  bool IsEmpty() const { return m_colours.IsEmpty(); }
  const platform::Surface& Colours() const { return m_colours; }
  const platform::Surface& Mask() const { return m_mask; }

 private:
  platform::Surface m_colours;
  platform::Surface m_mask;
};

// The part of the canvas that composing frame `to` right after frame `from` (both from 0)
// changes: the disposed area of `from` and the rectangle of `to`. The whole canvas when `to`
// does not follow `from` (the composition started over, or frames were replayed).
platform::Rect ChangedArea(const GifImage& image, int from, int to);

}  // namespace qorvexctl
