#pragma once
// The arithmetic of the selection dialog, apart from any window: where the dialog opens next to
// its parent, the frames of its opening animation, and the grid its item buttons take.
// Positions and sizes on the form are twips; window rectangles are screen pixels.

#include <optional>
#include <vector>

#include "qorvexctl/controls/selection/GFXRecords.h"
#include "qorvexctl/platform/drawing/Geometry.h"

namespace qorvexctl {

// x taken to the nearest whole number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
int NearestEven(double x);

// A rectangle in twips, as Move takes it.
struct TwipsBox {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  friend bool operator==(const TwipsBox&, const TwipsBox&) = default;
};

// The dialog of `width` x `height` pixels centred on the top-left corner of `parent`.
platform::Rect CentredOnCorner(const platform::Rect& parent, int width, int height);

// Where a dialog of `width` x `height` pixels opens for `relation`: centred on the parent's
// top-left corner by default; under, above, left or right of the parent, touching it, for the
// other four.
platform::Rect PlacedNextTo(GFXPositioning relation, const platform::Rect& parent, int width,
                            int height);

// The opening animation from the parent's rectangle `from` to `to` (screen pixels) for a form of
// `formWidth` x `formHeight` twips: seven growing steps, then the final placement.
inline constexpr int kZoomSteps = 7;
std::vector<TwipsBox> ZoomFrames(const platform::Rect& from, const platform::Rect& to,
                                 int formWidth, int formHeight);

// What the button grid depends on (twips).
struct GridFrame {
  double scaleWidth = 0;
  double scaleHeight = 0;
  int handleHeight = 0;  // height of the OK button
  bool titleVisible = false;
  int titleHeight = 0;
  bool subtitleVisible = false;
  int subtitleHeight = 0;
  int buttonCount = 0;  // item buttons, the designed one included
};

// Gap between buttons and the left margin of the grid.
inline constexpr int kGridGap = 60;
// Smallest grid the buttons are laid out in, and the narrowest button.
inline constexpr int kGridMinWidth = 2500;
inline constexpr int kGridMinHeight = 375;
inline constexpr int kGridMinButtonWidth = 1250;

// The places of the item buttons in the grid, row by row, left to right. Rows are counted as
// the nearest whole number of buttons per column, so a grid may reach fewer buttons than it
// holds (the rest keep their places). Nothing when the form is too small for a grid.
std::optional<std::vector<TwipsBox>> ButtonGrid(const GridFrame& frame);

}  // namespace qorvexctl
