#include "qorvexctl/imaging/png/PngChunkHandlers.h"

#include <new>

#include "qorvexctl/imaging/png/PngColours.h"

namespace qorvexctl::png {

namespace {

std::int32_t ReadInt32(ChunkData data, std::size_t at) {
  return static_cast<std::int32_t>((std::uint32_t{data[at]} << 24) | (data[at + 1] << 16) |
                                   (data[at + 2] << 8) | data[at + 3]);
}

template <std::size_t N>
std::array<std::int32_t, N> ReadInt32s(ChunkData data) {
  std::array<std::int32_t, N> values{};
  for (std::size_t i = 0; i < N; ++i) values[i] = ReadInt32(data, i * 4);
  return values;
}

// pHYs and oFFs: two 32-bit values and a unit byte.
std::array<std::int32_t, 3> PairAndUnit(ChunkData data) {
  return {ReadInt32(data, 0), ReadInt32(data, 4), data[8]};
}

}  // namespace

PngFailure HandleIHDR(ChunkData data, PngFileInfo& info) {
  info.hasHeader = true;
  return ParseHeader(data, info.header);
}

// PLTE means nothing to grey images (PNG 11.2.3) and is then ignored without complaint.
PngFailure HandlePLTE(ChunkData data, PngFileInfo& info) {
  if (info.header.colourType == kGrey || info.header.colourType == kGreyAlpha) {
    return PngFailure::None;
  }
  if (data.size() % 3 != 0) return PngFailure::InvalidPalette;
  info.palette.assign(data.begin(), data.end());
  return PngFailure::None;
}

PngFailure HandleIDAT(ChunkData data, PngFileInfo& info) {
  try {
    info.imageData.insert(info.imageData.end(), data.begin(), data.end());
  } catch (const std::bad_alloc&) {
    return PngFailure::ImageDataAppendFailed;
  }
  return PngFailure::None;
}

// Grey: the low byte of the grey sample. RGB: the low bytes of the three samples as
// red x 65536 + green x 256 + blue. Palette: one alpha per index, missing ones opaque
// (PNG 11.3.2.1), and the transparent colour 0 marks that the table exists.
PngFailure HandleTRNS(ChunkData data, PngFileInfo& info) {
  switch (info.header.colourType) {
    case kGrey:
      if (data.size() < 2) return PngFailure::None;
      info.transparentColour = data[1];
      break;
    case kRGB:
      if (data.size() < 6) return PngFailure::None;
      info.transparentColour = (data[1] << 16) | (data[3] << 8) | data[5];
      break;
    case kPaletted:
      info.transparentColour = 0;
      break;
    default:
      return PngFailure::None;
  }
  info.transparency.assign(data.begin(), data.end());
  if (info.header.colourType == kPaletted) info.transparency.resize(256, 255);
  return PngFailure::None;
}

PngFailure HandleBKGD(ChunkData data, PngFileInfo& info) {
  const PngHeader& header = info.header;
  if (header.colourType == kRGB || header.colourType == kRGBA) {
    if (data.size() >= 6) info.background = data[1] | (data[3] << 8) | (data[5] << 16);
    return PngFailure::None;
  }
  std::size_t at = header.colourType == kPaletted ? 0 : 1;
  if (data.size() <= at) return PngFailure::None;
  if (auto colour = LookupColour(header, info.palette, data[at])) {
    info.background = ColourValue(*colour);
  }
  return PngFailure::None;
}

PngFailure HandleTIME(ChunkData data, PngFileInfo& info) {
  if (data.size() < 7) return PngFailure::None;
  info.modified =
      ModificationTime{(data[0] << 8) | data[1], data[2], data[3], data[4], data[5], data[6]};
  return PngFailure::None;
}

PngFailure HandleTEXT(ChunkData data, PngFileInfo& info) {
  info.texts.push_back(TextRecord{false, {data.begin(), data.end()}});
  return PngFailure::None;
}

PngFailure HandleZTXT(ChunkData data, PngFileInfo& info) {
  info.texts.push_back(TextRecord{true, {data.begin(), data.end()}});
  return PngFailure::None;
}

PngFailure HandleGAMA(ChunkData data, PngFileInfo& info) {
  if (data.size() == 4) info.gamma = ReadInt32(data, 0);
  return PngFailure::None;
}

PngFailure HandleCHRM(ChunkData data, PngFileInfo& info) {
  if (data.size() >= 32) info.chromaticity = ReadInt32s<8>(data);
  return PngFailure::None;
}

PngFailure HandleSRGB(ChunkData data, PngFileInfo& info) {
  if (!data.empty() && data[0] < 4) info.standardRGB = static_cast<std::uint8_t>(data[0] + 1);
  return PngFailure::None;
}

PngFailure HandlePHYS(ChunkData data, PngFileInfo& info) {
  if (data.size() > 8) info.physicalSize = PairAndUnit(data);
  return PngFailure::None;
}

PngFailure HandleOFFS(ChunkData data, PngFileInfo& info) {
  if (data.size() > 8) info.offsets = PairAndUnit(data);
  return PngFailure::None;
}

}  // namespace qorvexctl::png
