#pragma once
// The looks of the multi-style button. The button decides its state; a painter takes a surface,
// the button's rectangle on it, plain colours and a plain state struct, and decides pixels.
// Every look fills the face (plain or gradient), draws its borders for the state, the picture
// and the caption, and the focus rectangle:
//
//   const ButtonPainter& painter = PainterFor(efbxp_XP);
//   painter.Paint(surface, surface.Bounds(), colours, state);
//
// Borders follow the shape: each look draws its edges along the shape's region (light on the
// top and left, dark on the bottom and right), so round, diagonal and custom buttons get the
// same look as rectangular ones.

#include <string>

#include "qorvexctl/base/Colour.h"
#include "qorvexctl/controls/button/ButtonTypes.h"
#include "qorvexctl/platform/drawing/Font.h"
#include "qorvexctl/platform/drawing/Geometry.h"
#include "qorvexctl/platform/drawing/Region.h"

namespace qorvexctl {

namespace platform {
class Canvas;
class Picture;
class Surface;
}  // namespace platform

// Plain colours (system colours already resolved).
struct ButtonColours {
  Colour face = 0xC0C0C0;       // BackColor, or HoverBackColor while hot
  Colour gradient = 0xC0C0C0;   // GradientColor
  Colour caption = 0;           // ForeColor, or HoverForeColor while hot
  Colour container = 0xC0C0C0;  // the container's back colour, round the shape
};

struct ButtonState {
  ButtonModeConstants mode = efbxp_CommandButton;
  bool pressed = false;  // held down by the mouse or the space bar
  bool hot = false;      // the pointer is over it
  bool checked = false;  // a check or option button that is on
  bool disabled = false;
  bool focused = false;
  bool showFocusRect = true;
  bool isDefault = false;  // the form's default button
  ButtonStyleConstants shape = efbxp_Rectangular;
  platform::Region region;             // the shape, in surface pixels
  platform::Point customOffset{0, 0};  // a pressed custom shape's move
  GradientConstants gradient = efbxp_NoGradient;
  platform::Size screen{1024, 768};  // screen pixels, for the gradient's bands
  std::string caption;               // "||" breaks lines, "&" marks the access key
  int captionAlign = 2;              // 0 left, 1 right, 2 centre
  CaptionEffectConstants captionStyle = efbxp_Default;
  platform::Font font;
  const platform::Picture* picture = nullptr;  // none when null or empty
  int pictureSize = 16;                        // 16, 24, 32 pixels, or 40 / 48 to fill
  ImagePlacementConstants pictureAlign = efbxp_LeftEdge;
};

class ButtonPainter {
 public:
  virtual ~ButtonPainter() = default;
  // Paints the whole button on `surface` inside `rect`.
  void Paint(platform::Surface& surface, const platform::Rect& rect, const ButtonColours& colours,
             const ButtonState& state) const;

 protected:
  // The face colour for the state: the first (colours.face) or, for a check or option button
  // that is on, the look's second.
  virtual Colour FaceColour(const ButtonColours& colours, const ButtonState& state) const;
  // The caption's colour for the state.
  virtual Colour CaptionColour(const ButtonColours& colours, const ButtonState& state) const;
  // Whether a flat round button gets its one-pixel frame in this look.
  virtual bool FramesRoundFlat() const { return true; }
  // The look's borders for the state, on a canvas clipped to the shape.
  virtual void PaintBorders(platform::Canvas& canvas, const ButtonColours& colours,
                            const ButtonState& state) const = 0;
  // How far picture and caption move while the button is down.
  virtual platform::Point ContentOffset(const ButtonState& state) const;
  // Whether the button shows as down (pressed, or a check or option button that is on).
  static bool LooksDown(const ButtonState& state) { return state.pressed || state.checked; }
};

// The painter of a look; efbxp_XP for values outside the eight.
const ButtonPainter& PainterFor(BackStyleConstants look);

// --- Pieces the looks are made of.

// Light edges on the top and left of `region`, dark edges on the bottom and right, `depth`
// rings deep, each ring inside the last.
void Bevel(platform::Canvas& canvas, const platform::Region& region, Colour light, Colour dark,
           int depth = 1);
// `region` with `rings` one-pixel rings taken off.
platform::Region Shrink(const platform::Region& region, int rings);
// The outer ring of `region`, `width` pixels wide, in one colour.
void Outline(platform::Canvas& canvas, const platform::Region& region, Colour colour,
             int width = 1);

}  // namespace qorvexctl
