#include "qorvexctl/imaging/png/PngChunkWalker.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "qorvexctl/imaging/png/PngChunkHandlers.h"
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
  PngFailure (*handle)(ChunkData, PngFileInfo&);
  CrcRule crc;
  PngFailure onBadCrc;  // None: the chunk is ignored
};

// Every chunk type not listed here (critical or not) is skipped without a CRC check.
constexpr ChunkKind kChunkKinds[] = {
    {"IHDR", HandleIHDR, CrcRule::Always, PngFailure::BadHeaderCrc},
    {"PLTE", HandlePLTE, CrcRule::Always, PngFailure::BadPaletteCrc},
    {"IDAT", HandleIDAT, CrcRule::Always, PngFailure::BadImageDataCrc},
    {"tRNS", HandleTRNS, CrcRule::Always, PngFailure::None},
    {"bKGD", HandleBKGD, CrcRule::Conditional, PngFailure::None},
    {"tIME", HandleTIME, CrcRule::Conditional, PngFailure::None},
    {"tEXt", HandleTEXT, CrcRule::Conditional, PngFailure::None},
    {"zTXt", HandleZTXT, CrcRule::Conditional, PngFailure::None},
    {"gAMA", HandleGAMA, CrcRule::Conditional, PngFailure::None},
    {"cHRM", HandleCHRM, CrcRule::Conditional, PngFailure::None},
    {"sRGB", HandleSRGB, CrcRule::Conditional, PngFailure::None},
    {"pHYs", HandlePHYS, CrcRule::Conditional, PngFailure::None},
    {"oFFs", HandleOFFS, CrcRule::Conditional, PngFailure::None},
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

bool CrcMatches(const Chunk& chunk) {
  uLong crc = crc32(0, chunk.typeAndData.data(), static_cast<uInt>(chunk.typeAndData.size()));
  return crc == chunk.storedCrc;
}

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

PngFailure ProcessChunk(const Chunk& chunk, bool validateAllData, PngFileInfo& info) {
  const ChunkKind* kind = FindKind(chunk.Type());
  if (kind == nullptr) return PngFailure::None;
  if (ShouldCheckCrc(*kind, chunk, validateAllData) && !CrcMatches(chunk)) {
    return kind->onBadCrc;
  }
  return kind->handle(chunk.Data(), info);
}

PngFailure WalkChunks(ByteReader& reader, bool validateAllData, PngFileInfo& info) {
  for (;;) {
    auto chunk = NextChunk(reader);
    if (!chunk) return PngFailure::TruncatedChunk;
    if (chunk->Type() == "IEND") return PngFailure::None;
    if (chunk->Data().empty()) continue;
    PngFailure failure = ProcessChunk(*chunk, validateAllData, info);
    if (failure != PngFailure::None) return failure;
  }
}

}  // namespace

bool HasPngSignature(std::span<const std::uint8_t> file) {
  return file.size() >= kSignature.size() &&
         std::equal(kSignature.begin(), kSignature.end(), file.begin());
}

PngFailure ReadPngFile(std::span<const std::uint8_t> file, bool validateAllData,
                       PngFileInfo& info) {
  if (file.size() < kMinimumFileSize || !HasPngSignature(file)) {
    return PngFailure::NotPng;
  }
  ByteReader reader(file);
  (void)reader.Skip(kSignature.size());
  PngFailure failure = WalkChunks(reader, validateAllData, info);
  if (failure != PngFailure::None) return failure;
  if (info.imageData.empty()) return PngFailure::NoImageData;
  if (!info.hasHeader) return PngFailure::NoHeader;
  return PngFailure::None;
}

}  // namespace qorvexctl::png
