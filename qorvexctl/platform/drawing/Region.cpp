#include "qorvexctl/platform/drawing/Region.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace qorvexctl::platform {

namespace {

int Clamp(std::int64_t v, int limit) {
  return static_cast<int>(std::clamp<std::int64_t>(v, -limit, limit));
}

bool Applies(CombineMode mode, bool inA, bool inB) {
  switch (mode) {
    case CombineMode::And:
      return inA && inB;
    case CombineMode::Or:
      return inA || inB;
    case CombineMode::Xor:
      return inA != inB;
    case CombineMode::Diff:
      return inA && !inB;
    case CombineMode::Copy:
      return inA;
  }
  return false;
}

void AppendSpan(std::vector<Span>& out, int left, int right) {
  if (left >= right) return;
  if (!out.empty() && out.back().right >= left) {
    out.back().right = std::max(out.back().right, right);
  } else {
    out.push_back({left, right});
  }
}

// Sweeps the edges of two sorted span lists and keeps the intervals the mode selects.
std::vector<Span> CombineSpans(const std::vector<Span>& a, const std::vector<Span>& b,
                               CombineMode mode) {
  std::vector<int> edges;
  edges.reserve(2 * (a.size() + b.size()));
  for (const Span& s : a) edges.insert(edges.end(), {s.left, s.right});
  for (const Span& s : b) edges.insert(edges.end(), {s.left, s.right});
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  std::vector<Span> out;
  std::size_t ia = 0, ib = 0;
  for (std::size_t k = 0; k + 1 < edges.size(); ++k) {
    const int x = edges[k];
    while (ia < a.size() && a[ia].right <= x) ++ia;
    while (ib < b.size() && b[ib].right <= x) ++ib;
    const bool inA = ia < a.size() && a[ia].left <= x;
    const bool inB = ib < b.size() && b[ib].left <= x;
    if (Applies(mode, inA, inB)) AppendSpan(out, x, edges[k + 1]);
  }
  return out;
}

// Spans of one row of a polygon, sampled at the pixel centres of row y.
std::vector<Span> PolygonRow(std::span<const PointF> pts, int y, FillMode mode) {
  struct Crossing {
    double x;
    int direction;
  };
  std::vector<Crossing> crossings;
  const double yc = y + 0.5;
  for (std::size_t i = 0; i < pts.size(); ++i) {
    const PointF& p = pts[i];
    const PointF& q = pts[(i + 1) % pts.size()];
    if (p.y == q.y) continue;
    const double lo = std::min(p.y, q.y), hi = std::max(p.y, q.y);
    if (yc < lo || yc >= hi) continue;
    const double x = p.x + (yc - p.y) * (q.x - p.x) / (q.y - p.y);
    crossings.push_back({x, q.y > p.y ? 1 : -1});
  }
  std::sort(crossings.begin(), crossings.end(),
            [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
  std::vector<Span> spans;
  int winding = 0;
  for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
    winding += mode == FillMode::Winding ? crossings[i].direction : 1;
    const bool inside = mode == FillMode::Winding ? winding != 0 : (winding % 2) != 0;
    if (!inside) continue;
    const int left =
        Clamp(static_cast<std::int64_t>(std::ceil(crossings[i].x - 0.5)), Region::kCoordinateLimit);
    const int right = Clamp(static_cast<std::int64_t>(std::ceil(crossings[i + 1].x - 0.5)),
                            Region::kCoordinateLimit);
    AppendSpan(spans, left, right);
  }
  return spans;
}

}  // namespace

// Collects rows or bands top to bottom, merging equal neighbouring bands.
class RegionBuilder {
 public:
  void Add(int top, int bottom, std::vector<Span> spans) {
    std::erase_if(spans, [](const Span& s) { return s.left >= s.right; });
    if (spans.empty() || top >= bottom) return;
    auto& bands = m_region.m_bands;
    if (!bands.empty() && bands.back().bottom == top && bands.back().spans == spans) {
      bands.back().bottom = bottom;
      return;
    }
    bands.push_back({top, bottom, std::move(spans)});
  }
  Region Take() { return std::move(m_region); }

 private:
  Region m_region;
};

Region Region::FromRect(const Rect& r) {
  const Rect c = ClampRect(r);
  RegionBuilder builder;
  builder.Add(c.top, c.bottom, {{c.left, c.right}});
  return builder.Take();
}

Region Region::FromEllipse(const Rect& bounds) {
  return FromRoundRect(bounds, bounds.Width(), bounds.Height());
}

// Each row is the full width of the rectangle, narrowed in the top and bottom corner zones to
// the pixel centres inside the corner ellipse. With the ellipse as large as the rectangle the
// zones meet in the middle and the result is the inscribed ellipse.
Region Region::FromRoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight) {
  const Rect bounds = ClampRect(rect);
  if (bounds.IsEmpty()) return {};
  const double rx = std::clamp(ellipseWidth, 0, bounds.Width()) / 2.0;
  const double ry = std::clamp(ellipseHeight, 0, bounds.Height()) / 2.0;
  if (rx <= 0 || ry <= 0) return FromRect(bounds);
  const double innerLeft = bounds.left + rx, innerRight = bounds.right - rx;
  const double innerTop = bounds.top + ry, innerBottom = bounds.bottom - ry;
  RegionBuilder builder;
  const int top = std::max(bounds.top, -kRasterLimit);
  const int bottom = std::min(bounds.bottom, kRasterLimit);
  for (int y = top; y < bottom; ++y) {
    const double yc = y + 0.5;
    const double dy = yc < innerTop      ? (innerTop - yc) / ry
                      : yc > innerBottom ? (yc - innerBottom) / ry
                                         : 0;
    if (dy * dy >= 1) continue;
    const double half = rx * std::sqrt(1 - dy * dy);
    const auto left = static_cast<std::int64_t>(std::ceil(innerLeft - half - 0.5));
    const auto right = static_cast<std::int64_t>(std::floor(innerRight + half - 0.5)) + 1;
    builder.Add(y, y + 1, {{ClampCoordinate(left), ClampCoordinate(right)}});
  }
  return builder.Take();
}

