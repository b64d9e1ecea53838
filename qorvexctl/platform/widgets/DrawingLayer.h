#pragma once
// The drawing surface of a picture box, a form or a user control, with the classic drawing
// members: Cls, Print with CurrentX/CurrentY, Line, PaintPicture, TextWidth/TextHeight, a
// ScaleMode, and a canvas for direct drawing (the hDC).
//
// With AutoRedraw the layer keeps what was drawn and repaints show it. Without, a repaint that
// the window asked for clears the layer and raises the owner's Paint event so it draws again;
// what is drawn between repaints shows until then.

#include <functional>
#include <memory>
#include <string_view>

#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/Picture.h"
#include "qorvexctl/platform/drawing/ScaleMode.h"
#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl::platform {

class Window;

// Draws a picture's pixels stretched onto `dest`: 32-bit pictures blended with their alpha,
// the others copied.
void DrawPictureStretched(Canvas& canvas, const Surface& pixels, const Rect& dest);

class DrawingLayer {
 public:
  // `owner` is the window the layer belongs to (its client area, font, colours).
  explicit DrawingLayer(Window& owner) : m_owner(owner) {}

  bool AutoRedraw() const { return m_autoRedraw; }
  void AutoRedraw(bool value) { m_autoRedraw = value; }
  int ScaleMode() const { return m_scaleMode; }
  void ScaleMode(int value) { m_scaleMode = value; }
  double ScaleWidth() const;
  double ScaleHeight() const;
  // Scale units to pixels and back.
  double ToPixelsX(double units) const { return units / UnitsPerPixel(m_scaleMode, false); }
  double ToPixelsY(double units) const { return units / UnitsPerPixel(m_scaleMode, true); }
  double FromPixelsX(double px) const { return px * UnitsPerPixel(m_scaleMode, false); }
  double FromPixelsY(double px) const { return px * UnitsPerPixel(m_scaleMode, true); }

  double CurrentX() const { return m_currentX; }
  void CurrentX(double value) { m_currentX = value; }
  double CurrentY() const { return m_currentY; }
  void CurrentY(double value) { m_currentY = value; }

  // Clears to the owner's BackColor and puts CurrentX/CurrentY at 0.
  void Cls();
  // Draws one line of text at CurrentX/CurrentY in the owner's font and ForeColor; CurrentX
  // goes back to 0 and CurrentY moves down one line.
  void Print(std::string_view text);
  double TextWidth(std::string_view text) const;
  double TextHeight(std::string_view text) const;
  // A line (or, with `box`, a rectangle, filled with `fill`) in scale units.
  void Line(double x1, double y1, double x2, double y2, Colour colour, bool box = false,
            bool fill = false);
  // Draws a picture at (x, y), stretched to width x height when they are positive.
  void PaintPicture(const Picture& picture, double x, double y, double width = -1,
                    double height = -1);
  // A canvas for direct drawing in client pixels; call the owner's Refresh to show the result.
  Canvas& hDC();
  // What was drawn (client size).
  const Surface& Image();

  // Owner's paint: the layer onto the owner's canvas at `clientOrigin`, after clearing and
  // calling `raisePaint` when the layer does not keep its drawing.
  void PaintOnto(Canvas& canvas, Point clientOrigin, const std::function<void()>& raisePaint);

 private:
  void Touched();
  void EnsureSize();

  Window& m_owner;
  Surface m_image;
  std::unique_ptr<Canvas> m_canvas;
  bool m_autoRedraw{false};
  bool m_touched{false};  // drawn on since the last repaint
  int m_scaleMode{vbTwips};
  double m_currentX{0};
  double m_currentY{0};
};

}  // namespace qorvexctl::platform
