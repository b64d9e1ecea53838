#pragma once
// The demo's drawing panel: the same shapes drawn crisp (the classic way) and smooth
// (antialiased), a round rectangle, an arc, a pie and a chord, styled pen outlines, tab stops
// and the demo icon at two sizes, painted straight onto a surface with a Canvas.

#include <filesystem>

#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl::demo {

// The panel as a 32-bit surface.
platform::Surface PaintDrawingShowcase();

// Writes the panel as a PNG file; false when it cannot be written.
bool WriteDrawingShowcase(const std::filesystem::path& file);

}  // namespace qorvexctl::demo
