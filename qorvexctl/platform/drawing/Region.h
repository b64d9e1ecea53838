#pragma once
// An area of pixels made of horizontal bands, each a sorted list of spans: the classic
// clipping and window-shape region. Rectangles, ellipses and polygons build regions; regions
// combine (and, or, xor, diff), move, outline themselves and answer hit tests.
//
// Coordinates are clamped to +/-kCoordinateLimit. Ellipses and polygons are rasterised only
// inside +/-kRasterLimit, which keeps huge shapes from costing huge memory.

#include <functional>
#include <span>
#include <vector>

#include "qorvexctl/platform/drawing/Geometry.h"

namespace qorvexctl::platform {

// How a self-intersecting polygon is filled.
enum class FillMode { Alternate = 1, Winding = 2 };

// How two regions combine (the classic RGN_ numbers).
enum class CombineMode { And = 1, Or = 2, Xor = 3, Diff = 4, Copy = 5 };

// Pixels [left, right) of one row.
struct Span {
  int left = 0;
  int right = 0;
  friend constexpr bool operator==(const Span&, const Span&) = default;
};

class Region {
 public:
  static constexpr int kCoordinateLimit = platform::kCoordinateLimit;
  static constexpr int kRasterLimit = 1 << 15;

  // The empty region.
  Region() = default;
  static Region FromRect(const Rect& r);
  // The ellipse inscribed in `bounds` (right and bottom exclusive): the pixels whose centres
  // lie inside it.
  static Region FromEllipse(const Rect& bounds);
  // The rectangle with its corners rounded by quarters of an `ellipseWidth` x `ellipseHeight`
  // ellipse (CreateRoundRectRgn); sizes are limited to the rectangle's, and a size of 0 or
  // less leaves the corners square.
  static Region FromRoundRect(const Rect& bounds, int ellipseWidth, int ellipseHeight);
  // The pixels whose centres lie inside the polygon (closed implicitly).
  static Region FromPolygon(std::span<const Point> points, FillMode mode);
  static Region FromPolygon(std::span<const PointF> points, FillMode mode);
  // `a` combined with `b`; Copy gives `a`.
  static Region Combine(const Region& a, const Region& b, CombineMode mode);

  // Moves the region.
  Region& Offset(int dx, int dy);
  // The outline of the region, `width` pixels wide at the sides and `height` at top and bottom.
  Region Frame(int width, int height) const;

  bool IsEmpty() const { return m_bands.empty(); }
  bool Contains(int x, int y) const;
  // True when any pixel of the rectangle is in the region.
  bool Intersects(const Rect& r) const;
  // The smallest rectangle holding the region (empty for an empty region).
  Rect Bounds() const;
  // The region as rectangles, one per span of each band, top to bottom.
  std::vector<Rect> Rects() const;
  // Calls fn(y, left, right) for every row span of the region inside `within`.
  void ForEachSpan(const Rect& within,
                   const std::function<void(int y, int left, int right)>& fn) const;

  friend bool operator==(const Region&, const Region&) = default;

 private:
  struct Band {
    int top = 0;
    int bottom = 0;
    std::vector<Span> spans;
    friend bool operator==(const Band&, const Band&) = default;
  };
  friend class RegionBuilder;

  const Band* BandAt(int y) const;

  std::vector<Band> m_bands;
};

// Calls fn(y, left, right) for each span of `area` inside the clip region (or inside `area`
// alone when there is no clip).
template <typename Fn>
void ForEachClippedSpan(const Region* clip, const Rect& area, Fn&& fn) {
  if (area.IsEmpty()) return;
  if (clip == nullptr) {
    for (int y = area.top; y < area.bottom; ++y) fn(y, area.left, area.right);
  } else {
    clip->ForEachSpan(area, fn);
  }
}

}  // namespace qorvexctl::platform
