// Lines and outlined shapes of Canvas, crisp or smooth.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "qorvexctl/platform/drawing/Canvas.h"

namespace qorvexctl::platform {

namespace {

// On and off lengths of the styled pens, in pixels.
std::vector<int> DashPattern(PenStyle style) {
  switch (style) {
    case PenStyle::Dash:
      return {18, 6};
    case PenStyle::Dot:
      return {3, 3};
    case PenStyle::DashDot:
      return {9, 6, 3, 6};
    case PenStyle::DashDotDot:
      return {9, 3, 3, 3, 3, 3};
    default:
      return {};
  }
}

// Whether step `n` of a dash pattern is drawn (on) or a gap.
bool PatternOn(const std::vector<int>& pattern, int n) {
  int period = 0;
  for (int length : pattern) period += length;
  int at = n % period;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (at < pattern[i]) return i % 2 == 0;
    at -= pattern[i];
  }
  return true;
}

// Smooth drawing hands coordinates to cairo, whose fixed-point numbers stop short of the
// canvas's coordinate range; larger shapes are drawn crisp.
bool WithinSmoothRange(const Rect& r) {
  const auto inside = [](int v) { return std::abs(v) <= Region::kRasterLimit; };
  return inside(r.left) && inside(r.top) && inside(r.right) && inside(r.bottom);
}

bool WithinSmoothRange(std::span<const Point> points) {
  return std::all_of(points.begin(), points.end(), [](Point p) {
    return WithinSmoothRange(Rect{p.x, p.y, p.x, p.y});
  });
}

PointF PixelCentre(Point p) { return {p.x + 0.5, p.y + 0.5}; }

// The pixels a vector outline may touch, `margin` beyond its points.
Rect CoverageArea(const RectF& box, double margin) {
  return {ClampCoordinate(static_cast<long long>(std::floor(box.left - margin)) - 1),
          ClampCoordinate(static_cast<long long>(std::floor(box.top - margin)) - 1),
          ClampCoordinate(static_cast<long long>(std::ceil(box.right + margin)) + 1),
          ClampCoordinate(static_cast<long long>(std::ceil(box.bottom + margin)) + 1)};
}

}  // namespace

PenStyle Canvas::EffectivePenStyle() const {
  if (m_pen.style == PenStyle::Null || m_pen.style == PenStyle::InsideFrame) return m_pen.style;
  return m_pen.width > 1 ? PenStyle::Solid : m_pen.style;
}

int Canvas::PenWidth() const { return std::clamp(m_pen.width, 1, 1024); }

void Canvas::Rectangle(const Rect& r) { DrawShape({ShapeKind::Rectangle, r}); }

void Canvas::Ellipse(const Rect& r) { DrawShape({ShapeKind::Ellipse, r}); }

void Canvas::RoundRect(const Rect& r, int ellipseWidth, int ellipseHeight) {
  DrawShape({ShapeKind::RoundRect, r, {ellipseWidth, ellipseHeight}});
}

ShapeSpec Canvas::Curve(ShapeKind kind, const Rect& r, Point start, Point end) const {
  if (m_arcDirection == ArcDirection::Clockwise) std::swap(start, end);
  return {kind, r, {}, start, end};
}

void Canvas::Pie(const Rect& r, Point start, Point end) {
  DrawShape(Curve(ShapeKind::Pie, r, start, end));
}

void Canvas::Chord(const Rect& r, Point start, Point end) {
  DrawShape(Curve(ShapeKind::Chord, r, start, end));
}

void Canvas::Arc(const Rect& r, Point start, Point end) {
  const PenStyle style = EffectivePenStyle();
  if (style == PenStyle::Null) return;
  ShapeSpec arc = Curve(ShapeKind::Arc, ClampRect(r), start, end);
  if (m_smoothing && WithinSmoothRange(arc.bounds)) {
    StrokePath(ShapeOutline(arc, PenWidth() / 2.0), style);
    return;
  }
  const Rect& b = arc.bounds;
  DrawOutline(ArcRegion(arc, PenWidth()), {(b.left + b.right) / 2.0, (b.top + b.bottom) / 2.0},
              style);
}

