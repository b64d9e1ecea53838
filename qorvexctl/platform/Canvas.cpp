#include "qorvexctl/platform/Canvas.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "qorvexctl/platform/PixelRows.h"

namespace qorvexctl::platform {

namespace {

// On and off lengths of the styled pens, in pixels.
std::vector<int> DashPattern(PenStyle style) {
  switch (style) {
    case PenStyle::Dash: return {18, 6};
    case PenStyle::Dot: return {3, 3};
    case PenStyle::DashDot: return {9, 6, 3, 6};
    case PenStyle::DashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
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

// from + (to - from) * step / (steps - 1), rounded half away from zero.
int Interpolate(int from, int to, int step, int steps) {
  if (steps <= 1) return from;
  const long long num = static_cast<long long>(to - from) * step * 2;
  const long long den = 2LL * (steps - 1);
  const long long half = steps - 1;
  return from + static_cast<int>(num >= 0 ? (num + half) / den : -((-num + half) / den));
}

}  // namespace

Canvas::Canvas(Surface& target, const SystemColours* colours)
    : target_(&target), colours_(colours) {}

Colour Canvas::Resolve(Colour c) const {
  return colours_ != nullptr ? colours_->Resolve(c) : ResolveColour(c);
}

void Canvas::FillSpans(const Rect& area, Colour c) {
  const std::uint32_t value = target_->ValueOf(Resolve(c));
  ForEachClippedSpan(ClipRegion(), ClampRect(area).Intersect(target_->Bounds()),
                     [&](int y, int left, int right) {
                       FillRowValues(*target_, y, left, right - left, value);
                     });
}

void Canvas::FillRect(const Rect& r, Colour c) { FillSpans(r, c); }

void Canvas::FillRect(const Rect& r) {
  if (brush_.style == BrushStyle::Solid) FillSpans(r, brush_.colour);
}

void Canvas::FrameRect(const Rect& rect, Colour c) {
  const Rect r = ClampRect(rect);
  if (r.IsEmpty()) return;
  FillSpans({r.left, r.top, r.right, r.top + 1}, c);
  FillSpans({r.left, r.bottom - 1, r.right, r.bottom}, c);
  FillSpans({r.left, r.top + 1, r.left + 1, r.bottom - 1}, c);
  FillSpans({r.right - 1, r.top + 1, r.right, r.bottom - 1}, c);
}

void Canvas::FillRegion(const Region& region, Colour c) {
  const std::uint32_t value = target_->ValueOf(Resolve(c));
  const Region visible = clip_ ? Region::Combine(region, *clip_, CombineMode::And) : region;
  visible.ForEachSpan(target_->Bounds(), [&](int y, int left, int right) {
    FillRowValues(*target_, y, left, right - left, value);
  });
}

void Canvas::FrameRegion(const Region& region, Colour c, int width, int height) {
  FillRegion(region.Frame(width, height), c);
}

void Canvas::InvertRect(const Rect& rect) {
  const Rect r = ClampRect(rect);
  if (!r.IsEmpty()) PatBlt(r.left, r.top, r.Width(), r.Height(), DSTINVERT);
}

void Canvas::DrawFocusRect(const Rect& rect) {
  const Rect r = ClampRect(rect);
  if (r.IsEmpty()) return;
  const Rect visible = r.Intersect(target_->Bounds());
  const auto invert = [&](int x, int y) {
    if (!visible.Contains(x, y) || (clip_ && !clip_->Contains(x, y)) || (x + y) % 2 != 0) return;
    const std::uint32_t v = target_->PixelValue(x, y);
    target_->SetPixelValue(x, y, (~v & 0x00FFFFFFu) | (v & 0xFF000000u));
  };
  for (int x = std::max(r.left, visible.left); x < visible.right; ++x) {
    invert(x, r.top);
    if (r.bottom - 1 != r.top) invert(x, r.bottom - 1);
  }
  for (int y = std::max(r.top + 1, visible.top); y < std::min(r.bottom - 1, visible.bottom); ++y) {
    invert(r.left, y);
    if (r.right - 1 != r.left) invert(r.right - 1, y);
  }
}

void Canvas::GradientFill(const Rect& rect, Colour from, Colour to, GradientDirection direction) {
  const Rect r = ClampRect(rect);
  const Rect visible = r.Intersect(target_->Bounds());
  if (visible.IsEmpty()) return;
  const Colour a = Resolve(from), b = Resolve(to);
  const bool horizontal = direction == GradientDirection::Horizontal;
  const int steps = horizontal ? r.Width() : r.Height();
  const int first = horizontal ? visible.left - r.left : visible.top - r.top;
  const int last = horizontal ? visible.right - r.left : visible.bottom - r.top;
  for (int i = first; i < last; ++i) {
    const Colour c = RGB(Interpolate(RedOf(a), RedOf(b), i, steps),
                         Interpolate(GreenOf(a), GreenOf(b), i, steps),
                         Interpolate(BlueOf(a), BlueOf(b), i, steps));
    FillSpans(horizontal ? Rect{r.left + i, r.top, r.left + i + 1, r.bottom}
                         : Rect{r.left, r.top + i, r.right, r.top + i + 1},
              c);
  }
}

// Fills the inside of a shape with the brush and its edge, pen-width wide, with the pen.
void Canvas::DrawShape(const Region& shape) {
  const Region outline =
      pen_.style == PenStyle::Null ? Region() : shape.Frame(pen_.width, pen_.width);
  if (brush_.style == BrushStyle::Solid)
    FillRegion(Region::Combine(shape, outline, CombineMode::Diff), brush_.colour);
  FillRegion(outline, pen_.colour);
}

void Canvas::Rectangle(const Rect& r) { DrawShape(Region::FromRect(r)); }

void Canvas::Ellipse(const Rect& r) { DrawShape(Region::FromEllipse(r)); }

void Canvas::Polygon(std::span<const Point> points, FillMode mode) {
  if (points.empty()) return;
  if (brush_.style == BrushStyle::Solid) FillRegion(Region::FromPolygon(points, mode), brush_.colour);
  for (std::size_t i = 0; i < points.size(); ++i) DrawLine(points[i], points[(i + 1) % points.size()]);
}

void Canvas::LineTo(int x, int y) {
  DrawLine(position_, {x, y});
  position_ = {x, y};
}

void Canvas::Polyline(std::span<const Point> points) {
  if (points.empty()) return;
  MoveTo(points[0].x, points[0].y);
  for (std::size_t i = 1; i < points.size(); ++i) LineTo(points[i].x, points[i].y);
}

void Canvas::Plot(int x, int y, std::uint32_t value) {
  if (!target_->Bounds().Contains(x, y) || (clip_ && !clip_->Contains(x, y))) return;
  target_->SetPixelValue(x, y, value);
}

// Bresenham's line from `from` up to but not including `to`, in the pen's style and width.
void Canvas::DrawLine(Point from, Point to) {
  if (pen_.style == PenStyle::Null) return;
  const std::uint32_t ink = target_->ValueOf(Resolve(pen_.colour));
  const std::uint32_t gap = target_->ValueOf(Resolve(backgroundColour_));
  const std::vector<int> pattern = DashPattern(pen_.style);
  const int width = std::clamp(pen_.width, 1, 1024);
  const long long dx = std::llabs(static_cast<long long>(to.x) - from.x);
  const long long dy = -std::llabs(static_cast<long long>(to.y) - from.y);
  const int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
  long long err = dx + dy;
  const long long steps = std::min<long long>(std::max(dx, -dy), 1 << 16);
  Point p = from;
  for (long long n = 0; n < steps; ++n, ++penStep_) {
    const bool on = pattern.empty() || PatternOn(pattern, penStep_);
    if (on || backgroundMode_ == BackgroundMode::Opaque) {
      for (int oy = 0; oy < width; ++oy)
        for (int ox = 0; ox < width; ++ox) Plot(p.x - width / 2 + ox, p.y - width / 2 + oy, on ? ink : gap);
    }
    const long long e2 = 2 * err;
    if (e2 >= dy) err += dy, p.x += sx;
    if (e2 <= dx) err += dx, p.y += sy;
  }
}

void Canvas::SetPixel(int x, int y, Colour c) { Plot(x, y, target_->ValueOf(Resolve(c))); }

Colour Canvas::GetPixel(int x, int y) const {
  if (!target_->Bounds().Contains(x, y) || (clip_ && !clip_->Contains(x, y))) return kInvalidColour;
  return target_->PixelColour(x, y);
}

BlitTarget Canvas::Target(Colour brushColour) const {
  return BlitTarget{*target_, ClipRegion(), Resolve(textColour_), Resolve(backgroundColour_),
                    Resolve(brushColour)};
}

bool Canvas::BitBlt(int x, int y, int width, int height, const Canvas& source, int srcX,
                    int srcY, std::uint32_t rop) {
  return StretchBlt(x, y, width, height, source, srcX, srcY, width, height, rop);
}

bool Canvas::BitBlt(int x, int y, int width, int height, const Surface& source, int srcX,
                    int srcY, std::uint32_t rop) {
  return StretchBlt(x, y, width, height, source, srcX, srcY, width, height, rop);
}

bool Canvas::StretchBlt(int x, int y, int width, int height, const Canvas& source, int srcX,
                        int srcY, int srcWidth, int srcHeight, std::uint32_t rop) {
  const BlitSource from{*source.target_, source.Resolve(source.backgroundColour_)};
  return platform::StretchBlt(Target(brush_.colour), x, y, width, height, &from, srcX, srcY,
                              srcWidth, srcHeight, rop);
}

bool Canvas::StretchBlt(int x, int y, int width, int height, const Surface& source, int srcX,
                        int srcY, int srcWidth, int srcHeight, std::uint32_t rop) {
  const BlitSource from{source, RGB(255, 255, 255)};
  return platform::StretchBlt(Target(brush_.colour), x, y, width, height, &from, srcX, srcY,
                              srcWidth, srcHeight, rop);
}

bool Canvas::PatBlt(int x, int y, int width, int height, std::uint32_t rop) {
  return platform::StretchBlt(Target(brush_.colour), x, y, width, height, nullptr, 0, 0, 0, 0, rop);
}

bool Canvas::AlphaBlend(int x, int y, int width, int height, const Surface& source, int srcX,
                        int srcY, int srcWidth, int srcHeight, BlendFunction blend) {
  return platform::AlphaBlend(Target(brush_.colour), x, y, width, height, source, srcX, srcY,
                              srcWidth, srcHeight, blend);
}

}  // namespace qorvexctl::platform
