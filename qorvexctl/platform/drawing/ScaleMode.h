#pragma once
// Scale modes of forms, picture boxes and user controls, and conversion between them.

namespace qorvexctl::platform {

enum ScaleModeConstants : int {
  vbUser = 0,
  vbTwips = 1,
  vbPoints = 2,
  vbPixels = 3,
  vbCharacters = 4,
  vbInches = 5,
  vbMillimeters = 6,
  vbCentimeters = 7,
};

// How many units of a scale mode make one pixel (a character cell is 120 x 240 twips).
// vbUser and unknown modes count as twips.
double UnitsPerPixel(int scaleMode, bool vertical);
// Converts a length between scale modes (ScaleX / ScaleY).
double ConvertScale(double value, int fromMode, int toMode, bool vertical);

}  // namespace qorvexctl::platform
