#include "qorvexctl/imaging/gif/GifImage.h"

#include "qorvexctl/imaging/gif/GifLzw.h"
#include "qorvexctl/imaging/gif/GifParser.h"

namespace qorvexctl::gif {

bool GifImage::Load(std::span<const std::uint8_t> bytes) {
  Clear();
  GifParseResult parsed = ParseGif(bytes);
  if (parsed.error != Failure::None) return Fail(parsed.error);
  m_frames = std::move(parsed.frames);
  m_index = std::move(parsed.index);
  m_colourTables = std::move(parsed.colourTables);
  m_width = parsed.width;
  m_height = parsed.height;
  m_loops = parsed.loops;
  Failure error = CheckSizes(bytes);
  if (error == Failure::None) error = m_strip.Layout(m_frames);
  if (error == Failure::None) error = DecodeFrames(bytes);
  return error == Failure::None || Fail(error);
}

void GifImage::Clear() {
  m_frames.clear();
  m_index.clear();
  m_colourTables.clear();
  m_strip.Clear();
  m_width = m_height = m_loops = 0;
  m_error = Failure::None;
}

bool GifImage::Fail(Failure error) {
  Clear();
  m_error = error;
  return false;
}

// Refuses before anything large is allocated: an overall size past kMaxCanvasPixels, an empty
// frame, a code size the decoder does not take, or a frame larger than its LZW data could
// ever fill (which would fail while decoding anyway).
Failure GifImage::CheckSizes(std::span<const std::uint8_t> bytes) const {
  const auto canvas = static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height);
  if (canvas > kMaxCanvasPixels) return Failure::CanvasTooLarge;
  for (const GifFrame& frame : m_frames) {
    if (frame.width == 0 || frame.height == 0) return Failure::ZeroSizeFrame;
    const int codeSize = bytes[frame.lzwPosition];
    if (codeSize < 1 || codeSize > 8) return Failure::BadCodeSize;
    const auto pixels =
        static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height);
    if (pixels > MaxLzwOutput(codeSize, frame.lzwDataSize)) return Failure::LzwDataShort;
  }
  return Failure::None;
}

Failure GifImage::DecodeFrames(std::span<const std::uint8_t> bytes) {
  std::vector<std::uint8_t> data;
  std::vector<std::uint8_t> indices;
  for (const GifFrame& frame : m_frames) {
    if (!GatherSubBlocks(bytes, frame.lzwPosition + 1, data)) return Failure::LzwDataShort;
    indices.resize(static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height));
    const Failure error = DecodeGifLzw(bytes[frame.lzwPosition], data, indices);
    if (error != Failure::None) return error;
    m_strip.Place(frame, indices);
  }
  return Failure::None;
}

}  // namespace qorvexctl::gif
