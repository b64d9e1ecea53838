#include "qorvexctl/platform/widgets/Shape.h"

#include "qorvexctl/platform/drawing/Canvas.h"

namespace qorvexctl::platform {

Shape::Shape(Window& parent) : Control(parent.GetDesktop(), &parent) { TabStop(false); }

void Shape::ShapeKind(int value) {
  if (value < vbShapeRectangle || value > vbShapeRoundedSquare) return;
  m_shape = value;
  Invalidate();
}
void Shape::BorderColor(Colour value) {
  m_borderColor = value;
  Invalidate();
}
void Shape::BorderWidth(int value) {
  m_borderWidth = std::max(1, value);
  Invalidate();
}
void Shape::BorderStyle(int value) {
  m_borderStyle = value;
  Invalidate();
}
void Shape::FillColor(Colour value) {
  m_fillColor = value;
  Invalidate();
}
void Shape::FillStyle(int value) {
  m_fillStyle = value;
  Invalidate();
}
void Shape::BackStyle(int value) {
  m_backStyle = value;
  Invalidate();
}

// Squares and circles are centred in the control, as large as its shorter side.
Rect Shape::ShapeRect() const {
  const Rect r{0, 0, Bounds().Width(), Bounds().Height()};
  const bool square =
      m_shape == vbShapeSquare || m_shape == vbShapeCircle || m_shape == vbShapeRoundedSquare;
  if (!square) return r;
  const int side = std::min(r.Width(), r.Height());
  return Rect::FromSize((r.Width() - side) / 2, (r.Height() - side) / 2, side, side);
}

void Shape::OnPaint(Canvas& canvas) {
  const Rect r = ShapeRect();
  const bool round = m_shape == vbShapeOval || m_shape == vbShapeCircle;
  const bool fill = m_fillStyle == 0 || m_backStyle == 1;
  canvas.SelectBrush(fill ? Brush{m_fillStyle == 0 ? m_fillColor : BackColor(), BrushStyle::Solid}
                          : Brush{0, BrushStyle::Null});
  canvas.SelectPen(m_borderStyle == 0 ? Pen{0, 1, PenStyle::Null}
                                      : Pen{m_borderColor, m_borderWidth, PenStyle::Solid});
  if (round) {
    canvas.Ellipse(r);
  } else {
    canvas.Rectangle(r);
  }
}

}  // namespace qorvexctl::platform
