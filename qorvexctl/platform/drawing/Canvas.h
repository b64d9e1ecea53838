#pragma once
// A device-context-like drawing state over a surface: pen, brush, font, text and background
// colours, a current position and a clip region. Shapes are drawn the classic way, crisp and
// without antialiasing: right and bottom edges of rectangles and ellipses are exclusive and a
// line leaves out its last point. A control may ask for smooth drawing instead: lines and
// shapes are then antialiased (blended on 24- and 32-bit surfaces, thresholded at half
// coverage on indexed ones). Colours may be system colours; they are resolved through the
// canvas's system colour table when drawing. On 32-bit surfaces everything a canvas draws
// is opaque, except antialiased edges and AlphaBlend.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "qorvexctl/base/Colour.h"
#include "qorvexctl/platform/drawing/AlphaBlend.h"
#include "qorvexctl/platform/drawing/Blit.h"
#include "qorvexctl/platform/drawing/Font.h"
#include "qorvexctl/platform/drawing/Geometry.h"
#include "qorvexctl/platform/drawing/Region.h"
#include "qorvexctl/platform/drawing/ShapeGeometry.h"
#include "qorvexctl/platform/drawing/Surface.h"
#include "qorvexctl/platform/drawing/SystemColours.h"
#include "qorvexctl/platform/drawing/TextLayout.h"

namespace qorvexctl::platform {

// Pens wider than one pixel draw every dashed style solid. A solid pen wider than one pixel
// straddles the edge of a closed shape; an inside-frame pen keeps within its bounds.
enum class PenStyle {
  Solid = 0,
  Dash = 1,
  Dot = 2,
  DashDot = 3,
  DashDotDot = 4,
  Null = 5,
  InsideFrame = 6
};
struct Pen {
  Colour colour = 0;
  int width = 1;
  PenStyle style = PenStyle::Solid;
};

enum class BrushStyle { Solid, Null };
struct Brush {
  Colour colour = 0xFFFFFF;
  BrushStyle style = BrushStyle::Solid;
};

enum class BackgroundMode { Transparent = 1, Opaque = 2 };
enum class GradientDirection { Horizontal, Vertical };
// The way Arc, Pie and Chord go from the start radial to the end radial, on the screen.
enum class ArcDirection { CounterClockwise = 1, Clockwise = 2 };

// The value GetPixel gives outside the surface or the clip region.
inline constexpr Colour kInvalidColour = 0xFFFFFFFFu;

class Canvas {
 public:
  // Draws on `target`, which must outlive the canvas. System colours resolve through
  // `colours` (the classic table when null), which must outlive the canvas as well.
  explicit Canvas(Surface& target, const SystemColours* colours = nullptr);

  Surface& Target() const { return *m_target; }

  // Drawing state.
  const Pen& CurrentPen() const { return m_pen; }
  void SelectPen(const Pen& pen) { m_pen = pen; }
  const Brush& CurrentBrush() const { return m_brush; }
  void SelectBrush(const Brush& brush) { m_brush = brush; }
  const Font& CurrentFont() const { return m_font; }
  void SelectFont(const Font& font) { m_font = font; }
  Colour TextColour() const { return m_textColour; }
  void SetTextColour(Colour c) { m_textColour = c; }
  Colour BackgroundColour() const { return m_backgroundColour; }
  void SetBackgroundColour(Colour c) { m_backgroundColour = c; }
  BackgroundMode Background() const { return m_backgroundMode; }
  void SetBackgroundMode(BackgroundMode mode) { m_backgroundMode = mode; }
  // Drawing is limited to the region (in surface pixels); nothing means the whole surface.
  void SetClipRegion(std::optional<Region> region) { m_clip = std::move(region); }
  const Region* ClipRegion() const { return m_clip ? &*m_clip : nullptr; }
  // Smooth (antialiased) lines and shapes instead of the crisp classic ones.
  bool Smoothing() const { return m_smoothing; }
  void SetSmoothing(bool on) { m_smoothing = on; }
  ArcDirection GetArcDirection() const { return m_arcDirection; }
  void SetArcDirection(ArcDirection d) { m_arcDirection = d; }
  // A plain colour for a colour value.
  Colour Resolve(Colour c) const;

  // Fills and frames.
  void FillRect(const Rect& r, Colour c);
  void FillRect(const Rect& r);  // with the brush
  void FrameRect(const Rect& r, Colour c);
  void FillRegion(const Region& region, Colour c);
  void FrameRegion(const Region& region, Colour c, int width, int height);
  void InvertRect(const Rect& r);
  void DrawFocusRect(const Rect& r);
  // Colour ramp from `from` (left or top) to `to` (right or bottom).
  void GradientFill(const Rect& r, Colour from, Colour to, GradientDirection direction);

