#include "qorvexctl/controls/button/ButtonGradient.h"

#include <algorithm>
#include <cmath>

#include "qorvexctl/platform/drawing/Canvas.h"

namespace qorvexctl {

namespace {

struct Channels {
  double red, green, blue;
};

Channels Split(Colour c) {
  return {static_cast<double>(c & 0xFF), static_cast<double>((c & 0xFF00) / 256),
          static_cast<double>((c & 0xFF0000) / 65536)};
}

Colour Compose(const Channels& c) {
  return static_cast<Colour>(std::floor(c.red)) + static_cast<Colour>(std::floor(c.green)) * 256 +
         static_cast<Colour>(std::floor(c.blue)) * 65536;
}

double StepClamped(double channel, double step) { return std::clamp(channel + step, 0.0, 255.0); }

bool IsVertical(GradientConstants mode) {
  return mode == efbxp_Top2Bottom || mode == efbxp_Bottom2Top;
}

bool IsReversed(GradientConstants mode) {
  return mode == efbxp_Right2Left || mode == efbxp_Bottom2Top;
}

}  // namespace

GradientBands MakeGradientBands(int screenSize, int buttonSize, Colour from, Colour to) {
  GradientBands bands;
  if (buttonSize <= 0) return bands;
  const bool coarse = screenSize / buttonSize < 4;
  bands.bandSize = coarse ? 2 : 1;
  const int count = coarse ? buttonSize / 2 : buttonSize;
  if (count <= 0) return bands;
  Channels channel = Split(from);
  const Channels end = Split(to);
  const double divisor = count > 1 ? count - 1 : 1;
  const Channels step{(end.red - channel.red) / divisor, (end.green - channel.green) / divisor,
                      (end.blue - channel.blue) / divisor};
  bands.colours.push_back(Compose(channel));
  for (int k = 1; k < count; ++k) {
    channel = {StepClamped(channel.red, step.red), StepClamped(channel.green, step.green),
               StepClamped(channel.blue, step.blue)};
    bands.colours.push_back(Compose(channel));
  }
  return bands;
}

void PaintGradient(platform::Canvas& canvas, const platform::Rect& face, GradientConstants mode,
                   platform::Size screen, Colour from, Colour to) {
  if (mode < efbxp_Left2Right || mode > efbxp_Bottom2Top) return;
  const bool vertical = IsVertical(mode);
  const int length = vertical ? face.Height() : face.Width();
  const GradientBands bands =
      MakeGradientBands(vertical ? screen.height : screen.width, length, from, to);
  const int count = static_cast<int>(bands.colours.size());
  for (int k = 0; k < count; ++k) {
    const Colour colour = bands.colours[IsReversed(mode) ? count - k - 1 : k];
    const int offset = k * bands.bandSize;
    const platform::Rect band =
        vertical ? platform::Rect{face.left, face.top + offset, face.right,
                                  face.top + offset + bands.bandSize}
                 : platform::Rect{face.left + offset, face.top, face.left + offset + bands.bandSize,
                                  face.bottom};
    canvas.FillRect(band, colour);
  }
}

}  // namespace qorvexctl
