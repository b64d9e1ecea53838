#include "qorvexctl/platform/widgets/DrawingLayer.h"

#include <cmath>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Window.h"

namespace qorvexctl::platform {
namespace {

int Round(double v) { return static_cast<int>(std::lround(v)); }

}  // namespace

void DrawPictureStretched(Canvas& canvas, const Surface& pixels, const Rect& dest) {
  if (pixels.BitsPerPixel() == 32) {
    canvas.AlphaBlend(dest.left, dest.top, dest.Width(), dest.Height(), pixels, 0, 0,
                      pixels.Width(), pixels.Height(), BlendFunction{});
  } else {
    canvas.StretchBlt(dest.left, dest.top, dest.Width(), dest.Height(), pixels, 0, 0,
                      pixels.Width(), pixels.Height(), SRCCOPY);
  }
}

double DrawingLayer::ScaleWidth() const { return FromPixelsX(m_owner.ClientRect().Width()); }
double DrawingLayer::ScaleHeight() const { return FromPixelsY(m_owner.ClientRect().Height()); }

void DrawingLayer::EnsureSize() {
  const Rect client = m_owner.ClientRect();
  const int w = std::max(1, client.Width()), h = std::max(1, client.Height());
  if (m_image.Width() == w && m_image.Height() == h && m_canvas) return;
  Surface resized(w, h, 32);
  Canvas fresh(resized, &m_owner.GetDesktop().Colours());
  fresh.FillRect(resized.Bounds(), m_owner.BackColor());
  if (!m_image.IsEmpty()) fresh.BitBlt(0, 0, w, h, m_image, 0, 0, SRCCOPY);
  m_image = std::move(resized);
  m_canvas = std::make_unique<Canvas>(m_image, &m_owner.GetDesktop().Colours());
}

Canvas& DrawingLayer::hDC() {
  EnsureSize();
  Touched();
  m_canvas->SelectFont(m_owner.Font());
  m_canvas->SetTextColour(m_owner.ForeColor());
  m_canvas->SetBackgroundMode(BackgroundMode::Transparent);
  return *m_canvas;
}

const Surface& DrawingLayer::Image() {
  EnsureSize();
  return m_image;
}

void DrawingLayer::Touched() {
  m_touched = true;
  m_owner.Invalidate();
}

void DrawingLayer::Cls() {
  Canvas& c = hDC();
  c.SetClipRegion(std::nullopt);
  c.FillRect(m_image.Bounds(), m_owner.BackColor());
  m_currentX = m_currentY = 0;
}

void DrawingLayer::Print(std::string_view text) {
  Canvas& c = hDC();
  c.TextOut(Round(ToPixelsX(m_currentX)), Round(ToPixelsY(m_currentY)), text);
  m_currentX = 0;
  m_currentY += TextHeight(text);
}

double DrawingLayer::TextWidth(std::string_view text) const {
  return FromPixelsX(m_owner.Font().TextWidth(text));
}

double DrawingLayer::TextHeight(std::string_view /*text*/) const {
  return FromPixelsY(m_owner.Font().Height());
}

void DrawingLayer::Line(double x1, double y1, double x2, double y2, Colour colour, bool box,
                        bool fill) {
  Canvas& c = hDC();
  const int px1 = Round(ToPixelsX(x1)), py1 = Round(ToPixelsY(y1));
  const int px2 = Round(ToPixelsX(x2)), py2 = Round(ToPixelsY(y2));
  if (box) {
    const Rect r{std::min(px1, px2), std::min(py1, py2), std::max(px1, px2) + 1,
                 std::max(py1, py2) + 1};
    fill ? c.FillRect(r, colour) : c.FrameRect(r, colour);
  } else {
    c.SelectPen(Pen{colour, 1});
    c.MoveTo(px1, py1);
    c.LineTo(px2, py2);
    c.SetPixel(px2, py2, colour);  // the classic Line includes its last point
  }
  m_currentX = x2;
  m_currentY = y2;
}

void DrawingLayer::PaintPicture(const Picture& image, double x, double y, double width,
                                double height) {
  if (image.IsEmpty()) return;
  const Surface& picture = image.Pixels();
  Canvas& c = hDC();
  const int w = width > 0 ? Round(ToPixelsX(width)) : picture.Width();
  const int h = height > 0 ? Round(ToPixelsY(height)) : picture.Height();
  DrawPictureStretched(c, picture, Rect::FromSize(Round(ToPixelsX(x)), Round(ToPixelsY(y)), w, h));
}

void DrawingLayer::PaintOnto(Canvas& canvas, Point clientOrigin,
                             const std::function<void()>& raisePaint) {
  EnsureSize();
  if (!m_autoRedraw && !m_touched) {
    m_canvas->SetClipRegion(std::nullopt);
    m_canvas->FillRect(m_image.Bounds(), m_owner.BackColor());
    if (raisePaint) raisePaint();
  }
  m_touched = false;
  canvas.BitBlt(clientOrigin.x, clientOrigin.y, m_image.Width(), m_image.Height(), m_image, 0, 0,
                SRCCOPY);
}

}  // namespace qorvexctl::platform
