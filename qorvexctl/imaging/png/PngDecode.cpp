#include "qorvexctl/imaging/png/PngDecode.h"

#include <cstring>
#include <new>

#include "qorvexctl/imaging/png/PngChunkWalker.h"
#include "qorvexctl/imaging/png/PngInflate.h"
#include "qorvexctl/imaging/png/PngOutputFormat.h"

namespace qorvexctl::png {

namespace {

// Deflate turns one input byte into at most 1032 output bytes; a header that promises more
// than that from its image data cannot be honest, and is refused before allocating.
constexpr std::size_t kMaximumDeflateRatio = 1032;

}  // namespace

std::span<std::uint8_t> InflateBuffer::Resize(std::size_t size) {
  if (size > m_capacity) {
    m_bytes.reset(new (std::nothrow) std::uint8_t[size]);
    m_capacity = m_bytes ? size : 0;
  }
  m_size = m_bytes ? size : 0;
  return Bytes();
}

// For narrow Adam7 images the exact size counts filter bytes of empty passes, so the data
// may end early; the rest of the buffer is zero.
Failure InflateImageData(const PngFileInfo& info, InflateBuffer& inflated) {
  const auto size = static_cast<std::size_t>(*InflatedSize(info.header));
  if (size / kMaximumDeflateRatio > info.imageData.size()) return Failure::DataCannotFill;
  const std::span<std::uint8_t> out = inflated.Resize(size);
  if (out.size() != size) return Failure::DataCannotFill;
  const InflateResult result = InflateZlibStream(info.imageData, out);
  if (result.status != InflateStatus::Done) return Failure::InflateFailed;
  std::memset(out.data() + result.length, 0, size - result.length);
  return Failure::None;
}

int ChooseOutputBits(PngFileInfo& info, bool keepAlpha, bool force32) {
  const int bitCount = OutputBitCount(info, keepAlpha, force32);
  if (bitCount == 4 && info.header.bitDepth == 2 && info.palette.empty()) {
    info.palette = FourGreys();
  }
  return bitCount;
}

platform::Surface MakeSurface(const PngFileInfo& info, int bitCount) {
  platform::Surface surface(info.header.width, info.header.height, bitCount);
  if (!surface.IsEmpty()) surface.SetColourTable(0, ColourTable(info, bitCount));
  return surface;
}

PngRowConverter MakeConverter(const PngFileInfo& info, int bitCount, bool keepAlpha) {
  ConversionSettings settings;
  settings.header = info.header;
  settings.palette = info.palette;
  settings.transparency = info.transparency;
  settings.hasTransparency = info.HasTransparencyChunk();
  settings.keepAlpha = keepAlpha;
  settings.outputBits = bitCount;
  return PngRowConverter(settings);
}

namespace {

// Buffers up to this size stay with their thread between decodes.
constexpr std::size_t kKeptScratchBytes = std::size_t{64} << 20;
// Compressed image data above this size is given back once inflated, before the surface is
// made, so a decode never holds the compressed data, the inflated data and the surface at once.
constexpr std::size_t kKeptCompressedBytes = std::size_t{64} << 10;

void ReleaseLargeCompressedData(std::vector<std::uint8_t>& imageData) {
  if (imageData.capacity() > kKeptCompressedBytes) std::vector<std::uint8_t>().swap(imageData);
}

// The compressed and inflated image data of one thread's decodes, kept from one decode to the
// next so a run of loads does not allocate (and fault in) the same memory each time.
struct Scratch {
  std::vector<std::uint8_t> imageData;
  InflateBuffer inflated;
};

// Lends the thread's scratch buffers to one decode and takes them back after it.
class ScratchLoan {
 public:
  explicit ScratchLoan(PngFileInfo& info) : m_info(info) {
    m_info.imageData = std::move(Buffers().imageData);
    m_info.imageData.clear();
  }
  ~ScratchLoan() {
    if (m_info.imageData.capacity() <= kKeptScratchBytes) {
      Buffers().imageData = std::move(m_info.imageData);
    }
    if (Buffers().inflated.Bytes().size() > kKeptScratchBytes) Buffers().inflated = {};
  }
  ScratchLoan(const ScratchLoan&) = delete;
  ScratchLoan& operator=(const ScratchLoan&) = delete;

  InflateBuffer& Inflated() { return Buffers().inflated; }

 private:
  static Scratch& Buffers() {
    thread_local Scratch scratch;
    return scratch;
  }

  PngFileInfo& m_info;
};

}  // namespace

Decoded Decode(std::span<const std::uint8_t> bytes, const DecodeOptions& options) {
  PngFileInfo info;
  ScratchLoan scratch(info);
  InflateBuffer& inflated = scratch.Inflated();
  Failure failure = ReadPngFile(bytes, options.validateAllData, info);
  if (failure == Failure::None) failure = InflateImageData(info, inflated);
  if (failure != Failure::None) return {failure, {}};
  ReleaseLargeCompressedData(info.imageData);
  const bool keepAlpha = options.keepAlpha && info.HasAlpha();
  const int bitCount = ChooseOutputBits(info, keepAlpha, options.force32);
  Decoded decoded{Failure::None, MakeSurface(info, bitCount)};
  if (decoded.surface.IsEmpty()) return {Failure::BitmapCreationFailed, {}};
  const OutputRows out{decoded.surface.Row(0),
                       static_cast<std::ptrdiff_t>(decoded.surface.Stride()), bitCount};
  failure = DecodeScanlines(info.header, inflated.Bytes(), MakeConverter(info, bitCount, keepAlpha),
                            out, {});
  if (failure != Failure::None) return {failure, {}};
  return decoded;
}

}  // namespace qorvexctl::png
