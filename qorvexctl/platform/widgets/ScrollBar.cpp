#include "qorvexctl/platform/widgets/ScrollBar.h"

#include <algorithm>
#include <cstdlib>

#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl::platform {
namespace {

constexpr std::uintptr_t kRepeatTimer = 1;
// A held arrow or track steps once at the press, again after the first delay, then at the
// repeat rate.
constexpr unsigned kFirstRepeatMs = 350;
constexpr unsigned kRepeatMs = 50;

// Integer division of a non-negative numerator, rounded to the nearest.
long long DivideRounded(long long numerator, long long denominator) {
  return denominator == 0 ? 0 : (numerator + denominator / 2) / denominator;
}

}  // namespace

ScrollBar::ScrollBar(Window& parent, ScrollBarOrientation orientation)
    : Control(parent.GetDesktop(), &parent), m_orientation(orientation) {}

void ScrollBar::Min(int value) {
  if (value == m_min) return;
  m_min = value;
  ClampAndNotify();
}

void ScrollBar::Max(int value) {
  if (value == m_max) return;
  m_max = value;
  ClampAndNotify();
}

void ScrollBar::SmallChange(int value) { m_smallChange = std::max(0, value); }

void ScrollBar::LargeChange(int value) {
  m_largeChange = std::max(0, value);
  Invalidate();
}

void ScrollBar::Value(int value) {
  if (SetClamped(value)) Change();
}

// A new range keeps Value inside it; moving it is a change of Value like any other.
void ScrollBar::ClampAndNotify() {
  const bool moved = SetClamped(m_value);
  Invalidate();
  if (moved) Change();
}

bool ScrollBar::SetClamped(int value) {
  const int clamped = std::clamp(value, std::min(m_min, m_max), std::max(m_min, m_max));
  if (clamped == m_value) return false;
  m_value = clamped;
  Invalidate();
  return true;
}

void ScrollBar::StepBy(int steps) {
  const long long target =
      static_cast<long long>(m_value) + static_cast<long long>(steps) * Direction();
  const long long limited = std::clamp<long long>(target, INT32_MIN, INT32_MAX);
  Value(static_cast<int>(limited));
}

ScrollBar::Layout ScrollBar::GetLayout() const {
  const Rect client = ClientRect();
  const int length = IsVertical() ? client.Height() : client.Width();
  const int thickness = IsVertical() ? client.Width() : client.Height();
  const int arrow = std::min(thickness, length / 2);
  const int trackLength = length - 2 * arrow;
  // The thumb's share of the track is the page (LargeChange) over the range plus the page,
  // never shorter than a square.
  const long long range = std::llabs(static_cast<long long>(m_max) - m_min);
  const long long page = std::max(1, m_largeChange);
  const int thumbLength = static_cast<int>(
      std::max<long long>(std::min(thickness, trackLength), trackLength * page / (range + page)));
  int thumbStart = 0;
  if (range > 0) {
    const long long offset = std::llabs(static_cast<long long>(m_value) - m_min);
    thumbStart = static_cast<int>(DivideRounded(offset * (trackLength - thumbLength), range));
  }
  const bool hasThumb = CanScroll() && thumbLength > 0 && thumbLength <= trackLength;
  auto span = [&](int from, int size) {
    return IsVertical() ? Rect::FromSize(0, from, thickness, size)
                        : Rect::FromSize(from, 0, size, thickness);
  };
  return Layout{span(0, arrow), span(length - arrow, arrow), span(arrow, trackLength),
                hasThumb ? span(arrow + thumbStart, thumbLength) : Rect{}};
}

ScrollBar::Part ScrollBar::PartAt(Point p) const {
  const Layout layout = GetLayout();
  if (layout.lowArrow.Contains(p.x, p.y)) return Part::LowArrow;
  if (layout.highArrow.Contains(p.x, p.y)) return Part::HighArrow;
  if (layout.thumb.IsEmpty() || !layout.track.Contains(p.x, p.y)) return Part::None;
  if (layout.thumb.Contains(p.x, p.y)) return Part::Thumb;
  const int thumbStart = IsVertical() ? layout.thumb.top : layout.thumb.left;
  return Along(p) < thumbStart ? Part::LowTrack : Part::HighTrack;
}

