// The load sequence of StdPNG: read and walk the file, inflate, choose the bitmap's format,
// unfilter and convert.

#include "qorvexctl/imaging/StdPNG.h"
#include "qorvexctl/imaging/png/PngChunkWalker.h"
#include "qorvexctl/imaging/png/PngDecode.h"
#include "qorvexctl/imaging/png/PngScanlines.h"
#include "qorvexctl/platform/drawing/SystemColours.h"
#include "qorvexctl/platform/services/AtomicFile.h"

namespace qorvexctl {

bool StdPNG::LoadFile(const std::string& fileName, bool ValidateAllData, bool Make32Bit,
                      int AlphaBlendValue) {
  if (m_loadState >= kStateDecoding) return false;
  Reset();
  const auto bytes = platform::ReadFileBytes(fileName);
  if (!bytes) return Fail(png::Failure::FileUnreadable);
  const std::span<const std::uint8_t> file(reinterpret_cast<const std::uint8_t*>(bytes->data()),
                                           bytes->size());
  return LoadBytes(file, ValidateAllData, Make32Bit, AlphaBlendValue);
}

bool StdPNG::LoadBytes(std::span<const std::uint8_t> bytes, bool ValidateAllData, bool Make32Bit,
                       int AlphaBlendValue) {
  if (m_loadState >= kStateDecoding) return false;
  Reset();
  png::Failure failure = png::ReadPngFile(bytes, ValidateAllData, m_info);
  if (failure != png::Failure::None) return Fail(failure);
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
  m_lastFailure = png::Failure::None;
}

bool StdPNG::Fail(png::Failure reason) {
  Reset();
  m_lastFailure = reason;
  return false;
}

bool StdPNG::CreateBitmap(int bitCount) {
  auto bitmap = std::make_unique<stdPNGdata>();
  if (!bitmap->Adopt(png::MakeSurface(m_info, bitCount))) {
    return Fail(png::Failure::BitmapCreationFailed);
  }
  m_bitmap = std::move(bitmap);
  return true;
}

bool StdPNG::Decode(bool force32, int alphaBlendValue) {
  png::Failure inflated = png::InflateImageData(m_info, m_inflated);
  if (inflated != png::Failure::None) return Fail(inflated);
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
  const int bitCount = png::ChooseOutputBits(m_info, treatment.keepAlpha, force32 || fadeIn);
  if (!CreateBitmap(bitCount)) return false;
  PrepareBackground(destination, bitCount);

  png::OutputRows out{m_bitmap->Row(0), m_bitmap->Stride(), bitCount};
  png::Failure failure = png::DecodeScanlines(
      m_info.header, m_inflated.Bytes(), png::MakeConverter(m_info, bitCount, treatment.keepAlpha),
      out, MakeHooks(destination, alphaBlendValue));
  if (failure != png::Failure::None) return Fail(failure);
  return FinishLoad(destination, alphaBlendValue);
}

}  // namespace qorvexctl
