#pragma once
// Reconstruction of one PNG scanline from its filter type (PNG 7.3 and 9): None, Sub, Up,
// Average and Paeth. All sums are modulo 256.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace qorvexctl::png {

// The predictor of PNG 9.4: the neighbour nearest to left + above - upperLeft, ties going to
// left, then above. pa = |above - upperLeft|, pb = |left - upperLeft| and
// pc = |left + above - 2 upperLeft| are its distances written out.
inline int PaethPredictor(int left, int above, int upperLeft) {
  const int pa = std::abs(above - upperLeft), pb = std::abs(left - upperLeft);
  const int pc = std::abs(left + above - 2 * upperLeft);
  if (pa <= pb && pa <= pc) return left;
  return pb <= pc ? above : upperLeft;
}

// Reconstructs `row` (rowBytes bytes, filter byte removed) in place. `previous` is the
// reconstructed row above, or nullptr for the first row of the image or pass; `stride` is
// the number of bytes per complete pixel (at least 1). False for an unknown filter type.
[[nodiscard]] bool UnfilterRow(std::uint8_t filterType, std::uint8_t* row,
                               const std::uint8_t* previous, std::size_t rowBytes,
                               std::size_t stride);

// The same a byte (or a pixel) at a time: the reference the vector versions are held to.
[[nodiscard]] bool UnfilterRowScalar(std::uint8_t filterType, std::uint8_t* row,
                                     const std::uint8_t* previous, std::size_t rowBytes,
                                     std::size_t stride);

}  // namespace qorvexctl::png
