#pragma once
// Twips (1/1440 inch), the unit of control positions and sizes, against pixels at 96 dots per
// inch: 15 twips per pixel.

namespace qorvexctl::platform {

inline constexpr int kTwipsPerPixel = 15;

// Twips to whole pixels, rounding to the nearest pixel (halves away from zero).
constexpr int TwipsToPixels(double twips) {
  const double px = twips / kTwipsPerPixel;
  return static_cast<int>(px < 0 ? px - 0.5 : px + 0.5);
}
constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace qorvexctl::platform
