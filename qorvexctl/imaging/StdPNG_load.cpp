// The load sequence of StdPNG: read and walk the file, inflate, choose the bitmap's format,
// unfilter and convert.

#include <zlib.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <new>

#include "qorvexctl/imaging/StdPNG.h"
#include "qorvexctl/imaging/png/PngChunkWalker.h"
#include "qorvexctl/imaging/png/PngScanlines.h"
#include "qorvexctl/platform/drawing/SystemColours.h"

namespace qorvexctl {

namespace {

// Deflate turns one input byte into at most 1032 output bytes; a header that promises more
// than that from its image data cannot be honest, and is refused before allocating.
constexpr std::size_t kMaximumDeflateRatio = 1032;

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace

bool StdPNG::LoadFile(const std::string& fileName, bool ValidateAllData, bool Make32Bit,
                      int AlphaBlendValue) {
  if (m_loadState >= kStateDecoding) return false;
  Reset();
  auto bytes = ReadWholeFile(fileName);
  if (!bytes) return Fail(png::PngFailure::FileUnreadable);
  return LoadBytes(*bytes, ValidateAllData, Make32Bit, AlphaBlendValue);
}

bool StdPNG::LoadBytes(std::span<const std::uint8_t> bytes, bool ValidateAllData, bool Make32Bit,
                       int AlphaBlendValue) {
  if (m_loadState >= kStateDecoding) return false;
  Reset();
  png::PngFailure failure = png::ReadPngFile(bytes, ValidateAllData, m_info);
  if (failure != png::PngFailure::None) return Fail(failure);
  m_loadState = kStateDecoding;
  Progress(0);
  if (!Decode(Make32Bit || AlphaBlendValue != 255, AlphaBlendValue)) return false;
  m_loadState = 0;
  return true;
}

void StdPNG::Reset() {
  m_bitmap.reset();
  // The compressed data's buffer is kept (emptied) so repeated loads do not allocate again.
  std::vector<std::uint8_t> compressed = std::move(m_info.imageData);
  compressed.clear();
  m_info = png::PngFileInfo{};
  m_info.imageData = std::move(compressed);
  m_resolvedBackground = -1;
  m_loadState = 0;
  m_lastFailure = png::PngFailure::None;
}

bool StdPNG::Fail(png::PngFailure reason) {
  Reset();
  m_lastFailure = reason;
  return false;
}

// Inflates all image data in one call into a buffer of the precomputed size. For narrow
// Adam7 images that size counts filter bytes of empty passes, so the data may end early;
// the rest of the buffer is zero.
// The buffer stays with the object for its next load.
bool StdPNG::Inflate() {
  const auto size = static_cast<std::size_t>(*png::InflatedSize(m_info.header));
  if (size / kMaximumDeflateRatio > m_info.imageData.size()) {
    return Fail(png::PngFailure::DataCannotFill);
  }
  try {
    m_inflated.resize(size);
  } catch (const std::bad_alloc&) {
    return Fail(png::PngFailure::DataCannotFill);
  }
  uLongf length = static_cast<uLongf>(size);
  int result = uncompress(m_inflated.data(), &length, m_info.imageData.data(),
                          static_cast<uLong>(m_info.imageData.size()));
  if (result != Z_OK) return Fail(png::PngFailure::InflateFailed);
  std::memset(m_inflated.data() + length, 0, size - length);
  return true;
}

bool StdPNG::CreateBitmap(int bitCount) {
  auto bitmap = std::make_unique<stdPNGdata>();
  if (!bitmap->Create(m_info.header.width, m_info.header.height, bitCount)) {
    return Fail(png::PngFailure::BitmapCreationFailed);
  }
  bitmap->SetColourTable(png::ColourTable(m_info, bitCount));
  m_bitmap = std::move(bitmap);
  return true;
}

png::PngRowConverter StdPNG::MakeConverter(int bitCount, bool keepAlpha) const {
  png::ConversionSettings settings;
  settings.header = m_info.header;
  settings.palette = m_info.palette;
  settings.transparency = m_info.transparency;
  settings.hasTransparency = m_info.HasTransparencyChunk();
  settings.keepAlpha = keepAlpha;
  settings.outputBits = bitCount;
  return png::PngRowConverter(settings);
}

bool StdPNG::Decode(bool force32, int alphaBlendValue) {
  if (!Inflate()) return false;
  const Destination destination = AskForDestination();

  png::TransparencyTreatment treatment =
      png::ResolveTransparency(m_info, m_transparentStyle, [](int index) {
        return static_cast<std::int32_t>(platform::ResolveColour(SystemColour(index)));
      });
  m_resolvedBackground = treatment.background;
  const std::uint16_t strategy = ChooseStrategy(destination);
  m_loadState |= kStateResolved | strategy;
  if (!treatment.keepAlpha) m_loadState |= kStateAlphaDropped;
  if (force32) m_loadState |= kStateForce32;

  const bool fadeIn = m_info.header.IsInterlaced() && strategy == kStrategyFadeIn;
  const int bitCount = png::OutputBitCount(m_info, treatment.keepAlpha, force32 || fadeIn);
  if (bitCount == 4 && m_info.header.bitDepth == 2 && m_info.palette.empty()) {
    m_info.palette = png::FourGreys();
  }
  if (!CreateBitmap(bitCount)) return false;
  PrepareBackground(destination, bitCount);

  png::OutputRows out{m_bitmap->Row(0), m_bitmap->Stride(), bitCount};
  png::PngFailure failure =
      png::DecodeScanlines(m_info.header, m_inflated, MakeConverter(bitCount, treatment.keepAlpha),
                           out, MakeHooks(destination, alphaBlendValue));
  if (failure != png::PngFailure::None) return Fail(failure);
  return FinishLoad(destination, alphaBlendValue);
}

}  // namespace qorvexctl
