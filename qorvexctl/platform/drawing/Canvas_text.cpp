// Text output of Canvas: DrawText, TextOut and measuring.
#include <algorithm>
#include <limits>
#include <vector>

#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/PixelRows.h"

namespace qorvexctl::platform {

namespace {

constexpr Rect kUnclipped{std::numeric_limits<int>::min(), std::numeric_limits<int>::min(),
                          std::numeric_limits<int>::max(), std::numeric_limits<int>::max()};

int FirstLineTop(const Rect& rect, unsigned format, int textHeight) {
  if (!(format & DT_SINGLELINE)) return rect.top;
  if (format & DT_BOTTOM) return rect.bottom - textHeight;
  if (format & DT_VCENTER) return rect.top + (rect.Height() - textHeight) / 2;
  return rect.top;
}

int LineLeft(const Rect& rect, unsigned format, int lineWidth) {
  if (format & DT_CENTER) return rect.left + (rect.Width() - lineWidth) / 2;
  if (format & DT_RIGHT) return rect.right - lineWidth;
  return rect.left;
}

}  // namespace

void Canvas::DrawTextLine(const TextLine& line, int x, int y, const Rect& clipTo) {
  const Rect box = Rect{x, y, x + line.width, y + m_font.Height()}.Intersect(clipTo);
  if (m_backgroundMode == BackgroundMode::Opaque) FillSpans(box, m_backgroundColour);
  ForEachTabRun(line.text, m_font, line.tabWidth, [&](std::string_view run, int offset) {
    const GlyphMask mask = m_font.Rasterise(run);
    PaintCoverage(Rect::FromSize(x + offset - mask.originX, y, mask.width, mask.height),
                  mask.coverage.data(), clipTo, m_textColour);
  });
  if (line.underlineStart < 0) return;
  const std::string_view text(line.text);
  const int start = x + LineWidth(text.substr(0, static_cast<std::size_t>(line.underlineStart)),
                                  m_font, line.tabWidth);
  const int width = m_font.TextWidth(text.substr(static_cast<std::size_t>(line.underlineStart),
                                                static_cast<std::size_t>(line.underlineLength)));
  const int underlineY = y + m_font.Ascent() + 1;
  FillSpans(Rect{start, underlineY, start + width, underlineY + 1}.Intersect(clipTo), m_textColour);
}

int Canvas::DrawText(std::string_view text, Rect& boxRect, unsigned fullFormat) {
  boxRect = ClampRect(boxRect);
  const Rect& rect = boxRect;
  const std::vector<TextLine> lines = LayOutText(text, fullFormat, rect.Width(), m_font);
  const unsigned format = FormatFlags(fullFormat);
  const int lineHeight = m_font.Height();
  const int height = lineHeight * static_cast<int>(lines.size());
  if (format & DT_CALCRECT) {
    int widest = 0;
    for (const TextLine& line : lines) widest = std::max(widest, line.width);
    boxRect.right = ClampCoordinate(static_cast<long long>(rect.left) + widest);
    boxRect.bottom = ClampCoordinate(static_cast<long long>(rect.top) + height);
    return height;
  }
  const Rect clipTo = (format & DT_NOCLIP) ? kUnclipped : rect;
  int y = FirstLineTop(rect, format, height);
  for (const TextLine& line : lines) {
    DrawTextLine(line, LineLeft(rect, format, line.width), y, clipTo);
    y += lineHeight;
  }
  return height;
}

void Canvas::TextOut(int x, int y, std::string_view text) {
  TextLine line{std::string(text)};
  line.width = m_font.TextWidth(text);
  DrawTextLine(line, ClampCoordinate(x), ClampCoordinate(y), kUnclipped);
}

int Canvas::TextWidth(std::string_view text) const {
  int widest = 0;
  for (const TextLine& line : LayOutText(text, DT_NOPREFIX, 0, m_font))
    widest = std::max(widest, line.width);
  return widest;
}

int Canvas::TextHeight(std::string_view text) const {
  return m_font.Height() * static_cast<int>(LayOutText(text, DT_NOPREFIX, 0, m_font).size());
}

}  // namespace qorvexctl::platform