// Fills the inside of a shape with the brush and its edge, pen-width wide, with the pen.
void Canvas::DrawShape(ShapeSpec shape) {
  const PenStyle style = EffectivePenStyle();
  const int width = PenWidth();
  shape.bounds = ClampRect(shape.bounds);
  if (style == PenStyle::Solid && width > 1)
    shape.bounds = ClampRect(shape.bounds.Inflate((width - 1) / 2, (width - 1) / 2));
  if (m_smoothing && WithinSmoothRange(shape.bounds)) {
    DrawSmoothShape(shape, style);
    return;
  }
  const Region area = ShapeRegion(shape);
  const Region outline = style == PenStyle::Null ? Region() : area.Frame(width, width);
  if (m_brush.style == BrushStyle::Solid)
    FillRegion(Region::Combine(area, outline, CombineMode::Diff), m_brush.colour);
  const Rect& b = shape.bounds;
  DrawOutline(outline, {(b.left + b.right) / 2.0, (b.top + b.bottom) / 2.0}, style);
}

// Solid outlines are filled; dashed ones (one pixel wide) take the pattern pixel by pixel in
// the order of their angle around the shape's centre, clockwise from the left.
void Canvas::DrawOutline(const Region& outline, PointF centre, PenStyle style) {
  const std::vector<int> pattern = DashPattern(style);
  if (pattern.empty()) {
    if (style != PenStyle::Null) FillRegion(outline, m_pen.colour);
    return;
  }
  struct OutlinePixel {
    double angle;
    double distance;
    Point at;
  };
  std::vector<OutlinePixel> pixels;
  outline.ForEachSpan(m_target->Bounds(), [&](int y, int left, int right) {
    for (int x = left; x < right; ++x) {
      const double dx = x + 0.5 - centre.x, dy = y + 0.5 - centre.y;
      pixels.push_back({std::atan2(dy, dx), std::hypot(dx, dy), {x, y}});
    }
  });
  std::sort(pixels.begin(), pixels.end(), [](const OutlinePixel& a, const OutlinePixel& b) {
    return a.angle != b.angle ? a.angle < b.angle : a.distance < b.distance;
  });
  const std::uint32_t ink = m_target->ValueOf(Resolve(m_pen.colour));
  const std::uint32_t gap = m_target->ValueOf(Resolve(m_backgroundColour));
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const bool on = PatternOn(pattern, static_cast<int>(i));
    if (on || m_backgroundMode == BackgroundMode::Opaque)
      Plot(pixels[i].at.x, pixels[i].at.y, on ? ink : gap);
  }
}

void Canvas::DrawSmoothShape(const ShapeSpec& shape, PenStyle style) {
  const double inset = style == PenStyle::Null ? 0 : PenWidth() / 2.0;
  const ShapePath path = ShapeOutline(shape, inset);
  if (m_brush.style == BrushStyle::Solid) FillPath(path, FillMode::Winding, m_brush.colour);
  if (style != PenStyle::Null) StrokePath(path, style);
}

void Canvas::FillPath(const ShapePath& path, FillMode mode, Colour colour) {
  Rect area = CoverageArea(path.Bounds(), 0).Intersect(m_target->Bounds());
  if (m_clip) area = area.Intersect(m_clip->Bounds());
  if (area.IsEmpty()) return;
  const std::vector<std::uint8_t> coverage = FillCoverage(path, mode, area);
  if (!coverage.empty()) PaintCoverage(area, coverage.data(), area, colour);
}

