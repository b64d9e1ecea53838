#pragma once
// Vector outlines for smooth (antialiased) drawing, and their coverage rendered by cairo.
// Coordinates are surface pixels with pixel (x, y) covering x..x+1 and y..y+1, so the centre
// of a pixel is at (x + 0.5, y + 0.5). Coverage masks are one byte (0..255) per pixel of the
// area they are asked for, row after row.

#include <cstdint>
#include <vector>

#include "qorvexctl/platform/drawing/Geometry.h"
#include "qorvexctl/platform/drawing/Region.h"

namespace qorvexctl::platform {

class ShapePath {
 public:
  enum class Kind { Move, Line, Arc, Close };
  struct Step {
    Kind kind = Kind::Move;
    PointF point{};  // Move and Line: the point; Arc: the ellipse's centre
    double rx = 0;   // Arc: radii, start angle and sweep (radians)
    double ry = 0;
    double from = 0;
    double sweep = 0;
  };

  void MoveTo(PointF p) { m_steps.push_back({Kind::Move, p}); }
  void LineTo(PointF p) { m_steps.push_back({Kind::Line, p}); }
  // An arc of the ellipse around `centre` with radii rx and ry, from the parametric angle
  // `from` (x = cx + rx cos t, y = cy + ry sin t, y pointing down) through `sweep` radians
  // counter-clockwise on the screen, that is towards smaller angles. A line joins it to the
  // point before it.
  void Arc(PointF centre, double rx, double ry, double from, double sweep) {
    m_steps.push_back({Kind::Arc, centre, rx, ry, from, sweep});
  }
  void Close() { m_steps.push_back({Kind::Close}); }

  bool IsEmpty() const { return m_steps.empty(); }
  const std::vector<Step>& Steps() const { return m_steps; }
  // A rectangle holding every point of the path (whole ellipses for arcs).
  RectF Bounds() const;

 private:
  std::vector<Step> m_steps;
};

// How a path's outline is stroked: pen width, and on/off dash lengths (none for solid) with
// the distance into the pattern where the path starts.
struct StrokeStyle {
  double width = 1;
  std::vector<double> dashes;
  double dashOffset = 0;
};

// Coverage of the inside of the path (closed implicitly) over `area`.
std::vector<std::uint8_t> FillCoverage(const ShapePath& path, FillMode mode, const Rect& area);
// Coverage of the path's stroke (butt ends, round joins) over `area`.
std::vector<std::uint8_t> StrokeCoverage(const ShapePath& path, const StrokeStyle& style,
                                         const Rect& area);

}  // namespace qorvexctl::platform
