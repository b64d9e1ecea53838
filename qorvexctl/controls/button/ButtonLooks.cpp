// The eight looks: their borders for each state, their face colours and how far the content
// moves when the button is down.

#include "qorvexctl/controls/button/ButtonPainter.h"
#include "qorvexctl/platform/drawing/Canvas.h"

namespace qorvexctl {

namespace {

using platform::Canvas;
using platform::Point;

constexpr Colour kWhite = RGB(255, 255, 255);
constexpr Colour kGrey = RGB(128, 128, 128);
constexpr Colour kClassicChecked = RGB(233, 233, 233);
constexpr Colour kXPHotTint = 0xFFDFBF;
constexpr Colour kJavaPressed = 0xCC9999;
constexpr Colour kNetscapeLight = 0xDFDFDF;

// Windows 95: a two-ring raised bevel, sunken when down, a dark frame round the default
// button; a check or option button that is on shows the light checked face.
class W95Painter final : public ButtonPainter {
  Colour FaceColour(const ButtonColours& colours, const ButtonState& state) const override {
    const bool twoState = state.mode != efbxp_CommandButton;
    return twoState && LooksDown(state) ? kClassicChecked : colours.face;
  }
  void PaintBorders(Canvas& canvas, const ButtonColours& colours,
                    const ButtonState& state) const override {
    platform::Region region = state.region;
    if (state.isDefault || (state.focused && state.mode == efbxp_CommandButton)) {
      Outline(canvas, region, colours.caption);
      region = Shrink(region, 1);
    }
    if (LooksDown(state)) {
      Bevel(canvas, region, colours.caption, kWhite);
      Bevel(canvas, Shrink(region, 1), kGrey, colours.face);
    } else {
      Bevel(canvas, region, kWhite, colours.caption);
      Bevel(canvas, Shrink(region, 1), colours.face, kGrey);
    }
  }
};

// Windows 3.1: a dark frame (two pixels for the default button) round a deep bevel; down, a
// grey shadow on the top and left and the content two pixels in.
class W31Painter final : public ButtonPainter {
  void PaintBorders(Canvas& canvas, const ButtonColours& colours,
                    const ButtonState& state) const override {
    const int frame = state.isDefault ? 2 : 1;
    Outline(canvas, state.region, colours.caption, frame);
    const platform::Region inner = Shrink(state.region, frame);
    if (LooksDown(state)) {
      Bevel(canvas, inner, kGrey, colours.face);
    } else {
      Bevel(canvas, inner, kWhite, kGrey, 2);
    }
  }
  Point ContentOffset(const ButtonState& state) const override {
    if (IsCustomShape(state.shape) && state.pressed) return state.customOffset;
    return LooksDown(state) ? Point{2, 2} : Point{0, 0};
  }
};

// XP: rounded corners and a dark frame mixed from the face and caption colours; a warm tint
// inside the frame while the pointer is over it; a darker face when pressed.
class XPPainter final : public ButtonPainter {
  Colour FaceColour(const ButtonColours& colours, const ButtonState& state) const override {
    if (state.pressed) return BlendColours(colours.face, colours.caption, 40);
    if (state.checked) return BlendColours(colours.face, kXPHotTint, 128);
    return colours.face;
  }
  void PaintBorders(Canvas& canvas, const ButtonColours& colours,
                    const ButtonState& state) const override {
    Outline(canvas, state.region, BlendColours(colours.face, colours.caption, 150));
    const platform::Region inner = Shrink(state.region, 1);
    if (state.hot && !state.pressed) {
      Outline(canvas, inner, kXPHotTint, 2);
    } else if (state.isDefault || state.focused) {
      Outline(canvas, inner, BlendColours(colours.face, colours.caption, 60));
    }
  }
};

// Java (Metal): an etched grey and white frame, a blue-grey face when down, no movement.
class JavaPainter final : public ButtonPainter {
  Colour FaceColour(const ButtonColours& colours, const ButtonState& state) const override {
    return LooksDown(state) ? kJavaPressed : colours.face;
  }
  void PaintBorders(Canvas& canvas, const ButtonColours& /*colours*/,
                    const ButtonState& state) const override {
    Outline(canvas, state.region, kGrey, state.isDefault ? 2 : 1);
    Bevel(canvas, Shrink(state.region, state.isDefault ? 2 : 1), kWhite, kJavaPressed);
  }
  Point ContentOffset(const ButtonState& state) const override {
    if (IsCustomShape(state.shape) && state.pressed) return state.customOffset;
    return {0, 0};
  }
};

// Flat: no border until the pointer comes over it (raised) or it is down (sunken).
class FlatPainter : public ButtonPainter {
  void PaintBorders(Canvas& canvas, const ButtonColours& colours,
                    const ButtonState& state) const override {
    if (LooksDown(state)) {
      Bevel(canvas, state.region, kGrey, kWhite);
    } else if (state.hot) {
      Bevel(canvas, state.region, kWhite, kGrey);
    } else if (state.isDefault) {
      Outline(canvas, state.region, colours.caption);
    }
  }
};

// Hover: like flat, and the face shows the container's colour until the pointer comes over.
class HoverPainter final : public FlatPainter {
  Colour FaceColour(const ButtonColours& colours, const ButtonState& state) const override {
    if (!state.hot && !LooksDown(state)) return colours.container;
    return ButtonPainter::FaceColour(colours, state);
  }
  bool FramesRoundFlat() const override { return false; }
};

// Netscape: a two-ring bevel of light grey and grey, inverted when down.
class NetscapePainter final : public ButtonPainter {
  void PaintBorders(Canvas& canvas, const ButtonColours& colours,
                    const ButtonState& state) const override {
    platform::Region region = state.region;
    if (state.isDefault) {
      Outline(canvas, region, colours.caption);
      region = Shrink(region, 1);
    }
    if (LooksDown(state)) {
      Bevel(canvas, region, kGrey, kNetscapeLight, 2);
    } else {
      Bevel(canvas, region, kNetscapeLight, kGrey, 2);
    }
  }
};

// Macintosh: a rounded one-pixel frame (two for the default button); down, the face takes the
// caption's colour and the caption the face's.
class MacintoshPainter final : public ButtonPainter {
  Colour FaceColour(const ButtonColours& colours, const ButtonState& state) const override {
    return LooksDown(state) ? colours.caption : colours.face;
  }
  Colour CaptionColour(const ButtonColours& colours, const ButtonState& state) const override {
    return LooksDown(state) ? colours.face : colours.caption;
  }
  void PaintBorders(Canvas& canvas, const ButtonColours& colours,
                    const ButtonState& state) const override {
    Outline(canvas, state.region, colours.caption, state.isDefault ? 2 : 1);
    const platform::Rect box = state.region.Bounds();
    if (state.shape != efbxp_Rectangular || box.Width() < 6 || box.Height() < 6) return;
    // The inner corner pixels round the frame off.
    for (const Point p :
         {Point{box.left + 1, box.top + 1}, Point{box.right - 2, box.top + 1},
          Point{box.left + 1, box.bottom - 2}, Point{box.right - 2, box.bottom - 2}}) {
      canvas.SetPixel(p.x, p.y, colours.caption);
    }
  }
  Point ContentOffset(const ButtonState& state) const override {
    if (IsCustomShape(state.shape) && state.pressed) return state.customOffset;
    return {0, 0};
  }
};

}  // namespace

const ButtonPainter& PainterFor(BackStyleConstants look) {
  static const W95Painter w95;
  static const W31Painter w31;
  static const XPPainter xp;
  static const JavaPainter java;
  static const FlatPainter flat;
  static const HoverPainter hover;
  static const NetscapePainter netscape;
  static const MacintoshPainter macintosh;
  static const ButtonPainter* const looks[] = {&w95,  &w31,   &xp,       &java,
                                               &flat, &hover, &netscape, &macintosh};
  return look >= efbxp_w95 && look <= efbxp_Macintosh ? *looks[look] : xp;
}

}  // namespace qorvexctl
