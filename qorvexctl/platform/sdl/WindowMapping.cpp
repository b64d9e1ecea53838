#include "qorvexctl/platform/sdl/WindowMapping.h"

#include <algorithm>
#include <cstring>

namespace qorvexctl::platform {
namespace {

// Division rounding towards minus infinity, so pixels left of the origin map left of it.
int FloorDiv(int value, int divisor) {
  const int quotient = value / divisor;
  return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

bool RowsEqual(const Surface& a, const Surface& b, int y) {
  return std::memcmp(a.Words(y), b.Words(y), static_cast<std::size_t>(a.Width()) * 4) == 0;
}

}  // namespace

WindowMapping::WindowMapping(Size windowSize, const Rect& decoration, bool libraryFrame, int scale)
    : m_windowSize(windowSize), m_scale(std::max(scale, 1)) {
  m_shown = Rect::FromSize(0, 0, windowSize.width, windowSize.height);
  if (!libraryFrame) {
    m_shown = Rect{decoration.left, decoration.top, windowSize.width - decoration.right,
                   windowSize.height - decoration.bottom};
  }
  m_shown.right = std::max(m_shown.right, m_shown.left + 1);
  m_shown.bottom = std::max(m_shown.bottom, m_shown.top + 1);
}

Rect WindowMapping::SystemPlace(const Rect& bounds) const {
  return Rect::FromSize((bounds.left + m_shown.left) * m_scale,
                        (bounds.top + m_shown.top) * m_scale, m_shown.Width() * m_scale,
                        m_shown.Height() * m_scale);
}

Rect WindowMapping::BoundsFor(const Rect& place) const {
  const int left = FloorDiv(place.left, m_scale) - m_shown.left;
  const int top = FloorDiv(place.top, m_scale) - m_shown.top;
  const int width = std::max(place.Width() / m_scale, 1) + m_windowSize.width - m_shown.Width();
  const int height = std::max(place.Height() / m_scale, 1) + m_windowSize.height - m_shown.Height();
  return Rect::FromSize(left, top, width, height);
}

Point WindowMapping::ScreenPoint(const Rect& bounds, Point systemPixel) const {
  return {bounds.left + m_shown.left + FloorDiv(systemPixel.x, m_scale),
          bounds.top + m_shown.top + FloorDiv(systemPixel.y, m_scale)};
}

int ScaleForDpi(float dpi) {
  if (!(dpi > 0)) return 1;
  return std::clamp(static_cast<int>((dpi + 24.0f) / 96.0f), 1, 4);
}

std::optional<Rect> ChangedRect(const Surface& before, const Surface& after) {
  if (before.Width() != after.Width() || before.Height() != after.Height()) return std::nullopt;
  int top = 0;
  while (top < after.Height() && RowsEqual(before, after, top)) ++top;
  if (top == after.Height()) return Rect{};
  int bottom = after.Height();
  while (bottom > top && RowsEqual(before, after, bottom - 1)) --bottom;
  int left = after.Width();
  int right = 0;
  for (int y = top; y < bottom; ++y) {
    const std::uint32_t* a = before.Words(y);
    const std::uint32_t* b = after.Words(y);
    for (int x = 0; x < left; ++x) {
      if (a[x] != b[x]) left = x;
    }
    for (int x = after.Width() - 1; x >= right; --x) {
      if (a[x] != b[x]) right = x + 1;
    }
  }
  return Rect{left, top, right, bottom};
}

}  // namespace qorvexctl::platform
