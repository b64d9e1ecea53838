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

  int FrameCount() const { return static_cast<int>(m_frames.size()); }
  // The overall size: largest left + width and top + height over the frames.
  std::int32_t Width() const { return m_width; }
  std::int32_t Height() const { return m_height; }
  // The NETSCAPE2.0 loop count, 0 (endless) when the file has none.
  std::int32_t Loops() const { return m_loops; }
  Failure Error() const { return m_error; }

  // Frames are numbered from 0 here.
  const std::vector<GifFrame>& Frames() const { return m_frames; }
  const std::vector<GifByteRange>& FrameIndex() const { return m_index; }
  const GifFrameStrip& Strip() const { return m_strip; }

  // Table 0 is the global table, tables 1.. the local tables in file order. Entries may be
  // changed; the next frame composed uses them.
  std::vector<GifColourTable>& ColourTables() { return m_colourTables; }
  const std::vector<GifColourTable>& ColourTables() const { return m_colourTables; }
  const GifColourTable& TableOf(const GifFrame& frame) const {
    return m_colourTables[static_cast<std::size_t>(frame.colourTable)];
  }

 private:
  bool Fail(Failure error);  // clears everything, keeps the reason, returns false
  Failure CheckSizes(std::span<const std::uint8_t> bytes) const;
  Failure DecodeFrames(std::span<const std::uint8_t> bytes);

  std::vector<GifFrame> m_frames;
  std::vector<GifByteRange> m_index;
  std::vector<GifColourTable> m_colourTables;
  GifFrameStrip m_strip;
  std::int32_t m_width = 0;
  std::int32_t m_height = 0;
  std::int32_t m_loops = 0;
  Failure m_error = Failure::None;
};

}  // namespace qorvexctl::gif
