#pragma once
// Decoded GIF frames and composed canvases as drawing-layer surfaces: what the animated
// control blits and what a picture of a GIF holds.

#include "qorvexctl/imaging/gif/GifComposer.h"
#include "qorvexctl/imaging/gif/GifImage.h"
#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl::gif {

// Frame `index` (from 0) as an 8-bit surface of its width and height holding its colour
// indices, with the frame's colour table (black past the table's entries).
platform::Surface GifFrameSurface(const GifImage& image, int index);

// The composed canvas as a 24-bit surface (transparent pixels black).
platform::Surface GifCanvasSurface(const GifComposer& composer);

// The transparency mask as a 1-bit surface: 1 (white) where transparent, 0 (black) where
// opaque, so blitting it with SRCAND and then the canvas shows the background through.
platform::Surface GifMaskSurface(const GifComposer& composer);

// The composed canvas as a 32-bit premultiplied surface: transparent pixels 0, the others
// opaque.
platform::Surface GifPictureSurface(const GifComposer& composer);

}  // namespace qorvexctl::gif
