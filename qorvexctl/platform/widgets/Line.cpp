#include "qorvexctl/platform/widgets/Line.h"

#include "qorvexctl/platform/drawing/Canvas.h"

namespace qorvexctl::platform {

Line::Line(Window& parent) : Control(parent.GetDesktop(), &parent) { TabStop(false); }

void Line::SetPoints(double x1, double y1, double x2, double y2) {
  m_x1 = x1;
  m_y1 = y1;
  m_x2 = x2;
  m_y2 = y2;
  Place();
}

void Line::BorderColor(Colour value) {
  m_borderColor = value;
  Invalidate();
}

void Line::BorderWidth(int value) {
  m_borderWidth = std::max(1, value);
  Place();
}

// The window covers the line's bounding box, widened by the pen.
void Line::Place() {
  const int x1 = TwipsToPixels(m_x1), y1 = TwipsToPixels(m_y1);
  const int x2 = TwipsToPixels(m_x2), y2 = TwipsToPixels(m_y2);
  const int pad = m_borderWidth;
  SetBounds({std::min(x1, x2) - pad, std::min(y1, y2) - pad, std::max(x1, x2) + pad + 1,
             std::max(y1, y2) + pad + 1});
  Invalidate();
}

void Line::OnPaint(Canvas& canvas) {
  const Point origin{Bounds().left, Bounds().top};
  canvas.SelectPen(Pen{m_borderColor, m_borderWidth});
  canvas.MoveTo(TwipsToPixels(m_x1) - origin.x, TwipsToPixels(m_y1) - origin.y);
  const int x2 = TwipsToPixels(m_x2) - origin.x, y2 = TwipsToPixels(m_y2) - origin.y;
  canvas.LineTo(x2, y2);
  canvas.SetPixel(x2, y2, m_borderColor);
}

}  // namespace qorvexctl::platform
