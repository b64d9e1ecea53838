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
    : image_(image), width_(image.Width()), height_(image.Height()) {}

void GifComposer::Show(int index) {
  const auto& frames = image_.Frames();
  if (index < 0 || index >= static_cast<int>(frames.size())) return;
  if (index == 0 || current_ < 0) {
    ClearCanvas();
  } else {
    Dispose(frames[static_cast<std::size_t>(current_)]);
  }
  const GifFrame& frame = frames[static_cast<std::size_t>(index)];
  if (frame.disposal == 3) SaveArea(frame);
  Draw(frame);
  current_ = index;
}

void GifComposer::ClearCanvas() {
  const auto pixels = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
  canvas_.assign(pixels, RGB(0, 0, 0));
  mask_.assign(pixels, 1);
}

// Pixels equal to the transparent index leave canvas and mask as they are; every other pixel
// takes its colour from the frame's table (black past the table's entries) and turns opaque.
void GifComposer::Draw(const GifFrame& frame) {
  const GifColourTable& table = image_.TableOf(frame);
  const GifFrameStrip& strip = image_.Strip();
  const int transparent = frame.transparent ? frame.transparentIndex : -1;
  for (std::int32_t y = 0; y < frame.height; ++y) {
    const std::uint8_t* source = strip.Row(y) + frame.offset;
    const std::size_t at = CanvasOffset(frame, y, width_);
    Colour* colour = canvas_.data() + at;
    std::uint8_t* mask = mask_.data() + at;
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
    const std::size_t at = CanvasOffset(frame, y, width_);
    std::fill_n(canvas_.begin() + static_cast<std::ptrdiff_t>(at), frame.width, RGB(0, 0, 0));
    std::fill_n(mask_.begin() + static_cast<std::ptrdiff_t>(at), frame.width, 1);
  }
}

// Disposal 3: what lay under the frame before it was drawn is kept and put back afterwards.
void GifComposer::SaveArea(const GifFrame& frame) {
  savedCanvas_.clear();
  savedMask_.clear();
  for (std::int32_t y = 0; y < frame.height; ++y) {
    const std::size_t at = CanvasOffset(frame, y, width_);
    savedCanvas_.insert(savedCanvas_.end(), canvas_.begin() + static_cast<std::ptrdiff_t>(at),
                        canvas_.begin() + static_cast<std::ptrdiff_t>(at) + frame.width);
    savedMask_.insert(savedMask_.end(), mask_.begin() + static_cast<std::ptrdiff_t>(at),
                      mask_.begin() + static_cast<std::ptrdiff_t>(at) + frame.width);
  }
}

void GifComposer::RestoreArea(const GifFrame& frame) {
  const auto rowLength = static_cast<std::size_t>(frame.width);
  if (savedMask_.size() != rowLength * static_cast<std::size_t>(frame.height)) return;
  for (std::int32_t y = 0; y < frame.height; ++y) {
    const std::size_t at = CanvasOffset(frame, y, width_);
    const std::size_t saved = static_cast<std::size_t>(y) * rowLength;
    std::copy_n(savedCanvas_.begin() + static_cast<std::ptrdiff_t>(saved), rowLength,
                canvas_.begin() + static_cast<std::ptrdiff_t>(at));
    std::copy_n(savedMask_.begin() + static_cast<std::ptrdiff_t>(saved), rowLength,
                mask_.begin() + static_cast<std::ptrdiff_t>(at));
  }
}

std::vector<std::uint8_t> GifComposer::ToRgba() const {
  std::vector<std::uint8_t> rgba(canvas_.size() * 4, 0);
  for (std::size_t i = 0; i < canvas_.size(); ++i) {
    if (mask_[i] != 0) continue;
    rgba[i * 4] = static_cast<std::uint8_t>(RedOf(canvas_[i]));
    rgba[i * 4 + 1] = static_cast<std::uint8_t>(GreenOf(canvas_[i]));
    rgba[i * 4 + 2] = static_cast<std::uint8_t>(BlueOf(canvas_[i]));
    rgba[i * 4 + 3] = 255;
  }
  return rgba;
}

}  // namespace qorvexctl::gif