Region Region::FromPolygon(std::span<const Point> points, FillMode mode) {
  std::vector<PointF> exact;
  exact.reserve(points.size());
  for (const Point& p : points)
    exact.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
  return FromPolygon(std::span<const PointF>(exact), mode);
}

Region Region::FromPolygon(std::span<const PointF> points, FillMode mode) {
  if (points.size() < 3) return {};
  double top = kRasterLimit, bottom = -kRasterLimit;
  for (const PointF& p : points) {
    top = std::min(top, std::clamp(p.y, -1.0 * kRasterLimit, 1.0 * kRasterLimit));
    bottom = std::max(bottom, std::clamp(p.y, -1.0 * kRasterLimit, 1.0 * kRasterLimit));
  }
  RegionBuilder builder;
  for (int y = static_cast<int>(std::floor(top)); y < static_cast<int>(std::ceil(bottom)); ++y)
    builder.Add(y, y + 1, PolygonRow(points, y, mode));
  return builder.Take();
}

Region Region::Combine(const Region& a, const Region& b, CombineMode mode) {
  if (mode == CombineMode::Copy) return a;
  std::vector<int> ys;
  for (const Region* r : {&a, &b}) {
    for (const Band& band : r->m_bands) ys.insert(ys.end(), {band.top, band.bottom});
  }
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  RegionBuilder builder;
  static const std::vector<Span> kNone;
  std::size_t ia = 0, ib = 0;
  for (std::size_t k = 0; k + 1 < ys.size(); ++k) {
    const int y = ys[k];
    while (ia < a.m_bands.size() && a.m_bands[ia].bottom <= y) ++ia;
    while (ib < b.m_bands.size() && b.m_bands[ib].bottom <= y) ++ib;
    const bool inA = ia < a.m_bands.size() && a.m_bands[ia].top <= y;
    const bool inB = ib < b.m_bands.size() && b.m_bands[ib].top <= y;
    builder.Add(
        y, ys[k + 1],
        CombineSpans(inA ? a.m_bands[ia].spans : kNone, inB ? b.m_bands[ib].spans : kNone, mode));
  }
  return builder.Take();
}

Region& Region::Offset(int dx, int dy) {
  for (Band& band : m_bands) {
    band.top = ClampCoordinate(std::int64_t{band.top} + dy);
    band.bottom = ClampCoordinate(std::int64_t{band.bottom} + dy);
    for (Span& s : band.spans) {
      s.left = ClampCoordinate(std::int64_t{s.left} + dx);
      s.right = ClampCoordinate(std::int64_t{s.right} + dx);
    }
  }
  return *this;
}

Region Region::Frame(int width, int height) const {
  width = std::clamp(width, 0, kRasterLimit);
  height = std::clamp(height, 0, kRasterLimit);
  Region interior = *this;
  const Point shifts[] = {{-width, 0}, {width, 0}, {0, -height}, {0, height}};
  for (const Point& shift : shifts) {
    Region moved = *this;
    moved.Offset(shift.x, shift.y);
    interior = Combine(interior, moved, CombineMode::And);
  }
  return Combine(*this, interior, CombineMode::Diff);
}

const Region::Band* Region::BandAt(int y) const {
  auto it = std::upper_bound(m_bands.begin(), m_bands.end(), y,
                             [](int value, const Band& b) { return value < b.bottom; });
  if (it == m_bands.end() || it->top > y) return nullptr;
  return &*it;
}

bool Region::Contains(int x, int y) const {
  const Band* band = BandAt(y);
  if (band == nullptr) return false;
  return std::any_of(band->spans.begin(), band->spans.end(),
                     [x](const Span& s) { return x >= s.left && x < s.right; });
}

bool Region::Intersects(const Rect& r) const {
  return !Combine(*this, FromRect(r), CombineMode::And).IsEmpty();
}

Rect Region::Bounds() const {
  if (m_bands.empty()) return {};
  Rect r{kCoordinateLimit, m_bands.front().top, -kCoordinateLimit, m_bands.back().bottom};
  for (const Band& band : m_bands) {
    r.left = std::min(r.left, band.spans.front().left);
    r.right = std::max(r.right, band.spans.back().right);
  }
  return r;
}

std::vector<Rect> Region::Rects() const {
  std::vector<Rect> out;
  for (const Band& band : m_bands) {
    for (const Span& s : band.spans) out.push_back({s.left, band.top, s.right, band.bottom});
  }
  return out;
}

void Region::ForEachSpan(const Rect& within,
                         const std::function<void(int y, int left, int right)>& fn) const {
  if (within.IsEmpty()) return;
  for (const Band& band : m_bands) {
    const int top = std::max(band.top, within.top);
    const int bottom = std::min(band.bottom, within.bottom);
    for (int y = top; y < bottom; ++y) {
      for (const Span& s : band.spans) {
        const int left = std::max(s.left, within.left);
        const int right = std::min(s.right, within.right);
        if (left < right) fn(y, left, right);
      }
    }
  }
}

}  // namespace qorvexctl::platform
