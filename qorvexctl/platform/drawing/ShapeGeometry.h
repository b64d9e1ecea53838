#pragma once
// The geometry of the canvas's outlined shapes (rectangle, ellipse, round rectangle, pie,
// chord and arc) in both drawing modes: as the pixels whose centres lie inside (crisp), and as
// a vector outline (smooth). Both come from the same numbers, so the two modes agree on every
// pixel away from the edges.
//
// Pies, chords and arcs follow the classic rule: the ellipse inscribed in the bounds, from
// where the radial through the start point meets it, counter-clockwise on the screen, to
// where the radial through the end point meets it. Equal radials give the whole ellipse.

#include "qorvexctl/platform/drawing/Geometry.h"
#include "qorvexctl/platform/drawing/Region.h"
#include "qorvexctl/platform/drawing/ShapePath.h"

namespace qorvexctl::platform {

enum class ShapeKind { Rectangle, Ellipse, RoundRect, Pie, Chord, Arc };

struct ShapeSpec {
  ShapeKind kind = ShapeKind::Rectangle;
  Rect bounds{};
  Size corner{};  // RoundRect: width and height of the corner ellipse
  Point start{};  // Pie, Chord, Arc: a point on each radial
  Point end{};
};

// A part of an ellipse: centre, radii, the parametric angle of its start (x = cx + rx cos t,
// y = cy + ry sin t) and its sweep in (0, 2 pi], counter-clockwise on the screen.
struct EllipseArc {
  PointF centre;
  double rx = 0;
  double ry = 0;
  double from = 0;
  double sweep = 0;

  static EllipseArc Between(const RectF& box, Point start, Point end);
  PointF At(double angle) const;
  bool IsWhole() const;
};

// The pixels of a closed shape (the arc's whole ellipse for ShapeKind::Arc).
Region ShapeRegion(const ShapeSpec& shape);
// The pixels of an arc's ellipse outline, `penWidth` wide, between its radials.
Region ArcRegion(const ShapeSpec& shape, int penWidth);
// The outline of the shape with its edges moved `inset` pixels inwards (half the pen width,
// so a stroke of the pen stays inside the bounds). Arcs are open; the other shapes closed.
ShapePath ShapeOutline(const ShapeSpec& shape, double inset);

}  // namespace qorvexctl::platform
