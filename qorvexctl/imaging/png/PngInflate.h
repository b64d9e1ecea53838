#pragma once
// The inflate engine and the checksum of the PNG core. The engine is libdeflate, or zlib when
// the library is configured with -DQORVEXCTL_INFLATE=zlib; both give the same result for
// every stream: a complete stream inflates to its length (which may be less than the room
// given), a stream that needs more room reports it, and a corrupt or cut-short stream fails.

#include <cstddef>
#include <cstdint>
#include <span>

namespace qorvexctl::png {

enum class InflateStatus {
  Done,      // the whole stream was inflated; `length` bytes were written
  NeedRoom,  // the stream holds more than `out` can take
  Corrupt,   // a malformed stream, a wrong checksum, or a stream that ends too soon
};

struct InflateResult {
  InflateStatus status = InflateStatus::Corrupt;
  std::size_t length = 0;
};

// Inflates the zlib stream (RFC 1950) at the start of `stream` into `out`; bytes after the
// stream's end are ignored.
InflateResult InflateZlibStream(std::span<const std::uint8_t> stream, std::span<std::uint8_t> out);

// The CRC-32 of PNG chunks (PNG 5.5), started from 0.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes);

// The engine compiled in: "libdeflate" or "zlib".
const char* InflateEngineName();

}  // namespace qorvexctl::png
