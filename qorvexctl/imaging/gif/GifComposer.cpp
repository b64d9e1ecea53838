#include "qorvexctl/imaging/gif/GifComposer.h"

#include <algorithm>

namespace qorvexctl::gif {
namespace {

// Where row `y` of a frame starts on a canvas `canvasWidth` wide.
std::size_t CanvasOffset(const GifFrame& frame, std::int32_t y, std::int32_t canvasWidth) {
  return static_cast<std::size_t>(frame.top + y) * static_cast<std::size_t>(canvasWidth) +
         static_cast<std::size_t>(frame.left);
}

}  // namespace

GifComposer::GifComposer(const GifImage& image)
    : m_image(image), m_width(image.Width()), m_height(image.Height()) {}

void GifComposer::Show(int index) {
  const auto& frames = m_image.Frames();
  if (index < 0 || index >= static_cast<int>(frames.size())) return;
  if (index == 0 || m_current < 0) {
    ClearCanvas();
  } else {
    Dispose(frames[static_cast<std::size_t>(m_current)]);
  }
  const GifFrame& frame = frames[static_cast<std::size_t>(index)];
  if (frame.disposal == 3) SaveArea(frame);
  Draw(frame);
  m_current = index;
}

void GifComposer::ClearCanvas() {
  const auto pixels = static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height);
  m_canvas.assign(pixels, RGB(0, 0, 0));
  m_mask.assign(pixels, 1);
}

// Pixels equal to the transparent index leave canvas and mask as they are; every other pixel
// takes its colour from the frame's table (black past the table's entries) and turns opaque.
void GifComposer::Draw(const GifFrame& frame) {
  const GifColourTable& table = m_image.TableOf(frame);
  const GifFrameStrip& strip = m_image.Strip();
  const int transparent = frame.transparent ? frame.transparentIndex : -1;
  for (std::int32_t y = 0; y < frame.height; ++y) {
    const std::uint8_t* source = strip.Row(y) + frame.offset;
    const std::size_t at = CanvasOffset(frame, y, m_width);
    Colour* colour = m_canvas.data() + at;
    std::uint8_t* mask = m_mask.data() + at;
    for (std::int32_t x = 0; x < frame.width; ++x) {
      const std::uint8_t index = source[x];
      if (index == transparent) continue;
      colour[x] = table.entries[index];
      mask[x] = 0;
    }
  }
}

void GifComposer::Dispose(const GifFrame& frame) {
  if (frame.disposal == 2) FillBackground(frame);
  if (frame.disposal == 3) RestoreArea(frame);
}

// Disposal 2: the frame's rectangle becomes black and transparent.
void GifComposer::FillBackground(const GifFrame& frame) {
  for (std::int32_t y = 0; y < frame.height; ++y) {
    const std::size_t at = CanvasOffset(frame, y, m_width);
    std::fill_n(m_canvas.begin() + static_cast<std::ptrdiff_t>(at), frame.width, RGB(0, 0, 0));
    std::fill_n(m_mask.begin() + static_cast<std::ptrdiff_t>(at), frame.width, 1);
  }
}

// Disposal 3: what lay under the frame before it was drawn is kept and put back afterwards.
void GifComposer::SaveArea(const GifFrame& frame) {
  m_savedCanvas.clear();
  m_savedMask.clear();
  for (std::int32_t y = 0; y < frame.height; ++y) {
    const std::size_t at = CanvasOffset(frame, y, m_width);
    m_savedCanvas.insert(m_savedCanvas.end(), m_canvas.begin() + static_cast<std::ptrdiff_t>(at),
                        m_canvas.begin() + static_cast<std::ptrdiff_t>(at) + frame.width);
    m_savedMask.insert(m_savedMask.end(), m_mask.begin() + static_cast<std::ptrdiff_t>(at),
                      m_mask.begin() + static_cast<std::ptrdiff_t>(at) + frame.width);
  }
}

void GifComposer::RestoreArea(const GifFrame& frame) {
  const auto rowLength = static_cast<std::size_t>(frame.width);
  if (m_savedMask.size() != rowLength * static_cast<std::size_t>(frame.height)) return;
  for (std::int32_t y = 0; y < frame.height; ++y) {
    const std::size_t at = CanvasOffset(frame, y, m_width);
    const std::size_t saved = static_cast<std::size_t>(y) * rowLength;
    std::copy_n(m_savedCanvas.begin() + static_cast<std::ptrdiff_t>(saved), rowLength,
                m_canvas.begin() + static_cast<std::ptrdiff_t>(at));
    std::copy_n(m_savedMask.begin() + static_cast<std::ptrdiff_t>(saved), rowLength,
                m_mask.begin() + static_cast<std::ptrdiff_t>(at));
  }
}

std::vector<std::uint8_t> GifComposer::ToRgba() const {
  std::vector<std::uint8_t> rgba(m_canvas.size() * 4, 0);
  for (std::size_t i = 0; i < m_canvas.size(); ++i) {
    if (m_mask[i] != 0) continue;
    rgba[i * 4] = static_cast<std::uint8_t>(RedOf(m_canvas[i]));
    rgba[i * 4 + 1] = static_cast<std::uint8_t>(GreenOf(m_canvas[i]));
    rgba[i * 4 + 2] = static_cast<std::uint8_t>(BlueOf(m_canvas[i]));
    rgba[i * 4 + 3] = 255;
  }
  return rgba;
}

}  // namespace qorvexctl::gif
