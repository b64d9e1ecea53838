#pragma once
// Whole rows of 8-bit RGB and RGBA pixels to the 32-bit blue-green-red-alpha layout of the
// output bitmap, many pixels at a time (SSE2, and SSSE3 when the processor has it). The
// scalar versions give the reference result, pixel by pixel.

#include <cstdint>

namespace qorvexctl::png {

// RGBA to BGRA with each colour multiplied by alpha / 255, rounded down.
void RgbaToPremultipliedBgra(const std::uint8_t* rgba, std::int32_t count, std::uint8_t* bgra);
void RgbaToPremultipliedBgraScalar(const std::uint8_t* rgba, std::int32_t count,
                                   std::uint8_t* bgra);

// RGB to BGRA with alpha 255.
void RgbToBgra(const std::uint8_t* rgb, std::int32_t count, std::uint8_t* bgra);
void RgbToBgraScalar(const std::uint8_t* rgb, std::int32_t count, std::uint8_t* bgra);

}  // namespace qorvexctl::png
