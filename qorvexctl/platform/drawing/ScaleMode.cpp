#include "qorvexctl/platform/drawing/ScaleMode.h"

#include "qorvexctl/platform/drawing/Twips.h"

namespace qorvexctl::platform {

double UnitsPerPixel(int scaleMode, bool vertical) {
  constexpr double kTwips = kTwipsPerPixel;
  switch (scaleMode) {
    case vbPoints:
      return kTwips / 20.0;
    case vbPixels:
      return 1.0;
    case vbCharacters:
      return kTwips / (vertical ? 240.0 : 120.0);
    case vbInches:
      return kTwips / 1440.0;
    case vbMillimeters:
      return kTwips * 25.4 / 1440.0;
    case vbCentimeters:
      return kTwips * 2.54 / 1440.0;
    default:
      return kTwips;
  }
}

double ConvertScale(double value, int fromMode, int toMode, bool vertical) {
  return value / UnitsPerPixel(fromMode, vertical) * UnitsPerPixel(toMode, vertical);
}

}  // namespace qorvexctl::platform
