#include "qorvexctl/imaging/gif/GifFrameStrip.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "qorvexctl/imaging/gif/GifInterlace.h"

namespace qorvexctl::gif {

Failure GifFrameStrip::Layout(std::vector<GifFrame>& frames) {
  Clear();
  std::size_t width = 0;
  std::size_t height = 0;
  for (GifFrame& frame : frames) {
    frame.offset = static_cast<std::int32_t>(std::min<std::size_t>(width, INT32_MAX));
    width += static_cast<std::size_t>(frame.width);
    height = std::max(height, static_cast<std::size_t>(frame.height));
    if (width > kMaxStripBytes) return Failure::StripTooLarge;
  }
  if (height != 0 && width > kMaxStripBytes / height) return Failure::StripTooLarge;
  m_pixels.reset(
      static_cast<std::uint8_t*>(std::calloc(std::max<std::size_t>(width * height, 1), 1)));
  if (!m_pixels) return Failure::StripTooLarge;
  m_width = static_cast<std::int32_t>(width);
  m_height = static_cast<std::int32_t>(height);
  return Failure::None;
}

void GifFrameStrip::Place(const GifFrame& frame, std::span<const std::uint8_t> indices) {
  const auto rowBytes = static_cast<std::size_t>(frame.width);
  std::vector<std::int32_t> displayRows;
  if (frame.interlaced) displayRows = InterlacedDisplayRows(frame.height);
  for (std::int32_t stored = 0; stored < frame.height; ++stored) {
    const std::int32_t y = frame.interlaced ? displayRows[stored] : stored;
    std::uint8_t* target = m_pixels.get() + static_cast<std::size_t>(y) * m_width + frame.offset;
    std::memcpy(target, indices.data() + static_cast<std::size_t>(stored) * rowBytes, rowBytes);
  }
}

void GifFrameStrip::Clear() {
  m_width = 0;
  m_height = 0;
  m_pixels.reset();
}

}  // namespace qorvexctl::gif
