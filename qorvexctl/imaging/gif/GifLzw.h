#pragma once
// The variable-length-code LZW decompression of GIF image data (GIF89a, section 22 and
// appendix F).

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "qorvexctl/imaging/gif/GifTypes.h"

namespace qorvexctl::gif {

// Joins the payloads of the data sub-blocks that start at `position` (a size byte, that many
// bytes, and so on up to a zero size) into `out`. False when the chain runs past the end.
[[nodiscard]] bool GatherSubBlocks(std::span<const std::uint8_t> bytes, std::size_t position,
                                   std::vector<std::uint8_t>& out);

// Decodes `data` (the joined sub-block payloads) into exactly out.size() colour indices, in
// the order they are stored. Codes after the last needed pixel are not read, so surplus or
// broken data past the end of the image is ignored. Minimum code sizes 1 to 8 are accepted.
[[nodiscard]] Failure DecodeGifLzw(int minimumCodeSize, std::span<const std::uint8_t> data,
                                   std::span<std::uint8_t> out);

// The most indices `dataSize` bytes of LZW data can decode to: every code is at least
// minimumCodeSize + 1 bits long and no string is longer than the 4096-entry dictionary.
std::size_t MaxLzwOutput(int minimumCodeSize, std::size_t dataSize);

}  // namespace qorvexctl::gif
