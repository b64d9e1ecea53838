#include "qorvexctl/platform/drawing/Canvas.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "qorvexctl/platform/drawing/PixelRows.h"

namespace qorvexctl::platform {

namespace {

// from + (to - from) * step / (steps - 1), rounded half away from zero.
int Interpolate(int from, int to, int step, int steps) {
  if (steps <= 1) return from;
  const long long num = static_cast<long long>(to - from) * step * 2;
  const long long den = 2LL * (steps - 1);
  const long long half = steps - 1;
  return from + static_cast<int>(num >= 0 ? (num + half) / den : -((-num + half) / den));
}

// Writes `n` coverage values of one colour over destination pixels: blended on 24- and 32-bit
// surfaces, thresholded at half coverage on indexed ones.
void CompositeCoverage(Surface& s, int y, int x, int n, const std::uint8_t* coverage, Colour c,
                       std::vector<std::uint32_t>& words, std::vector<std::uint32_t>& dest) {
  if (s.IsIndexed()) {
    const std::uint32_t value = s.ValueOf(c);
    for (int i = 0; i < n; ++i)
      if (coverage[i] >= 128) s.SetPixelValue(x + i, y, value);
    return;
  }
  words.resize(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i)
    words[static_cast<std::size_t>(i)] = PremultipliedWord(c, coverage[i]);
  dest.resize(static_cast<std::size_t>(n));
  ReadRowValues(s, y, x, n, dest.data());
  BlendRow(dest.data(), words.data(), n, BlendFunction{});
  WriteRowValues(s, y, x, n, dest.data());
}

}  // namespace

Canvas::Canvas(Surface& target, const SystemColours* colours)
    : m_target(&target), m_colours(colours) {}

Colour Canvas::Resolve(Colour c) const {
  return m_colours != nullptr ? m_colours->Resolve(c) : ResolveColour(c);
}

void Canvas::FillSpans(const Rect& area, Colour c) {
  const std::uint32_t value = m_target->ValueOf(Resolve(c));
  ForEachClippedSpan(
      ClipRegion(), ClampRect(area).Intersect(m_target->Bounds()),
      [&](int y, int left, int right) { FillRowValues(*m_target, y, left, right - left, value); });
}

void Canvas::PaintCoverage(const Rect& mask, const std::uint8_t* coverage, const Rect& visible,
                           Colour colour) {
  const Colour plain = Resolve(colour);
  std::vector<std::uint32_t> words, dest;
  ForEachClippedSpan(ClipRegion(), visible.Intersect(mask).Intersect(m_target->Bounds()),
                     [&](int row, int from, int to) {
                       const std::uint8_t* line = coverage +
                                                  static_cast<std::size_t>(row - mask.top) *
                                                      static_cast<std::size_t>(mask.Width()) +
                                                  (from - mask.left);
                       CompositeCoverage(*m_target, row, from, to - from, line, plain, words, dest);
                     });
}

void Canvas::FillRect(const Rect& r, Colour c) { FillSpans(r, c); }

void Canvas::FillRect(const Rect& r) {
  if (m_brush.style == BrushStyle::Solid) FillSpans(r, m_brush.colour);
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
  const std::uint32_t value = m_target->ValueOf(Resolve(c));
  const Region visible = m_clip ? Region::Combine(region, *m_clip, CombineMode::And) : region;
  visible.ForEachSpan(m_target->Bounds(), [&](int y, int left, int right) {
    FillRowValues(*m_target, y, left, right - left, value);
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
  const Rect visible = r.Intersect(m_target->Bounds());
  const auto invert = [&](int x, int y) {
    if (!visible.Contains(x, y) || (m_clip && !m_clip->Contains(x, y)) || (x + y) % 2 != 0) return;
    const std::uint32_t v = m_target->PixelValue(x, y);
    m_target->SetPixelValue(x, y, (~v & 0x00FFFFFFu) | (v & 0xFF000000u));
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
  const Rect visible = r.Intersect(m_target->Bounds());
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

void Canvas::SetPixel(int x, int y, Colour c) { Plot(x, y, m_target->ValueOf(Resolve(c))); }

void Canvas::Plot(int x, int y, std::uint32_t value) {
  if (!m_target->Bounds().Contains(x, y) || (m_clip && !m_clip->Contains(x, y))) return;
  m_target->SetPixelValue(x, y, value);
}

Colour Canvas::GetPixel(int x, int y) const {
  if (!m_target->Bounds().Contains(x, y) || (m_clip && !m_clip->Contains(x, y))) return kInvalidColour;
  return m_target->PixelColour(x, y);
}

BlitTarget Canvas::Target(Colour brushColour) const {
  return BlitTarget{*m_target, ClipRegion(), Resolve(m_textColour), Resolve(m_backgroundColour),
                    Resolve(brushColour)};
}

bool Canvas::BitBlt(int x, int y, int width, int height, const Canvas& source, int srcX, int srcY,
                    std::uint32_t rop) {
  return StretchBlt(x, y, width, height, source, srcX, srcY, width, height, rop);
}

bool Canvas::BitBlt(int x, int y, int width, int height, const Surface& source, int srcX, int srcY,
                    std::uint32_t rop) {
  return StretchBlt(x, y, width, height, source, srcX, srcY, width, height, rop);
}

bool Canvas::StretchBlt(int x, int y, int width, int height, const Canvas& source, int srcX,
                        int srcY, int srcWidth, int srcHeight, std::uint32_t rop) {
  const BlitSource from{*source.m_target, source.Resolve(source.m_backgroundColour)};
  return platform::StretchBlt(Target(m_brush.colour), x, y, width, height, &from, srcX, srcY,
                              srcWidth, srcHeight, rop);
}

bool Canvas::StretchBlt(int x, int y, int width, int height, const Surface& source, int srcX,
                        int srcY, int srcWidth, int srcHeight, std::uint32_t rop) {
  const BlitSource from{source, RGB(255, 255, 255)};
  return platform::StretchBlt(Target(m_brush.colour), x, y, width, height, &from, srcX, srcY,
                              srcWidth, srcHeight, rop);
}

bool Canvas::PatBlt(int x, int y, int width, int height, std::uint32_t rop) {
  return platform::StretchBlt(Target(m_brush.colour), x, y, width, height, nullptr, 0, 0, 0, 0, rop);
}

bool Canvas::AlphaBlend(int x, int y, int width, int height, const Surface& source, int srcX,
                        int srcY, int srcWidth, int srcHeight, BlendFunction blend) {
  return platform::AlphaBlend(Target(m_brush.colour), x, y, width, height, source, srcX, srcY,
                              srcWidth, srcHeight, blend);
}

}  // namespace qorvexctl::platform