// Strokes with the pen; dashes scale with the pen width and continue from the last line.
void Canvas::StrokePath(const ShapePath& path, PenStyle style) {
  StrokeStyle stroke;
  stroke.width = PenWidth();
  for (int length : DashPattern(style)) stroke.dashes.push_back(length * stroke.width);
  stroke.dashOffset = m_penStep * stroke.width;
  Rect area = CoverageArea(path.Bounds(), stroke.width / 2).Intersect(m_target->Bounds());
  if (m_clip) area = area.Intersect(m_clip->Bounds());
  if (area.IsEmpty()) return;
  const std::vector<std::uint8_t> coverage = StrokeCoverage(path, stroke, area);
  if (!coverage.empty()) PaintCoverage(area, coverage.data(), area, m_pen.colour);
}

void Canvas::Polygon(std::span<const Point> points, FillMode mode) {
  if (points.empty()) return;
  if (m_smoothing && WithinSmoothRange(points)) {
    DrawSmoothLines(points, true, mode);
    return;
  }
  if (m_brush.style == BrushStyle::Solid)
    FillRegion(Region::FromPolygon(points, mode), m_brush.colour);
  for (std::size_t i = 0; i < points.size(); ++i)
    DrawLine(points[i], points[(i + 1) % points.size()]);
}

void Canvas::LineTo(int x, int y) {
  const Point line[] = {m_position, {x, y}};
  if (m_smoothing && WithinSmoothRange(line)) {
    DrawSmoothLines(line, false);
  } else {
    DrawLine(m_position, {x, y});
  }
  m_position = {x, y};
}

void Canvas::Polyline(std::span<const Point> points) {
  if (points.empty()) return;
  if (m_smoothing && WithinSmoothRange(points)) {
    DrawSmoothLines(points, false);
    m_position = points.back();
    return;
  }
  MoveTo(points[0].x, points[0].y);
  for (std::size_t i = 1; i < points.size(); ++i) LineTo(points[i].x, points[i].y);
}

// Lines through the pixel centres as one path, so corners join; a closed one is a polygon
// filled with the brush first.
void Canvas::DrawSmoothLines(std::span<const Point> points, bool closed, FillMode mode) {
  ShapePath path;
  double length = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i == 0) {
      path.MoveTo(PixelCentre(points[i]));
      continue;
    }
    path.LineTo(PixelCentre(points[i]));
    length += std::hypot(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y);
  }
  if (closed) path.Close();
  if (closed && m_brush.style == BrushStyle::Solid) FillPath(path, mode, m_brush.colour);
  const PenStyle style = EffectivePenStyle();
  if (style != PenStyle::Null) StrokePath(path, style);
  m_penStep += static_cast<int>(std::lround(length));
}

// Bresenham's line from `from` up to but not including `to`, in the pen's style and width.
void Canvas::DrawLine(Point from, Point to) {
  if (m_pen.style == PenStyle::Null) return;
  const std::uint32_t ink = m_target->ValueOf(Resolve(m_pen.colour));
  const std::uint32_t gap = m_target->ValueOf(Resolve(m_backgroundColour));
  const std::vector<int> pattern = DashPattern(EffectivePenStyle());
  const int width = PenWidth();
  const long long dx = std::llabs(static_cast<long long>(to.x) - from.x);
  const long long dy = -std::llabs(static_cast<long long>(to.y) - from.y);
  const int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
  long long err = dx + dy;
  const long long steps = std::min<long long>(std::max(dx, -dy), 1 << 16);
  Point p = from;
  for (long long n = 0; n < steps; ++n, ++m_penStep) {
    const bool on = pattern.empty() || PatternOn(pattern, m_penStep);
    if (on || m_backgroundMode == BackgroundMode::Opaque) {
      for (int oy = 0; oy < width; ++oy)
        for (int ox = 0; ox < width; ++ox)
          Plot(p.x - width / 2 + ox, p.y - width / 2 + oy, on ? ink : gap);
    }
    const long long e2 = 2 * err;
    if (e2 >= dy) err += dy, p.x += sx;
    if (e2 <= dx) err += dx, p.y += sy;
  }
}

}  // namespace qorvexctl::platform
