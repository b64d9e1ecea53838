#pragma once
// SSE2 reconstruction of the scanline filters that dominate decoding time: Up for any pixel
// size, Sub and Paeth for 3, 4, 6 and 8 bytes per pixel, Average for 3 and 4. Each gives the
// bytes of the scalar reconstruction (UnfilterRowScalar) exactly.

#include <cstddef>
#include <cstdint>

namespace qorvexctl::png {

// Reconstructs `row` in place when a vector version covers the filter type and pixel size
// (arguments as for UnfilterRow); false, with `row` untouched, when none does.
bool UnfilterRowVector(std::uint8_t filterType, std::uint8_t* row, const std::uint8_t* previous,
                       std::size_t rowBytes, std::size_t stride);

}  // namespace qorvexctl::png
