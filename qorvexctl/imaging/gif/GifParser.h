#pragma once
// Reads the block structure of a GIF file (GIF89a, sections 17-27) into frame records, their
// byte ranges and the colour tables, without decoding any pixels.

#include <cstdint>
#include <span>
#include <vector>

#include "qorvexctl/imaging/gif/GifTypes.h"

namespace qorvexctl::gif {

struct GifParseResult {
  std::vector<GifFrame> frames;
  std::vector<GifByteRange> index;           // one byte range per frame
  std::vector<GifColourTable> colourTables;  // [0] the global table (0 entries when absent)
  std::int32_t width = 0;                    // largest left + width over the frames
  std::int32_t height = 0;                   // largest top + height over the frames
  std::int32_t loops = 0;                    // NETSCAPE2.0 loop count, 0 when absent
  Failure error = Failure::None;
};

// True when the bytes start with "gif87a" or "gif89a", compared without regard to case.
[[nodiscard]] bool HasGifSignature(std::span<const std::uint8_t> bytes);

// Walks the blocks of `bytes`. A file cut short ends the walk with the frames complete before
// the cut. On failure (a bad signature, an image without any colour table, no frame at all)
// the result holds no frames and `error` says why.
[[nodiscard]] GifParseResult ParseGif(std::span<const std::uint8_t> bytes);

}  // namespace qorvexctl::gif
