#pragma once
// Reads a PNG file held in memory: the signature, then every chunk up to IEND, with the CRC
// rules of each chunk type, into a PngFileInfo.

#include <cstdint>
#include <span>

#include "qorvexctl/imaging/png/PngFailure.h"
#include "qorvexctl/imaging/png/PngFileInfo.h"

namespace qorvexctl::png {

// Files this short cannot hold a header, image data and an end chunk; they are refused
// before any chunk is read.
inline constexpr std::size_t kMinimumFileSize = 57;

// True when the bytes start with the eight-byte PNG signature (PNG 5.2).
bool HasPngSignature(std::span<const std::uint8_t> file);

// Walks the file. `validateAllData` also checks the CRCs of the ancillary chunks that carry
// properties (the critical chunks and tRNS are always checked). Returns the first failure;
// on success `info` holds the header, the ancillary values and the compressed image data.
Failure ReadPngFile(std::span<const std::uint8_t> file, bool validateAllData, PngFileInfo& info);

}  // namespace qorvexctl::png
