// The message icons of tips and information buttons, drawn pixel-crisp on a 16 x 16 grid:
// a blue disc with a white "i", a yellow triangle with a black "!", a red disc with a white
// cross. The disabled forms use greys of the same shapes.

#include <array>

#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/widgets/TooltipPainter.h"

namespace qorvexctl::platform {
namespace {

struct IconColours {
  Colour fill, edge, glyph;
};

IconColours ColoursOf(TooltipIcon icon, bool enabled) {
  if (!enabled) {
    return icon == TTI_WARNING
               ? IconColours{RGB(216, 216, 216), RGB(128, 128, 128), RGB(96, 96, 96)}
               : IconColours{RGB(168, 168, 168), RGB(128, 128, 128), RGB(240, 240, 240)};
  }
  switch (icon) {
    case TTI_WARNING:
      return {RGB(255, 204, 0), RGB(150, 100, 0), RGB(0, 0, 0)};
    case TTI_ERROR:
      return {RGB(212, 32, 32), RGB(128, 0, 0), RGB(255, 255, 255)};
    default:
      return {RGB(32, 96, 208), RGB(16, 48, 128), RGB(255, 255, 255)};
  }
}

void FillAt(Canvas& canvas, Point o, int left, int top, int right, int bottom, Colour c) {
  canvas.FillRect(Rect{o.x + left, o.y + top, o.x + right, o.y + bottom}, c);
}

void PaintDisc(Canvas& canvas, Point o, const IconColours& c) {
  canvas.SelectPen(Pen{c.edge});
  canvas.SelectBrush(Brush{c.fill});
  canvas.Ellipse(Rect::FromSize(o.x, o.y, 16, 16));
}

void PaintInformation(Canvas& canvas, Point o, const IconColours& c) {
  PaintDisc(canvas, o, c);
  FillAt(canvas, o, 7, 3, 9, 5, c.glyph);     // dot
  FillAt(canvas, o, 6, 6, 9, 7, c.glyph);     // serif
  FillAt(canvas, o, 7, 7, 9, 12, c.glyph);    // stem
  FillAt(canvas, o, 6, 12, 10, 13, c.glyph);  // foot
}

void PaintWarning(Canvas& canvas, Point o, const IconColours& c) {
  const std::array<Point, 3> triangle = {Point{o.x + 7, o.y}, Point{o.x + 15, o.y + 15},
                                         Point{o.x, o.y + 15}};
  canvas.SelectPen(Pen{c.edge});
  canvas.SelectBrush(Brush{c.fill});
  canvas.Polygon(triangle);
  FillAt(canvas, o, 7, 5, 9, 10, c.glyph);   // bar
  FillAt(canvas, o, 7, 11, 9, 13, c.glyph);  // dot
}

void PaintError(Canvas& canvas, Point o, const IconColours& c) {
  PaintDisc(canvas, o, c);
  for (int i = 0; i < 7; ++i) {
    FillAt(canvas, o, 4 + i, 4 + i, 6 + i, 6 + i, c.glyph);
    FillAt(canvas, o, 10 - i, 4 + i, 12 - i, 6 + i, c.glyph);
  }
}

}  // namespace

void PaintMessageIcon(Canvas& canvas, const Rect& box, TooltipIcon icon, bool enabled) {
  const Point o{box.left + (box.Width() - 16) / 2, box.top + (box.Height() - 16) / 2};
  const IconColours colours = ColoursOf(icon, enabled);
  switch (icon) {
    case TTI_INFO:
      PaintInformation(canvas, o, colours);
      break;
    case TTI_WARNING:
      PaintWarning(canvas, o, colours);
      break;
    case TTI_ERROR:
      PaintError(canvas, o, colours);
      break;
    case TTI_NONE:
      break;
  }
}

}  // namespace qorvexctl::platform
