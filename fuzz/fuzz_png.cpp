// Fuzz target: any byte string through StdPNG, once keeping alpha in a 32-bit bitmap and once
// with the default settings and no ancillary CRC checks, then every property read.
//
// Before decoding, every chunk's CRC is recomputed and the zlib stream's Adler-32 made to match
// what it inflates to, so mutations of headers, palettes and image data reach the code behind
// the checksums instead of being refused at the first CRC (critical chunks are always checked).
// Inputs that libFuzzer mutates are the files with their checksums wrong; what is decoded is the
// same file made consistent. FUZZ_PNG_UNMENDED=1 in the environment decodes the bytes as they
// come, to measure what the mending adds.

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "qorvexctl/imaging/StdPNG.h"

namespace {

constexpr std::size_t kSignatureSize = 8;

std::uint32_t ReadBigEndian(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
         std::uint32_t{p[3]};
}

void WriteBigEndian(std::uint8_t* p, std::uint32_t value) {
  p[0] = static_cast<std::uint8_t>(value >> 24);
  p[1] = static_cast<std::uint8_t>(value >> 16);
  p[2] = static_cast<std::uint8_t>(value >> 8);
  p[3] = static_cast<std::uint8_t>(value);
}

struct ChunkPlace {
  std::size_t start;   // the length field
  std::size_t length;  // of the data
};

// The chunks that fit in the file, in order; a chunk running past the end ends the walk.
std::vector<ChunkPlace> WalkChunks(const std::vector<std::uint8_t>& file) {
  std::vector<ChunkPlace> chunks;
  std::size_t at = kSignatureSize;
  while (at + 12 <= file.size()) {
    const std::size_t length = ReadBigEndian(&file[at]);
    if (length > file.size() - at - 12) break;
    chunks.push_back({at, length});
    at += 12 + length;
  }
  return chunks;
}

bool IsImageData(const std::vector<std::uint8_t>& file, const ChunkPlace& chunk) {
  return file[chunk.start + 4] == 'I' && file[chunk.start + 5] == 'D' &&
         file[chunk.start + 6] == 'A' && file[chunk.start + 7] == 'T';
}

// Makes the Adler-32 at the end of the image data stream match what the stream inflates to,
// when the last image data chunk holds the whole checksum.
void FixAdler(std::vector<std::uint8_t>& file, const std::vector<ChunkPlace>& chunks) {
  std::vector<std::uint8_t> stream;
  const ChunkPlace* last = nullptr;
  for (const auto& chunk : chunks) {
    if (!IsImageData(file, chunk)) continue;
    const auto* data = &file[chunk.start + 8];
    stream.insert(stream.end(), data, data + chunk.length);
    last = &chunk;
  }
  if (!last || last->length < 4 || stream.size() < 6) return;
  z_stream z{};
  if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return;  // raw: the header and checksum are ours
  z.next_in = stream.data() + 2;
  z.avail_in = static_cast<uInt>(stream.size() - 6);
  std::uint8_t out[16384];
  uLong adler = adler32(0, nullptr, 0);
  int status = Z_OK;
  while (status == Z_OK) {
    z.next_out = out;
    z.avail_out = sizeof out;
    status = inflate(&z, Z_NO_FLUSH);
    adler = adler32(adler, out, static_cast<uInt>(sizeof out - z.avail_out));
    if (z.total_out > (64u << 20)) break;  // a bomb: leave the checksum as it is
  }
  inflateEnd(&z);
  if (status == Z_STREAM_END) {
    WriteBigEndian(&file[last->start + 8 + last->length - 4], static_cast<std::uint32_t>(adler));
  }
}

void FixCrcs(std::vector<std::uint8_t>& file, const std::vector<ChunkPlace>& chunks) {
  for (const auto& chunk : chunks) {
    const auto* typeAndData = &file[chunk.start + 4];
    const uLong crc = crc32(0, typeAndData, static_cast<uInt>(4 + chunk.length));
    WriteBigEndian(&file[chunk.start + 8 + chunk.length], static_cast<std::uint32_t>(crc));
  }
}

void ReadProperties(const qorvexctl::StdPNG& png) {
  (void)png.Comments("-");
  (void)png.Palette();
  (void)png.LastModified();
  (void)png.Chromaticity();
  (void)png.ScanLineWidth();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> file(data, data + size);
  static const bool mend = std::getenv("FUZZ_PNG_UNMENDED") == nullptr;
  if (mend) {
    const auto chunks = WalkChunks(file);
    FixAdler(file, chunks);
    FixCrcs(file, chunks);
  }
  std::span<const std::uint8_t> bytes(file);
  qorvexctl::StdPNG png;
  png.TransparentStyle(qorvexctl::alphaTransparent);
  if (png.LoadBytes(bytes, true, true)) ReadProperties(png);
  png.TransparentStyle(0);
  if (png.LoadBytes(bytes, false, false, 200)) ReadProperties(png);
  return 0;
}
