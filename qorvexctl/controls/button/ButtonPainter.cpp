// The steps every look shares: background, face, content, borders, focus, smooth edges.

#include "qorvexctl/controls/button/ButtonPainter.h"

#include "qorvexctl/controls/button/ButtonContent.h"
#include "qorvexctl/controls/button/ButtonGradient.h"
#include "qorvexctl/controls/button/ButtonShapes.h"
#include "qorvexctl/platform/drawing/Canvas.h"

namespace qorvexctl {

namespace {

using platform::CombineMode;
using platform::Region;

// The focus rectangle sits inside the borders (further in on round buttons).
platform::Rect FocusRect(const platform::Rect& rect, const ButtonState& state) {
  if (IsRoundShape(state.shape)) return rect.Inflate(-rect.Width() / 6, -rect.Height() / 5);
  return rect.Inflate(-4, -4);
}

bool IsFlatShape(ButtonStyleConstants shape) {
  return shape == efbxp_RoundFlat || shape == efbxp_CustomFlat;
}

}  // namespace

void ButtonPainter::Paint(platform::Surface& surface, const platform::Rect& rect,
                          const ButtonColours& colours, const ButtonState& state) const {
  platform::Canvas canvas(surface);
  canvas.FillRect(rect, colours.container);
  const Region shape = Region::Combine(state.region, Region::FromRect(rect), CombineMode::And);
  canvas.SetClipRegion(shape);
  const Colour face = FaceColour(colours, state);
  canvas.FillRect(rect, face);
  PaintGradient(canvas, rect, state.gradient, state.screen, face, colours.gradient);
  const platform::Point offset = ContentOffset(state);
  ButtonColours content = colours;
  content.caption = CaptionColour(colours, state);
  DrawButtonContent(canvas, rect.Offset(offset.x, offset.y), content, state);
  ButtonState clipped = state;
  clipped.region = shape;
  if (!IsFlatShape(state.shape)) PaintBorders(canvas, colours, clipped);
  if ((state.shape == efbxp_RoundFlat && FramesRoundFlat()) ||
      state.shape == efbxp_Custom3DBorder) {
    Outline(canvas, shape, colours.caption);
  }
  if (state.focused && state.showFocusRect && !IsCustomShape(state.shape)) {
    canvas.DrawFocusRect(FocusRect(rect, state));
  }
  canvas.SetClipRegion(std::nullopt);
  SmoothShapeEdges(surface, state.shape, shape, colours.container);
}

Colour ButtonPainter::FaceColour(const ButtonColours& colours, const ButtonState& state) const {
  return state.checked ? BlendColours(colours.face, RGB(255, 255, 255), 128) : colours.face;
}

Colour ButtonPainter::CaptionColour(const ButtonColours& colours, const ButtonState&) const {
  return colours.caption;
}

platform::Point ButtonPainter::ContentOffset(const ButtonState& state) const {
  if (IsCustomShape(state.shape) && state.pressed) return state.customOffset;
  return LooksDown(state) ? platform::Point{1, 1} : platform::Point{0, 0};
}

Region Shrink(const Region& region, int rings) {
  Region inner = region;
  for (int i = 0; i < rings; ++i) {
    Region up = inner, down = inner;
    up.Offset(1, 1);
    down.Offset(-1, -1);
    inner = Region::Combine(Region::Combine(inner, up, CombineMode::And), down, CombineMode::And);
  }
  return inner;
}

void Bevel(platform::Canvas& canvas, const Region& region, Colour light, Colour dark, int depth) {
  Region ring = region;
  for (int i = 0; i < depth; ++i) {
    Region up = ring, down = ring;
    up.Offset(1, 1);
    down.Offset(-1, -1);
    canvas.FillRegion(Region::Combine(ring, up, CombineMode::Diff), light);
    canvas.FillRegion(Region::Combine(ring, down, CombineMode::Diff), dark);
    ring = Shrink(ring, 1);
  }
}

void Outline(platform::Canvas& canvas, const Region& region, Colour colour, int width) {
  canvas.FillRegion(Region::Combine(region, Shrink(region, width), CombineMode::Diff), colour);
}

}  // namespace qorvexctl
