#pragma once
// Pixel geometry shared by the drawing layer and the windows built on it: points, sizes and
// rectangles whose right and bottom edges are exclusive, as device-context rectangles are.

#include <algorithm>

namespace qorvexctl::platform {

struct Point {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(const Point&, const Point&) = default;
};

// A point with fractional coordinates; the centre of pixel (x, y) is (x + 0.5, y + 0.5).
struct PointF {
  double x = 0;
  double y = 0;
};

// A rectangle with fractional edges, for vector outlines.
struct RectF {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

struct Size {
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(const Size&, const Size&) = default;
};

// A rectangle from (left, top) up to but not including (right, bottom).
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static constexpr Rect FromSize(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
  }
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  constexpr bool Contains(int x, int y) const {
    return x >= left && x < right && y >= top && y < bottom;
  }
  constexpr Rect Offset(int dx, int dy) const {
    return {left + dx, top + dy, right + dx, bottom + dy};
  }
  constexpr Rect Inflate(int dx, int dy) const {
    return {left - dx, top - dy, right + dx, bottom + dy};
  }
  // The common part of two rectangles; empty rectangles give an empty result.
  constexpr Rect Intersect(const Rect& o) const {
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
            std::min(bottom, o.bottom)};
  }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// Drawing coordinates are kept within +/-kCoordinateLimit, so sizes and offsets of clamped
// rectangles never overflow.
inline constexpr int kCoordinateLimit = 1 << 27;
constexpr int ClampCoordinate(long long v) {
  return static_cast<int>(std::clamp<long long>(v, -kCoordinateLimit, kCoordinateLimit));
}
constexpr Rect ClampRect(const Rect& r) {
  return {ClampCoordinate(r.left), ClampCoordinate(r.top), ClampCoordinate(r.right),
          ClampCoordinate(r.bottom)};
}

}  // namespace qorvexctl::platform