void ScrollBar::OnMouseDown(int button, int shift, Point p) {
  Control::OnMouseDown(button, shift, p);
  if (button != vbLeftButton || !CanScroll()) return;
  m_pointer = p;
  const Part part = PartAt(p);
  if (part == Part::Thumb) {
    const Layout layout = GetLayout();
    m_held = Part::Thumb;
    m_dragGrabOffset = Along(p) - (IsVertical() ? layout.thumb.top : layout.thumb.left);
    m_valueBeforeDrag = m_value;
    Invalidate();
  } else if (part != Part::None) {
    StartRepeating(part);
  }
}

void ScrollBar::OnMouseMove(int buttons, int shift, Point p) {
  Control::OnMouseMove(buttons, shift, p);
  m_pointer = p;
  if (m_held == Part::Thumb) DragThumbTo(p);
}

void ScrollBar::OnMouseUp(int button, int shift, Point p) {
  const Part released = m_held;
  if (button == vbLeftButton) StopRepeating();
  Control::OnMouseUp(button, shift, p);
  if (released == Part::Thumb && m_value != m_valueBeforeDrag) Change();
}

void ScrollBar::StartRepeating(Part part) {
  m_held = part;
  RepeatHeldPart();
  if (m_held == Part::None) return;
  GetDesktop().SetTimer(hWnd(), kRepeatTimer, kFirstRepeatMs, [this](HWND, std::uintptr_t) {
    GetDesktop().SetTimer(hWnd(), kRepeatTimer, kRepeatMs,
                          [this](HWND, std::uintptr_t) { RepeatHeldPart(); });
    RepeatHeldPart();
  });
  Invalidate();
}

// One step of the held part. A held track stops once the thumb has reached the pointer, and
// steps only while the pointer is over it, as the classic bar does.
void ScrollBar::RepeatHeldPart() {
  switch (m_held) {
    case Part::LowArrow:
      StepBy(-m_smallChange);
      break;
    case Part::HighArrow:
      StepBy(m_smallChange);
      break;
    case Part::LowTrack:
    case Part::HighTrack:
      if (PartAt(m_pointer) == m_held)
        StepBy(m_held == Part::LowTrack ? -m_largeChange : m_largeChange);
      break;
    default:
      break;
  }
}

void ScrollBar::StopRepeating() {
  GetDesktop().KillTimer(hWnd(), kRepeatTimer);
  if (m_held != Part::None) Invalidate();
  m_held = Part::None;
}

void ScrollBar::DragThumbTo(Point p) {
  const Layout layout = GetLayout();
  const int thumbLength = IsVertical() ? layout.thumb.Height() : layout.thumb.Width();
  const int trackStart = IsVertical() ? layout.track.top : layout.track.left;
  const int travel = (IsVertical() ? layout.track.Height() : layout.track.Width()) - thumbLength;
  if (travel <= 0) return;
  const int offset = std::clamp(Along(p) - m_dragGrabOffset - trackStart, 0, travel);
  const long long range = std::llabs(static_cast<long long>(m_max) - m_min);
  const long long steps = DivideRounded(static_cast<long long>(offset) * range, travel);
  if (SetClamped(static_cast<int>(m_min + steps * Direction()))) Scroll();
}

void ScrollBar::OnGotFocus() {
  Invalidate();
  Control::OnGotFocus();
}

void ScrollBar::OnLostFocus() {
  Invalidate();
  Control::OnLostFocus();
}

void ScrollBar::OnKeyDown(int& keyCode, int shift) {
  Control::OnKeyDown(keyCode, shift);
  switch (keyCode) {
    case vbKeyUp:
    case vbKeyLeft:
      StepBy(-m_smallChange);
      break;
    case vbKeyDown:
    case vbKeyRight:
      StepBy(m_smallChange);
      break;
    case vbKeyPageUp:
      StepBy(-m_largeChange);
      break;
    case vbKeyPageDown:
      StepBy(m_largeChange);
      break;
    case vbKeyHome:
      Value(m_min);
      break;
    case vbKeyEnd:
      Value(m_max);
      break;
    default:
      break;
  }
}

}  // namespace qorvexctl::platform
