#pragma once
// A GIF file decoded once into frame records, colour tables and one frame strip of 8-bit
// indices. This is what an animation needs: GifComposer turns it into pictures frame by frame.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "qorvexctl/imaging/gif/GifFrameStrip.h"
#include "qorvexctl/imaging/gif/GifTypes.h"

namespace qorvexctl::gif {

class GifImage {
 public:
  // The largest overall size accepted, in pixels (4096 x 4096): the canvas takes 5 bytes per
  // pixel, and a few bytes of file can place a frame that far.
  static constexpr std::size_t kMaxCanvasPixels = std::size_t{1} << 24;

  // Parses and decodes every frame of `bytes`. False, with nothing kept and Error() telling
  // why, when the file has no usable frame or any frame cannot be decoded.
  [[nodiscard]] bool Load(std::span<const std::uint8_t> bytes);
  void Clear();

  int FrameCount() const { return static_cast<int>(frames_.size()); }
  // The overall size: largest left + width and top + height over the frames.
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  // The NETSCAPE2.0 loop count, 0 (endless) when the file has none.
  std::int32_t Loops() const { return loops_; }
  Failure Error() const { return error_; }

  // Frames are numbered from 0 here.
  const std::vector<GifFrame>& Frames() const { return frames_; }
  const std::vector<GifByteRange>& FrameIndex() const { return index_; }
  const GifFrameStrip& Strip() const { return strip_; }

  // Table 0 is the global table, tables 1.. the local tables in file order. Entries may be
  // changed; the next frame composed uses them.
  std::vector<GifColourTable>& ColourTables() { return colourTables_; }
  const std::vector<GifColourTable>& ColourTables() const { return colourTables_; }
  const GifColourTable& TableOf(const GifFrame& frame) const {
    return colourTables_[static_cast<std::size_t>(frame.colourTable)];
  }

 private:
  bool Fail(Failure error);  // clears everything, keeps the reason, returns false
  Failure CheckSizes(std::span<const std::uint8_t> bytes) const;
  Failure DecodeFrames(std::span<const std::uint8_t> bytes);

  std::vector<GifFrame> frames_;
  std::vector<GifByteRange> index_;
  std::vector<GifColourTable> colourTables_;
  GifFrameStrip strip_;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::int32_t loops_ = 0;
  Failure error_ = Failure::None;
};

}  // namespace qorvexctl::gif
