#include "qorvexctl/platform/drawing/ShapeGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace qorvexctl::platform {

namespace {

constexpr double kPi = std::numbers::pi;

RectF Shrunk(const Rect& r, double inset) {
  const double cx = (static_cast<double>(r.left) + r.right) / 2;
  const double cy = (static_cast<double>(r.top) + r.bottom) / 2;
  return {std::min(r.left + inset, cx), std::min(r.top + inset, cy), std::max(r.right - inset, cx),
          std::max(r.bottom - inset, cy)};
}

// The parametric angle of the ellipse point on the radial through `p`.
double RadialAngle(const EllipseArc& arc, Point p) {
  if (arc.rx <= 0 || arc.ry <= 0) return 0;
  return std::atan2((p.y - arc.centre.y) / arc.ry, (p.x - arc.centre.x) / arc.rx);
}

// The pixels between the arc's radials: a fan from the centre out to twice the ellipse, in
// steps of at most 30 degrees, so its straight edges stay outside the ellipse.
Region Sector(const EllipseArc& arc) {
  const int steps = std::max(2, static_cast<int>(std::ceil(arc.sweep / (kPi / 6))));
  std::vector<PointF> fan{arc.centre};
  for (int i = 0; i <= steps; ++i) {
    const double t = arc.from - arc.sweep * i / steps;
    fan.push_back(
        {arc.centre.x + 2 * arc.rx * std::cos(t), arc.centre.y + 2 * arc.ry * std::sin(t)});
  }
  return Region::FromPolygon(std::span<const PointF>(fan), FillMode::Winding);
}

// The half-plane on the arc's side of its chord, as a square reaching past the ellipse.
Region ArcSideOfChord(const EllipseArc& arc) {
  const PointF a = arc.At(arc.from), b = arc.At(arc.from - arc.sweep);
  const PointF middle = arc.At(arc.from - arc.sweep / 2);
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  if (length < 1e-9)
    return Region::FromRect(
        {-kCoordinateLimit, -kCoordinateLimit, kCoordinateLimit, kCoordinateLimit});
  const double ux = (b.x - a.x) / length, uy = (b.y - a.y) / length;
  const double side = (middle.x - a.x) * -uy + (middle.y - a.y) * ux >= 0 ? 1 : -1;
  const double nx = -uy * side, ny = ux * side;
  const double far = 4 * (arc.rx + arc.ry) + 4;
  const PointF corners[] = {{a.x - ux * far, a.y - uy * far},
                            {b.x + ux * far, b.y + uy * far},
                            {b.x + (ux + nx) * far, b.y + (uy + ny) * far},
                            {a.x + (nx - ux) * far, a.y + (ny - uy) * far}};
  return Region::FromPolygon(std::span<const PointF>(corners), FillMode::Alternate);
}

void AddRoundRect(ShapePath& path, const RectF& box, double rx, double ry) {
  path.Arc({box.left + rx, box.top + ry}, rx, ry, 1.5 * kPi, kPi / 2);
  path.Arc({box.left + rx, box.bottom - ry}, rx, ry, kPi, kPi / 2);
  path.Arc({box.right - rx, box.bottom - ry}, rx, ry, kPi / 2, kPi / 2);
  path.Arc({box.right - rx, box.top + ry}, rx, ry, 0, kPi / 2);
  path.Close();
}

void AddRectangle(ShapePath& path, const RectF& box) {
  path.MoveTo({box.left, box.top});
  path.LineTo({box.left, box.bottom});
  path.LineTo({box.right, box.bottom});
  path.LineTo({box.right, box.top});
  path.Close();
}

}  // namespace

EllipseArc EllipseArc::Between(const RectF& box, Point start, Point end) {
  EllipseArc arc;
  arc.centre = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  arc.rx = (box.right - box.left) / 2;
  arc.ry = (box.bottom - box.top) / 2;
  arc.from = RadialAngle(arc, start);
  arc.sweep = arc.from - RadialAngle(arc, end);
  if (arc.sweep <= 1e-12) arc.sweep += 2 * kPi;
  return arc;
}

PointF EllipseArc::At(double angle) const {
  return {centre.x + rx * std::cos(angle), centre.y + ry * std::sin(angle)};
}

bool EllipseArc::IsWhole() const { return sweep >= 2 * kPi - 1e-9; }

Region ShapeRegion(const ShapeSpec& shape) {
  const Rect& r = shape.bounds;
  switch (shape.kind) {
    case ShapeKind::Rectangle:
      return Region::FromRect(r);
    case ShapeKind::RoundRect:
      return Region::FromRoundRect(r, shape.corner.width, shape.corner.height);
    case ShapeKind::Ellipse:
    case ShapeKind::Arc:
      return Region::FromEllipse(r);
    case ShapeKind::Pie:
    case ShapeKind::Chord:
      break;
  }
  const EllipseArc arc = EllipseArc::Between(Shrunk(r, 0), shape.start, shape.end);
  const Region ellipse = Region::FromEllipse(r);
  if (arc.IsWhole()) return ellipse;
  const Region part = shape.kind == ShapeKind::Pie ? Sector(arc) : ArcSideOfChord(arc);
  return Region::Combine(ellipse, part, CombineMode::And);
}

Region ArcRegion(const ShapeSpec& shape, int penWidth) {
  const Region outline = Region::FromEllipse(shape.bounds).Frame(penWidth, penWidth);
  const EllipseArc arc = EllipseArc::Between(Shrunk(shape.bounds, 0), shape.start, shape.end);
  return arc.IsWhole() ? outline : Region::Combine(outline, Sector(arc), CombineMode::And);
}

ShapePath ShapeOutline(const ShapeSpec& shape, double inset) {
  const RectF box = Shrunk(shape.bounds, inset);
  const EllipseArc arc = EllipseArc::Between(box, shape.start, shape.end);
  ShapePath path;
  switch (shape.kind) {
    case ShapeKind::Rectangle:
      AddRectangle(path, box);
      break;
    case ShapeKind::RoundRect: {
      const double rx = std::clamp(shape.corner.width, 0, shape.bounds.Width()) / 2.0 - inset;
      const double ry = std::clamp(shape.corner.height, 0, shape.bounds.Height()) / 2.0 - inset;
      if (rx > 0 && ry > 0) {
        AddRoundRect(path, box, rx, ry);
      } else {
        AddRectangle(path, box);
      }
      break;
    }
    case ShapeKind::Ellipse:
      path.Arc(arc.centre, arc.rx, arc.ry, 0, 2 * kPi);
      path.Close();
      break;
    case ShapeKind::Pie:
      if (!arc.IsWhole()) path.MoveTo(arc.centre);
      path.Arc(arc.centre, arc.rx, arc.ry, arc.from, arc.sweep);
      path.Close();
      break;
    case ShapeKind::Chord:
      path.Arc(arc.centre, arc.rx, arc.ry, arc.from, arc.sweep);
      path.Close();
      break;
    case ShapeKind::Arc:
      path.Arc(arc.centre, arc.rx, arc.ry, arc.from, arc.sweep);
      break;
  }
  return path;
}

}  // namespace qorvexctl::platform