  // Shapes: outlined with the pen, filled with the brush.
  void Rectangle(const Rect& r);
  void Ellipse(const Rect& r);
  // A rectangle whose corners are rounded by quarters of an ellipseWidth x ellipseHeight ellipse.
  void RoundRect(const Rect& r, int ellipseWidth, int ellipseHeight);
  // Parts of the ellipse inscribed in `r`, from the radial through `start` to the radial
  // through `end` in the arc direction: the curve alone with the pen, a pie wedge (the curve
  // and both radials) or a chord (the curve closed by a straight line).
  void Arc(const Rect& r, Point start, Point end);
  void Pie(const Rect& r, Point start, Point end);
  void Chord(const Rect& r, Point start, Point end);
  void Polygon(std::span<const Point> points, FillMode mode = FillMode::Alternate);
  void MoveTo(int x, int y) { m_position = {x, y}; }
  Point CurrentPosition() const { return m_position; }
  void LineTo(int x, int y);
  void Polyline(std::span<const Point> points);
  void SetPixel(int x, int y, Colour c);
  Colour GetPixel(int x, int y) const;

  // Text with the font, text colour and background mode. DrawText lays the text out in `rect`
  // by the DT_ flags and returns the height of the text; with DT_CALCRECT it only measures,
  // setting rect.right and rect.bottom to the extent of the text.
  int DrawText(std::string_view text, Rect& rect, unsigned format);
  // One line with its top-left corner at (x, y).
  void TextOut(int x, int y, std::string_view text);
  // Width of the widest line and height of all lines ("\n" or "\r\n" separated).
  int TextWidth(std::string_view text) const;
  int TextHeight(std::string_view text) const;

  // Blits from another canvas (its surface and background colour) or a bare surface (white
  // background), see Blit.h and AlphaBlend.h.
  bool BitBlt(int x, int y, int width, int height, const Canvas& source, int srcX, int srcY,
              std::uint32_t rop);
  bool BitBlt(int x, int y, int width, int height, const Surface& source, int srcX, int srcY,
              std::uint32_t rop);
  bool StretchBlt(int x, int y, int width, int height, const Canvas& source, int srcX, int srcY,
                  int srcWidth, int srcHeight, std::uint32_t rop);
  bool StretchBlt(int x, int y, int width, int height, const Surface& source, int srcX, int srcY,
                  int srcWidth, int srcHeight, std::uint32_t rop);
  bool PatBlt(int x, int y, int width, int height, std::uint32_t rop);
  bool AlphaBlend(int x, int y, int width, int height, const Surface& source, int srcX, int srcY,
                  int srcWidth, int srcHeight, BlendFunction blend);

 private:
  BlitTarget Target(Colour brushColour) const;
  void FillSpans(const Rect& area, Colour c);
  // Paints `colour` with the coverage bytes of `mask` (a mask.Width() stride) over the part of
  // `visible` inside the surface and the clip region.
  void PaintCoverage(const Rect& mask, const std::uint8_t* coverage, const Rect& visible,
                     Colour colour);
  ShapeSpec Curve(ShapeKind kind, const Rect& r, Point start, Point end) const;
  PenStyle EffectivePenStyle() const;
  int PenWidth() const;
  void DrawShape(ShapeSpec shape);
  void DrawSmoothShape(const ShapeSpec& shape, PenStyle style);
  void DrawOutline(const Region& outline, PointF centre, PenStyle style);
  void FillPath(const ShapePath& path, FillMode mode, Colour colour);
  void StrokePath(const ShapePath& path, PenStyle style);
  void DrawLine(Point from, Point to);
  void DrawSmoothLines(std::span<const Point> points, bool closed,
                       FillMode mode = FillMode::Alternate);
  void Plot(int x, int y, std::uint32_t value);
  void DrawTextLine(const TextLine& line, int x, int y, const Rect& clipTo);

  Surface* m_target;
  const SystemColours* m_colours;
  Pen m_pen;
  Brush m_brush;
  Font m_font;
  Colour m_textColour = 0;
  Colour m_backgroundColour = 0xFFFFFF;
  BackgroundMode m_backgroundMode = BackgroundMode::Opaque;
  std::optional<Region> m_clip;
  Point m_position;
  int m_penStep = 0;  // position in the dash pattern of styled pens
  bool m_smoothing = false;
  ArcDirection m_arcDirection = ArcDirection::CounterClockwise;
};

}  // namespace qorvexctl::platform
