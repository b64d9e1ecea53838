#pragma once
// Test helper: builds PNG files chunk by chunk, computing lengths and CRCs, so a test can say
// exactly which field of which chunk is wrong.

#include <zlib.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qorvexctl::png::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes Be32(std::uint32_t v) {
  return {std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

inline Bytes Deflate(const Bytes& raw) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  Bytes out(size);
  compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9);
  out.resize(size);
  return out;
}

inline Bytes Text(std::string_view s) { return Bytes(s.begin(), s.end()); }

// Scanlines of `height` rows, each a filter byte None followed by `row`.
inline Bytes Rows(const Bytes& row, int height) {
  Bytes out;
  for (int y = 0; y < height; ++y) {
    out.push_back(0);
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

// The CRC a chunk of this type and data must carry.
inline std::uint32_t ChunkCrc(std::string_view type, const Bytes& data) {
  Bytes typeAndData = Concat({Text(type), data});
  return crc32(0, typeAndData.data(), static_cast<uInt>(typeAndData.size()));
}

class PngTestFile {
 public:
  PngTestFile() : m_bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A} {}

  // A chunk with its correct CRC.
  PngTestFile& Chunk(std::string_view type, const Bytes& data) {
    return ChunkWithCrc(type, data, ChunkCrc(type, data));
  }
  // A chunk with the given stored CRC.
  PngTestFile& ChunkWithCrc(std::string_view type, const Bytes& data, std::uint32_t crc) {
    Append(Be32(static_cast<std::uint32_t>(data.size())));  // length
    Append(Text(type));                                     // type
    Append(data);                                           // data
    Append(Be32(crc));                                      // CRC over type and data
    return *this;
  }
  PngTestFile& Header(std::uint32_t width, std::uint32_t height, std::uint8_t depth,
                      std::uint8_t colourType, std::uint8_t interlace = 0) {
    return Chunk("IHDR", Concat({Be32(width),
                                 Be32(height),        // size in pixels
                                 {depth, colourType,  // bit depth, colour type
                                  0, 0,               // compression, filter method
                                  interlace}}));      // interlace method
  }
  // Scanlines (each with its filter byte) compressed into one IDAT.
  PngTestFile& Scanlines(const Bytes& rows) { return Chunk("IDAT", Deflate(rows)); }
  PngTestFile& End() { return Chunk("IEND", {}); }
  PngTestFile& Append(const Bytes& raw) {
    m_bytes.insert(m_bytes.end(), raw.begin(), raw.end());
    return *this;
  }

  const Bytes& bytes() const { return m_bytes; }

 private:
  Bytes m_bytes;
};

}  // namespace qorvexctl::png::testing
