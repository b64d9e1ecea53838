#pragma once
// All decoded frames of a GIF side by side in one 8-bit picture of colour-table indices: frame
// k occupies columns offset..offset+width-1 of rows 0..height-1. Which colour table applies
// is the frame's own business (GifFrame::colourTable), so the strip stores indices only.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

#include "qorvexctl/imaging/gif/GifTypes.h"

namespace qorvexctl::gif {

class GifFrameStrip {
 public:
  // The largest strip accepted, in bytes (one byte per pixel).
  static constexpr std::size_t kMaxStripBytes = std::size_t{1} << 28;

  // Gives every frame its horizontal offset and allocates the strip (index 0 everywhere):
  // the sum of the frame widths by the tallest frame. kStripTooLarge past kMaxStripBytes.
  // The strip comes zeroed from the allocator, so the space below frames shorter than the
  // tallest one costs no memory until something writes there.
  [[nodiscard]] Failure Layout(std::vector<GifFrame>& frames);

  // Copies a frame's decoded indices (width x height, rows in stored order) to its place,
  // putting the rows of an interlaced frame in display order.
  void Place(const GifFrame& frame, std::span<const std::uint8_t> indices);

  void Clear();

  std::int32_t Width() const { return m_width; }
  std::int32_t Height() const { return m_height; }
  const std::uint8_t* Row(std::int32_t y) const {
    return m_pixels.get() + static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width);
  }

 private:
  struct Free {
    void operator()(std::uint8_t* p) const { std::free(p); }
  };

  std::int32_t m_width = 0;
  std::int32_t m_height = 0;
  std::unique_ptr<std::uint8_t[], Free> m_pixels;
};

}  // namespace qorvexctl::gif
