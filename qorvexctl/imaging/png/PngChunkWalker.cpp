#include "qorvexctl/imaging/png/PngChunkWalker.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#include "qorvexctl/imaging/png/PngChunkHandlers.h"
#include "qorvexctl/imaging/png/PngInflate.h"
#include "qorvexctl/platform/codecs/ByteReader.h"

namespace qorvexctl::png {

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

enum class CrcRule {
  Always,       // critical chunks and tRNS: checked whatever the caller asks
  Conditional,  // checked when all data is validated and the stored CRC is not 0
};

struct ChunkKind {
  char type[5];
  Failure (*handle)(ChunkData, PngFileInfo&);
  CrcRule crc;
  Failure onBadCrc;  // None: the chunk is ignored
};

// Every chunk type not listed here (critical or not) is skipped without a CRC check.
constexpr ChunkKind kChunkKinds[] = {
    {"IHDR", HandleIHDR, CrcRule::Always, Failure::BadHeaderCrc},
    {"PLTE", HandlePLTE, CrcRule::Always, Failure::BadPaletteCrc},
    {"IDAT", HandleIDAT, CrcRule::Always, Failure::BadImageDataCrc},
    {"tRNS", HandleTRNS, CrcRule::Always, Failure::None},
    {"bKGD", HandleBKGD, CrcRule::Conditional, Failure::None},
    {"tIME", HandleTIME, CrcRule::Conditional, Failure::None},
    {"tEXt", HandleTEXT, CrcRule::Conditional, Failure::None},
    {"zTXt", HandleZTXT, CrcRule::Conditional, Failure::None},
    {"gAMA", HandleGAMA, CrcRule::Conditional, Failure::None},
    {"cHRM", HandleCHRM, CrcRule::Conditional, Failure::None},
    {"sRGB", HandleSRGB, CrcRule::Conditional, Failure::None},
    {"pHYs", HandlePHYS, CrcRule::Conditional, Failure::None},
    {"oFFs", HandleOFFS, CrcRule::Conditional, Failure::None},
};

struct Chunk {
  std::span<const std::uint8_t> typeAndData;  // the bytes the CRC covers
  std::uint32_t storedCrc = 0;

  std::string_view Type() const { return {reinterpret_cast<const char*>(typeAndData.data()), 4}; }
  ChunkData Data() const { return typeAndData.subspan(4); }
};

const ChunkKind* FindKind(std::string_view type) {
  for (const ChunkKind& kind : kChunkKinds) {
    if (type == kind.type) return &kind;
  }
  return nullptr;
}

bool CrcMatches(const Chunk& chunk) { return Crc32(chunk.typeAndData) == chunk.storedCrc; }

bool ShouldCheckCrc(const ChunkKind& kind, const Chunk& chunk, bool validateAllData) {
  if (kind.crc == CrcRule::Always) return true;
  return validateAllData && chunk.storedCrc != 0;
}

// Reads length, type, data and CRC. A chunk that runs past the end of the file ends the
// walk; so does a length above 2^31 - 1 (PNG 5.3), which could never be read.
std::optional<Chunk> NextChunk(ByteReader& reader) {
  auto length = reader.U32BE();
  if (!length || *length > 0x7FFFFFFFu || reader.Remaining() < std::size_t{*length} + 8) {
    return std::nullopt;
  }
  Chunk chunk;
  chunk.typeAndData = *reader.Bytes(std::size_t{*length} + 4);
  chunk.storedCrc = *reader.U32BE();
  return chunk;
}

Failure ProcessChunk(const Chunk& chunk, bool validateAllData, PngFileInfo& info) {
  const ChunkKind* kind = FindKind(chunk.Type());
  if (kind == nullptr) return Failure::None;
  if (ShouldCheckCrc(*kind, chunk, validateAllData) && !CrcMatches(chunk)) {
    return kind->onBadCrc;
  }
  return kind->handle(chunk.Data(), info);
}

// The bytes of all IDAT chunks that lie whole within the file, so the image data is
// gathered into one allocation of its final size.
std::size_t ImageDataLength(ByteReader reader) {
  std::size_t total = 0;
  while (auto chunk = NextChunk(reader)) {
    if (chunk->Type() == "IEND") break;
    if (chunk->Type() == "IDAT") total += chunk->Data().size();
  }
  return total;
}

Failure WalkChunks(ByteReader& reader, bool validateAllData, PngFileInfo& info) {
  for (;;) {
    auto chunk = NextChunk(reader);
    if (!chunk) return Failure::TruncatedChunk;
    if (chunk->Type() == "IEND") return Failure::None;
    if (chunk->Data().empty()) continue;
    Failure failure = ProcessChunk(*chunk, validateAllData, info);
    if (failure != Failure::None) return failure;
  }
}

}  // namespace

bool HasPngSignature(std::span<const std::uint8_t> file) {
  return file.size() >= kSignature.size() &&
         std::equal(kSignature.begin(), kSignature.end(), file.begin());
}

Failure ReadPngFile(std::span<const std::uint8_t> file, bool validateAllData, PngFileInfo& info) {
  if (file.size() < kMinimumFileSize || !HasPngSignature(file)) {
    return Failure::NotPng;
  }
  ByteReader reader(file);
  (void)reader.Skip(kSignature.size());
  try {
    info.imageData.reserve(ImageDataLength(reader));
  } catch (const std::bad_alloc&) {
    // Gathered chunk by chunk instead; the append that fails says so.
  }
  Failure failure = WalkChunks(reader, validateAllData, info);
  if (failure != Failure::None) return failure;
  if (info.imageData.empty()) return Failure::NoImageData;
  if (!info.hasHeader) return Failure::NoHeader;
  return Failure::None;
}

}  // namespace qorvexctl::png
