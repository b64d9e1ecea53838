#include "qorvexctl/platform/drawing/Borders.h"

#include "qorvexctl/platform/drawing/Canvas.h"

namespace qorvexctl::platform {
namespace {

// Top and left lines in `topLeft`, bottom and right lines in `bottomRight`, one pixel wide.
void Bevel(Canvas& canvas, const Rect& r, Colour topLeft, Colour bottomRight) {
  canvas.FillRect({r.left, r.top, r.right - 1, r.top + 1}, topLeft);
  canvas.FillRect({r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
  canvas.FillRect({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  canvas.FillRect({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

}  // namespace

Rect DrawSunkenEdge(Canvas& canvas, const Rect& r) {
  Bevel(canvas, r, SystemColour(COLOR_BTNSHADOW), SystemColour(COLOR_BTNHIGHLIGHT));
  Bevel(canvas, r.Inflate(-1, -1), SystemColour(COLOR_3DDKSHADOW), SystemColour(COLOR_3DLIGHT));
  return r.Inflate(-2, -2);
}

Rect DrawRaisedEdge(Canvas& canvas, const Rect& r, bool pressed) {
  if (pressed) {
    canvas.FrameRect(r, SystemColour(COLOR_3DDKSHADOW));
    canvas.FrameRect(r.Inflate(-1, -1), SystemColour(COLOR_BTNSHADOW));
    return r.Inflate(-2, -2);
  }
  Bevel(canvas, r, SystemColour(COLOR_BTNHIGHLIGHT), SystemColour(COLOR_3DDKSHADOW));
  Bevel(canvas, r.Inflate(-1, -1), SystemColour(COLOR_3DLIGHT), SystemColour(COLOR_BTNSHADOW));
  return r.Inflate(-2, -2);
}

Rect DrawThinSunkenEdge(Canvas& canvas, const Rect& r) {
  Bevel(canvas, r, SystemColour(COLOR_BTNSHADOW), SystemColour(COLOR_BTNHIGHLIGHT));
  return r.Inflate(-1, -1);
}

Rect DrawFlatBorder(Canvas& canvas, const Rect& r) {
  canvas.FrameRect(r, SystemColour(COLOR_WINDOWFRAME));
  return r.Inflate(-1, -1);
}

void DrawEtchedRect(Canvas& canvas, const Rect& r) {
  canvas.FrameRect({r.left + 1, r.top + 1, r.right, r.bottom}, SystemColour(COLOR_BTNHIGHLIGHT));
  canvas.FrameRect({r.left, r.top, r.right - 1, r.bottom - 1}, SystemColour(COLOR_BTNSHADOW));
}

}  // namespace qorvexctl::platform
