// Tooltip looks: layout next to the anchor, balloon shape, frame, icon, title and text.

#include "qorvexctl/platform/widgets/TooltipPainter.h"

#include <algorithm>
#include <vector>

#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/Font.h"
#include "qorvexctl/platform/drawing/SystemColours.h"
#include "qorvexctl/platform/drawing/TextLayout.h"

namespace qorvexctl::platform {
namespace {

constexpr int kIconSize = 16;
constexpr int kIconGap = 6;
constexpr int kTitleGap = 4;        // between the title line and the text
constexpr int kMaxTextWidth = 400;  // longer lines wrap at spaces
constexpr int kStandardPadX = 4, kStandardPadY = 2;
constexpr int kBalloonPad = 9;
constexpr int kBalloonRadius = 8;
constexpr int kStemHeight = 14, kStemBase = 14, kStemInset = 12;
constexpr int kPointerHeight = 20;  // a standard tip clears the pointer's arrow

Font TipFont(bool bold) { return Font("Tahoma", 8.25, bold); }

unsigned TextFormat(const TooltipLook& look) {
  return DT_LEFT | DT_WORDBREAK | (look.noPrefix ? DT_NOPREFIX : 0u);
}

Size TextExtent(std::string_view text, unsigned format, const Font& font) {
  if (text.empty()) return {};
  const std::vector<TextLine> lines = LayOutText(text, format, kMaxTextWidth, font);
  int widest = 0;
  for (const TextLine& line : lines) widest = std::max(widest, line.width);
  return {widest, font.Height() * static_cast<int>(lines.size())};
}

// The title line (icon and bold title) and the text, stacked, from the content's top left.
struct Content {
  Size size;
  Rect iconBox, titleBox, textBox;
};

Content LayOutContent(const TooltipLook& look) {
  Content c;
  const bool hasIcon = look.icon != TTI_NONE;
  const Size title = TextExtent(look.title, DT_SINGLELINE | DT_NOPREFIX, TipFont(true));
  int headWidth = 0, headHeight = 0;
  if (hasIcon) {
    c.iconBox = Rect::FromSize(0, 0, kIconSize, kIconSize);
    headWidth = kIconSize + (title.width > 0 ? kIconGap : 0);
    headHeight = kIconSize;
  }
  if (title.width > 0) {
    headHeight = std::max(headHeight, title.height);
    c.titleBox =
        Rect::FromSize(headWidth, (headHeight - title.height) / 2, title.width, title.height);
    headWidth += title.width;
  }
  const int textTop = headHeight > 0 ? headHeight + kTitleGap : 0;
  const Size text = TextExtent(look.text, TextFormat(look), TipFont(false));
  c.textBox = Rect::FromSize(0, textTop, text.width, text.height);
  c.size = {std::max(headWidth, text.width), textTop + text.height};
  return c;
}

Rect ShiftInto(Rect r, Size screen) {
  const int dx = std::min(0, screen.width - r.right) + std::max(0, -std::min(r.left, 0));
  const int dy = std::min(0, screen.height - r.bottom) + std::max(0, -std::min(r.top, 0));
  return r.Offset(dx, dy);
}

void PlaceContent(TooltipLayout& layout, const Content& c, Point origin) {
  layout.iconBox = c.iconBox.IsEmpty() ? Rect{} : c.iconBox.Offset(origin.x, origin.y);
  layout.titleBox = c.titleBox.IsEmpty() ? Rect{} : c.titleBox.Offset(origin.x, origin.y);
  layout.textBox = c.textBox.Offset(origin.x, origin.y);
}

TooltipLayout LayOutStandard(const Content& c, Point anchor, bool centred, Size screen) {
  TooltipLayout layout;
  const Size size{c.size.width + 2 * kStandardPadX + 2, c.size.height + 2 * kStandardPadY + 2};
  const Point at = centred ? Point{anchor.x - size.width / 2, anchor.y}
                           : Point{anchor.x, anchor.y + kPointerHeight};
  layout.window = ShiftInto(Rect::FromSize(at.x, at.y, size.width, size.height), screen);
  layout.body = Rect::FromSize(0, 0, size.width, size.height);
  PlaceContent(layout, c, {kStandardPadX + 1, kStandardPadY + 1});
  return layout;
}

TooltipLayout LayOutBalloon(const Content& c, Point anchor, bool centred, Size screen) {
  TooltipLayout layout;
  const Size body{c.size.width + 2 * kBalloonPad, c.size.height + 2 * kBalloonPad};
  const int height = body.height + kStemHeight;
  const bool below = anchor.y + height <= screen.height;
  const int left = centred ? anchor.x - body.width / 2 : anchor.x - kStemInset - kStemBase / 2;
  // The stem stops one pixel short of the anchor, so the pointer is never on the tip.
  const int top = below ? anchor.y + 1 : anchor.y - height;
  layout.window = ShiftInto(Rect::FromSize(left, top, body.width, height), screen);
  const int bodyTop = below ? kStemHeight : 0;
  layout.body = Rect::FromSize(0, bodyTop, body.width, body.height);
  const int tipX = std::clamp(anchor.x - layout.window.left, 0, body.width - 1);
  const int baseX = std::clamp(tipX - kStemBase / 2, kBalloonRadius,
                               std::max(kBalloonRadius, body.width - kBalloonRadius - kStemBase));
  const int edgeY = below ? bodyTop + 1 : body.height - 1;
  const int tipY = below ? 0 : height - 1;
  layout.hasStem = true;
  layout.stem = {Point{baseX, edgeY}, Point{tipX, tipY}, Point{baseX + kStemBase, edgeY}};
  PlaceContent(layout, c, {kBalloonPad, bodyTop + kBalloonPad});
  return layout;
}

Region RoundedRect(const Rect& r, int radius) {
  const int d = 2 * radius;
  Region shape = Region::Combine(Region::FromRect(r.Inflate(-radius, 0)),
                                 Region::FromRect(r.Inflate(0, -radius)), CombineMode::Or);
  const Point corners[] = {
      {r.left, r.top}, {r.right - d, r.top}, {r.left, r.bottom - d}, {r.right - d, r.bottom - d}};
  for (const Point& p : corners) {
    shape = Region::Combine(shape, Region::FromEllipse(Rect::FromSize(p.x, p.y, d + 1, d + 1)),
                            CombineMode::Or);
  }
  return shape;
}

Colour TipText(const TooltipLook& look) {
  return look.textColour ? look.textColour : SystemColour(COLOR_INFOTEXT);
}
Colour TipBack(const TooltipLook& look) {
  return look.backColour ? look.backColour : SystemColour(COLOR_INFOBK);
}

}  // namespace

TooltipLayout LayOutTooltip(const TooltipLook& look, Point anchor, bool centred, Size screen) {
  const Content content = LayOutContent(look);
  return look.balloon ? LayOutBalloon(content, anchor, centred, screen)
                      : LayOutStandard(content, anchor, centred, screen);
}

Region TooltipShape(const TooltipLook& look, const TooltipLayout& layout) {
  if (!look.balloon) return Region::FromRect(layout.body);
  Region shape = RoundedRect(layout.body, kBalloonRadius);
  if (layout.hasStem) {
    shape = Region::Combine(shape, Region::FromPolygon(layout.stem, FillMode::Winding),
                            CombineMode::Or);
  }
  return shape;
}

void PaintTooltip(Canvas& canvas, const TooltipLook& look, const TooltipLayout& layout) {
  const Region shape = TooltipShape(look, layout);
  canvas.FillRegion(shape, TipBack(look));
  canvas.FillRegion(shape.Frame(1, 1), TipText(look));
  if (!layout.iconBox.IsEmpty()) PaintMessageIcon(canvas, layout.iconBox, look.icon, true);
  canvas.SetBackgroundMode(BackgroundMode::Transparent);
  canvas.SetTextColour(TipText(look));
  if (!layout.titleBox.IsEmpty()) {
    canvas.SelectFont(TipFont(true));
    Rect box = layout.titleBox;
    canvas.DrawText(look.title, box, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  }
  canvas.SelectFont(TipFont(false));
  Rect box = layout.textBox;
  canvas.DrawText(look.text, box, TextFormat(look) | DT_NOCLIP);
}

}  // namespace qorvexctl::platform
