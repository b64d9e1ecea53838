#include "qorvexctl/base/Colour.h"

namespace qorvexctl {

namespace {
int Mix(int a, int b, int weight) { return (a * (255 - weight) + b * weight + 127) / 255; }
}  // namespace

Colour BlendColours(Colour a, Colour b, int weight) {
  if (weight <= 0) return a;
  if (weight >= 255) return b;
  return RGB(Mix(RedOf(a), RedOf(b), weight), Mix(GreenOf(a), GreenOf(b), weight),
             Mix(BlueOf(a), BlueOf(b), weight));
}

}  // namespace qorvexctl
