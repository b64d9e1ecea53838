#include "qorvexctl/imaging/gif/GifImage.h"

#include "qorvexctl/imaging/gif/GifLzw.h"
#include "qorvexctl/imaging/gif/GifParser.h"

namespace qorvexctl {

bool GifImage::Load(std::span<const std::uint8_t> bytes) {
  Clear();
  GifParseResult parsed = ParseGif(bytes);
  if (parsed.error != GifError::kNone) return Fail(parsed.error);
  frames_ = std::move(parsed.frames);
  index_ = std::move(parsed.index);
  colourTables_ = std::move(parsed.colourTables);
  width_ = parsed.width;
  height_ = parsed.height;
  loops_ = parsed.loops;
  GifError error = CheckSizes(bytes);
  if (error == GifError::kNone) error = strip_.Layout(frames_);
  if (error == GifError::kNone) error = DecodeFrames(bytes);
  return error == GifError::kNone || Fail(error);
}

void GifImage::Clear() {
  frames_.clear();
  index_.clear();
  colourTables_.clear();
  strip_.Clear();
  width_ = height_ = loops_ = 0;
  error_ = GifError::kNone;
}

bool GifImage::Fail(GifError error) {
  Clear();
  error_ = error;
  return false;
}

// Refuses before anything large is allocated: an overall size past kMaxCanvasPixels, an empty
// frame, a code size the decoder does not take, or a frame larger than its LZW data could
// ever fill (which would fail while decoding anyway).
GifError GifImage::CheckSizes(std::span<const std::uint8_t> bytes) const {
  const auto canvas = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
  if (canvas > kMaxCanvasPixels) return GifError::kCanvasTooLarge;
  for (const GifFrame& frame : frames_) {
    if (frame.width == 0 || frame.height == 0) return GifError::kZeroSizeFrame;
    const int codeSize = bytes[frame.lzwPosition];
    if (codeSize < 1 || codeSize > 8) return GifError::kBadCodeSize;
    const auto pixels =
        static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height);
    if (pixels > MaxLzwOutput(codeSize, frame.lzwDataSize)) return GifError::kLzwDataShort;
  }
  return GifError::kNone;
}

GifError GifImage::DecodeFrames(std::span<const std::uint8_t> bytes) {
  std::vector<std::uint8_t> data;
  std::vector<std::uint8_t> indices;
  for (const GifFrame& frame : frames_) {
    if (!GatherSubBlocks(bytes, frame.lzwPosition + 1, data)) return GifError::kLzwDataShort;
    indices.resize(static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height));
    const GifError error = DecodeGifLzw(bytes[frame.lzwPosition], data, indices);
    if (error != GifError::kNone) return error;
    strip_.Place(frame, indices);
  }
  return GifError::kNone;
}

}  // namespace qorvexctl
