#include "DrawingShowcase.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "qorvexctl/imaging/PngPicture.h"
#include "qorvexctl/platform/codecs/IcoDecoder.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/Screenshot.h"

// data/images/demo/coin.ico, compiled in by qorvexctl_embed_resource.
extern const unsigned char qorvexctl_demo_coin_ico[];
extern const std::size_t qorvexctl_demo_coin_ico_size;

namespace qorvexctl::demo {

using platform::Brush;
using platform::BrushStyle;
using platform::Canvas;
using platform::Pen;
using platform::PenStyle;
using platform::Point;
using platform::Rect;

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 236;
constexpr Colour kFace = RGB(236, 233, 216);
constexpr Colour kInk = RGB(20, 40, 90);
constexpr Colour kGold = RGB(240, 190, 40);
constexpr Colour kTeal = RGB(40, 150, 140);

void Caption(Canvas& canvas, int x, int y, const char* text) {
  Rect box{x, y, x + 240, y + 16};
  canvas.DrawText(text, box, platform::DT_SINGLELINE | platform::DT_NOPREFIX);
}

// An ellipse, a pie and a thick diagonal in one mode, at column x.
void ShapesColumn(Canvas& canvas, int x, bool smooth, const char* title) {
  canvas.SetSmoothing(smooth);
  Caption(canvas, x, 6, title);
  canvas.SelectPen(Pen{kInk, 2});
  canvas.SelectBrush(Brush{kGold});
  canvas.Ellipse({x, 26, x + 60, 66});
  canvas.SelectBrush(Brush{kTeal});
  canvas.Pie({x + 66, 26, x + 106, 66}, {x + 106, 46}, {x + 86, 26});
  canvas.SelectPen(Pen{kInk, 3});
  const std::array<Point, 3> zigzag = {{{x, 96}, {x + 50, 74}, {x + 106, 100}}};
  canvas.Polyline(zigzag);
  canvas.SetSmoothing(false);
}

void CurvesRow(Canvas& canvas) {
  canvas.SetSmoothing(true);
  Caption(canvas, 252, 6, "RoundRect, Arc, Chord");
  canvas.SelectPen(Pen{kInk, 1});
  canvas.SelectBrush(Brush{RGB(255, 255, 255)});
  canvas.RoundRect({252, 26, 322, 66}, 18, 14);
  canvas.SelectPen(Pen{RGB(200, 40, 40), 3});
  canvas.Arc({330, 26, 370, 66}, {370, 46}, {330, 46});
  canvas.SelectPen(Pen{kInk, 1});
  canvas.SelectBrush(Brush{kGold});
  canvas.Chord({374, 26, 414, 66}, {414, 36}, {374, 56});
  canvas.SetSmoothing(false);
}

void StyledOutlines(Canvas& canvas) {
  Caption(canvas, 8, 112, "Dash, Dot, DashDot, InsideFrame");
  const std::array<PenStyle, 3> styles = {PenStyle::Dash, PenStyle::Dot, PenStyle::DashDot};
  canvas.SelectBrush(Brush{0, BrushStyle::Null});
  for (std::size_t i = 0; i < styles.size(); ++i) {
    const int left = 8 + static_cast<int>(i) * 62;
    canvas.SelectPen(Pen{kInk, 1, styles[i]});
    canvas.Rectangle({left, 132, left + 54, 172});
    canvas.Ellipse({left + 8, 180, left + 46, 226});
  }
  canvas.SelectPen(Pen{kTeal, 6, PenStyle::InsideFrame});
  canvas.SelectBrush(Brush{RGB(255, 255, 255)});
  canvas.RoundRect({194, 132, 248, 226}, 16, 16);
}

void TabsAndIcons(Canvas& canvas) {
  Caption(canvas, 262, 112, "DT_EXPANDTABS");
  Rect table{262, 132, 414, 180};
  canvas.DrawText("Bruto\t23.456,78 €\nIRS\t4.120,00 €", table,
                  platform::DT_EXPANDTABS | platform::DT_NOPREFIX);
  Caption(canvas, 262, 184, "coin.ico 16 / 32");
  const std::span<const std::uint8_t> bytes(qorvexctl_demo_coin_ico, qorvexctl_demo_coin_ico_size);
  for (int size : {16, 32}) {
    platform::Picture icon;
    if (!platform::DecodeIco(bytes, icon, size, DecodePngPicture)) continue;
    const int left = size == 16 ? 380 : 340;
    canvas.AlphaBlend(left, 200, icon.Width(), icon.Height(), icon.Pixels(), 0, 0, icon.Width(),
                      icon.Height(), {255, true});
  }
}

}  // namespace

platform::Surface PaintDrawingShowcase() {
  platform::Surface surface(kWidth, kHeight, 32);
  Canvas canvas(surface);
  canvas.FillRect(surface.Bounds(), kFace);
  canvas.SetBackgroundMode(platform::BackgroundMode::Transparent);
  canvas.SelectFont(platform::Font("Tahoma", 8));
  ShapesColumn(canvas, 8, false, "Clássico (nítido)");
  ShapesColumn(canvas, 130, true, "Suave");
  CurvesRow(canvas);
  StyledOutlines(canvas);
  TabsAndIcons(canvas);
  return surface;
}

bool WriteDrawingShowcase(const std::filesystem::path& file) {
  return platform::WritePng(PaintDrawingShowcase(), file);
}

}  // namespace qorvexctl::demo
