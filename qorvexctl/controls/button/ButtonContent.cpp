#include "qorvexctl/controls/button/ButtonContent.h"

#include <algorithm>
#include <string>
#include <vector>

#include "qorvexctl/controls/button/ButtonText.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/Picture.h"
#include "qorvexctl/platform/widgets/DrawingLayer.h"

namespace qorvexctl {

namespace {

using platform::Rect;

constexpr int kMargin = 4;
constexpr Colour kWhite = RGB(255, 255, 255);
constexpr Colour kGrey = RGB(128, 128, 128);

struct Layout {
  Rect picture;  // empty without a picture
  Rect caption;
  int captionAlign = 2;
};

unsigned AlignFlags(int captionAlign) {
  switch (captionAlign) {
    case 0:
      return platform::DT_LEFT;
    case 1:
      return platform::DT_RIGHT;
    default:
      return platform::DT_CENTER;
  }
}

int CaptionWidth(const ButtonState& state) {
  int widest = 0;
  for (const std::string& line : CaptionLines(state.caption)) {
    widest = std::max(widest, state.font.TextWidth(CaptionWithoutAmpersands(line)));
  }
  return widest;
}

// The picture beside the caption: the two as one group, placed by the caption's alignment.
Layout BesideCaption(const Rect& area, const ButtonState& state, int size) {
  const int captionWidth = std::min(CaptionWidth(state), area.Width() - size - kMargin);
  const int group = size + kMargin + captionWidth;
  int start = area.left + (area.Width() - group) / 2;
  if (state.captionAlign == 0) start = area.left;
  if (state.captionAlign == 1) start = area.right - group;
  const int top = area.top + (area.Height() - size) / 2;
  Layout layout;
  layout.captionAlign = 0;
  if (state.pictureAlign == efbxp_LeftOfCaption) {
    layout.picture = Rect::FromSize(start, top, size, size);
    layout.caption = {start + size + kMargin, area.top, start + group, area.bottom};
  } else {
    layout.caption = {start, area.top, start + captionWidth, area.bottom};
    layout.picture = Rect::FromSize(start + captionWidth + kMargin, top, size, size);
  }
  return layout;
}

Layout PictureLayout(const Rect& area, const ButtonState& state) {
  const int size = state.pictureSize;
  const int middleX = area.left + (area.Width() - size) / 2;
  const int middleY = area.top + (area.Height() - size) / 2;
  Layout layout;
  layout.captionAlign = state.captionAlign;
  switch (state.pictureAlign) {
    case efbxp_LeftOfCaption:
    case efbxp_RightOfCaption:
      return BesideCaption(area, state, size);
    case efbxp_RightEdge:
      layout.picture = Rect::FromSize(area.right - size, middleY, size, size);
      layout.caption = {area.left, area.top, area.right - size - kMargin, area.bottom};
      break;
    case efbxp_TopCenter:
      layout.picture = Rect::FromSize(middleX, area.top, size, size);
      layout.caption = {area.left, area.top + size, area.right, area.bottom};
      break;
    case efbxp_BottomCenter:
      layout.picture = Rect::FromSize(middleX, area.bottom - size, size, size);
      layout.caption = {area.left, area.top, area.right, area.bottom - size};
      break;
    default:
      layout.picture = Rect::FromSize(area.left, middleY, size, size);
      layout.caption = {area.left + size + kMargin, area.top, area.right, area.bottom};
      break;
  }
  return layout;
}

Layout LayOut(const Rect& rect, const ButtonState& state) {
  const Rect area = rect.Inflate(-kMargin, -kMargin);
  const bool hasPicture = state.picture && !state.picture->IsEmpty();
  if (!hasPicture) return Layout{{}, area, state.captionAlign};
  if (state.pictureSize >= 40) {
    const platform::Size size{state.picture->Width(), state.picture->Height()};
    return Layout{FillPictureRect(rect, state.pictureSize, size), area, state.captionAlign};
  }
  return PictureLayout(area, state);
}

void DrawLines(platform::Canvas& canvas, const std::vector<std::string>& lines, const Rect& box,
               unsigned align, Colour colour, platform::Point shift) {
  const int lineHeight = canvas.CurrentFont().Height();
  const int total = lineHeight * static_cast<int>(lines.size());
  int y = box.top + (box.Height() - total) / 2 + shift.y;
  canvas.SetTextColour(colour);
  for (const std::string& line : lines) {
    Rect lineBox{box.left + shift.x, y, box.right + shift.x, y + lineHeight};
    canvas.DrawText(line, lineBox, align | platform::DT_SINGLELINE | platform::DT_VCENTER);
    y += lineHeight;
  }
}

void DrawCaption(platform::Canvas& canvas, const Layout& layout, const ButtonColours& colours,
                 const ButtonState& state) {
  if (state.caption.empty()) return;
  canvas.SelectFont(state.font);
  canvas.SetBackgroundMode(platform::BackgroundMode::Transparent);
  const std::vector<std::string> lines = CaptionLines(state.caption);
  const unsigned align = AlignFlags(layout.captionAlign);
  if (state.disabled) {
    DrawLines(canvas, lines, layout.caption, align, kWhite, {1, 1});
    DrawLines(canvas, lines, layout.caption, align, kGrey, {0, 0});
    return;
  }
  if (state.captionStyle == efbxp_Sunken) {
    DrawLines(canvas, lines, layout.caption, align, kWhite, {1, 1});
  } else if (state.captionStyle == efbxp_Raised) {
    DrawLines(canvas, lines, layout.caption, align, kWhite, {-1, -1});
    DrawLines(canvas, lines, layout.caption, align, kGrey, {1, 1});
  }
  DrawLines(canvas, lines, layout.caption, align, colours.caption, {0, 0});
}

}  // namespace

Rect FillPictureRect(const Rect& rect, int pictureSize, platform::Size picture) {
  if (pictureSize != 48 || picture.width <= 0 || picture.height <= 0) return rect;
  const double scale = std::min(static_cast<double>(rect.Width()) / picture.width,
                                static_cast<double>(rect.Height()) / picture.height);
  const int width = static_cast<int>(picture.width * scale);
  const int height = static_cast<int>(picture.height * scale);
  return Rect::FromSize(rect.left + (rect.Width() - width) / 2,
                        rect.top + (rect.Height() - height) / 2, width, height);
}

void DrawButtonContent(platform::Canvas& canvas, const Rect& rect, const ButtonColours& colours,
                       const ButtonState& state) {
  const Layout layout = LayOut(rect, state);
  if (!layout.picture.IsEmpty()) {
    platform::DrawPictureStretched(canvas, state.picture->Pixels(), layout.picture);
  }
  DrawCaption(canvas, layout, colours, state);
}

}  // namespace qorvexctl
