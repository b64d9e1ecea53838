#pragma once
// The text of a PNG file's tEXt and zTXt chunks as one string: "keyword: text" entries
// separated by CR-LF, every line break CR-LF.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "qorvexctl/imaging/png/PngFileInfo.h"

namespace qorvexctl::png {

// A compressed text may grow to at most this many times its compressed size; larger texts
// are dropped rather than inflated without bound.
inline constexpr std::size_t kMaximumTextGrowth = 50;

// The formatted comments of every record that has a keyword (an empty string when none has).
std::string FormatComments(const std::vector<TextRecord>& records);

// Inflates zTXt data into a buffer of twice its size, growing the buffer by that much after
// each failure while it stays within kMaximumTextGrowth times the compressed size.
std::optional<std::vector<std::uint8_t>> InflateText(std::span<const std::uint8_t> compressed);

}  // namespace qorvexctl::png
