#pragma once
// Colours as the controls store them: 32-bit values in BGR order (red in the low byte).
// A value with the high bit set is a system colour: &H80000000 plus an index into the
// platform's system colour table, resolved when drawing.

#include <cstdint>

namespace qorvexctl {

using Colour = std::uint32_t;

// The flag that marks a system colour.
inline constexpr Colour kSystemColourFlag = 0x80000000u;

// The colour value of red, green and blue components (each 0..255).
constexpr Colour RGB(int red, int green, int blue) {
  return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr bool IsSystemColour(Colour c) { return (c & kSystemColourFlag) != 0; }
constexpr int SystemColourIndex(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr Colour SystemColour(int index) {
  return kSystemColourFlag | static_cast<Colour>(index & 0xFF);
}

// Mixes two plain colours: weight 0 gives `a`, weight 255 gives `b`.
Colour BlendColours(Colour a, Colour b, int weight);

}  // namespace qorvexctl
