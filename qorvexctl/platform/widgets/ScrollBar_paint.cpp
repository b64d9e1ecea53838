// ScrollBar painting: two arrow buttons, the dithered track and the raised thumb.

#include "qorvexctl/platform/drawing/Borders.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/widgets/ScrollBar.h"

namespace qorvexctl::platform {
namespace {

enum class ArrowDirection { Up, Down, Left, Right };

// A solid triangle of four rows (7, 5, 3 and 1 pixels) centred in `box`, pointing `direction`.
void DrawArrowGlyph(Canvas& canvas, const Rect& box, ArrowDirection direction, Colour colour) {
  const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
  for (int row = 0; row < 4; ++row) {
    const int half = 3 - row;  // the widest row is at the base of the triangle
    switch (direction) {
      case ArrowDirection::Up:
        canvas.FillRect({cx - half, cy + 1 - row, cx + half + 1, cy + 2 - row}, colour);
        break;
      case ArrowDirection::Down:
        canvas.FillRect({cx - half, cy - 2 + row, cx + half + 1, cy - 1 + row}, colour);
        break;
      case ArrowDirection::Left:
        canvas.FillRect({cx + 1 - row, cy - half, cx + 2 - row, cy + half + 1}, colour);
        break;
      case ArrowDirection::Right:
        canvas.FillRect({cx - 2 + row, cy - half, cx - 1 + row, cy + half + 1}, colour);
        break;
    }
  }
}

void DrawArrowButton(Canvas& canvas, const Rect& r, ArrowDirection direction, bool pressed,
                     bool enabled) {
  if (r.IsEmpty()) return;
  const Rect inside = DrawRaisedEdge(canvas, r, pressed);
  canvas.FillRect(inside, SystemColour(COLOR_BTNFACE));
  const Rect glyph = pressed ? r.Offset(1, 1) : r;
  if (enabled) {
    DrawArrowGlyph(canvas, glyph, direction, SystemColour(COLOR_BTNTEXT));
    return;
  }
  // Disabled: the glyph embossed, a highlight copy below and to the right of a shadow one.
  DrawArrowGlyph(canvas, glyph.Offset(1, 1), direction, SystemColour(COLOR_BTNHIGHLIGHT));
  DrawArrowGlyph(canvas, glyph, direction, SystemColour(COLOR_BTNSHADOW));
}

// The classic track: a checkerboard of button face and highlight; a held part of it is dark.
void DrawTrack(Canvas& canvas, const Rect& track, bool held) {
  if (held) {
    canvas.FillRect(track, SystemColour(COLOR_3DDKSHADOW));
    return;
  }
  canvas.FillRect(track, SystemColour(COLOR_BTNFACE));
  const Colour light = canvas.Resolve(SystemColour(COLOR_BTNHIGHLIGHT));
  for (int y = track.top; y < track.bottom; ++y) {
    for (int x = track.left + ((track.left + y) & 1); x < track.right; x += 2) {
      canvas.SetPixel(x, y, light);
    }
  }
}

}  // namespace

void ScrollBar::OnPaint(Canvas& canvas) {
  const Layout layout = GetLayout();
  const bool enabled = CanScroll();
  DrawArrowButton(canvas, layout.lowArrow, IsVertical() ? ArrowDirection::Up : ArrowDirection::Left,
                  m_held == Part::LowArrow, enabled);
  DrawArrowButton(canvas, layout.highArrow,
                  IsVertical() ? ArrowDirection::Down : ArrowDirection::Right,
                  m_held == Part::HighArrow, enabled);
  DrawTrack(canvas, layout.track, false);
  if (layout.thumb.IsEmpty()) return;
  if (m_held == Part::LowTrack || m_held == Part::HighTrack) {
    // Darken the held side, from the track's end to the thumb.
    const Rect& t = layout.track;
    const Rect& h = layout.thumb;
    const bool low = m_held == Part::LowTrack;
    const Rect side = IsVertical() ? (low ? Rect{t.left, t.top, t.right, h.top}
                                          : Rect{t.left, h.bottom, t.right, t.bottom})
                                   : (low ? Rect{t.left, t.top, h.left, t.bottom}
                                          : Rect{h.right, t.top, t.right, t.bottom});
    DrawTrack(canvas, side, true);
  }
  canvas.FillRect(DrawRaisedEdge(canvas, layout.thumb), SystemColour(COLOR_BTNFACE));
  if (HasFocus()) canvas.DrawFocusRect(layout.thumb.Inflate(-3, -3));
}

}  // namespace qorvexctl::platform
