#include "qorvexctl/imaging/png/PngChunkHandlers.h"

#include <new>

#include "qorvexctl/imaging/png/PngColours.h"

namespace qorvexctl::png {

namespace {

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

Failure HandleIHDR(ChunkData data, PngFileInfo& info) {
  info.hasHeader = true;
  return ParseHeader(data, info.header);
}

// PLTE means nothing to grey images (PNG 11.2.3) and is then ignored without complaint.
Failure HandlePLTE(ChunkData data, PngFileInfo& info) {
  if (info.header.colourType == kGrey || info.header.colourType == kGreyAlpha) {
    return Failure::None;
  }
  if (data.size() % 3 != 0) return Failure::InvalidPalette;
  info.palette.assign(data.begin(), data.end());
  return Failure::None;
}

Failure HandleIDAT(ChunkData data, PngFileInfo& info) {
  try {
    info.imageData.insert(info.imageData.end(), data.begin(), data.end());
  } catch (const std::bad_alloc&) {
    return Failure::ImageDataAppendFailed;
  }
  return Failure::None;
}

// Grey: the low byte of the grey sample. RGB: the low bytes of the three samples as
// red x 65536 + green x 256 + blue. Palette: one alpha per index, missing ones opaque
// (PNG 11.3.2.1), and the transparent colour 0 marks that the table exists.
Failure HandleTRNS(ChunkData data, PngFileInfo& info) {
  switch (info.header.colourType) {
    case kGrey:
      if (data.size() < 2) return Failure::None;
      info.transparentColour = data[1];
      break;
    case kRGB:
      if (data.size() < 6) return Failure::None;
      info.transparentColour = (data[1] << 16) | (data[3] << 8) | data[5];
      break;
    case kPaletted:
      info.transparentColour = 0;
      break;
    default:
      return Failure::None;
  }
  info.transparency.assign(data.begin(), data.end());
  if (info.header.colourType == kPaletted) info.transparency.resize(256, 255);
  return Failure::None;
}

Failure HandleBKGD(ChunkData data, PngFileInfo& info) {
  const PngHeader& header = info.header;
  if (header.colourType == kRGB || header.colourType == kRGBA) {
    if (data.size() >= 6) info.background = data[1] | (data[3] << 8) | (data[5] << 16);
    return Failure::None;
  }
  std::size_t at = header.colourType == kPaletted ? 0 : 1;
  if (data.size() <= at) return Failure::None;
  if (auto colour = LookupColour(header, info.palette, data[at])) {
    info.background = ColourValue(*colour);
  }
  return Failure::None;
}

Failure HandleTIME(ChunkData data, PngFileInfo& info) {
  if (data.size() < 7) return Failure::None;
  info.modified =
      ModificationTime{(data[0] << 8) | data[1], data[2], data[3], data[4], data[5], data[6]};
  return Failure::None;
}

Failure HandleTEXT(ChunkData data, PngFileInfo& info) {
  info.texts.push_back(TextRecord{false, {data.begin(), data.end()}});
  return Failure::None;
}

Failure HandleZTXT(ChunkData data, PngFileInfo& info) {
  info.texts.push_back(TextRecord{true, {data.begin(), data.end()}});
  return Failure::None;
}

Failure HandleGAMA(ChunkData data, PngFileInfo& info) {
  if (data.size() == 4) info.gamma = ReadInt32(data, 0);
  return Failure::None;
}

Failure HandleCHRM(ChunkData data, PngFileInfo& info) {
  if (data.size() >= 32) info.chromaticity = ReadInt32s<8>(data);
  return Failure::None;
}

Failure HandleSRGB(ChunkData data, PngFileInfo& info) {
  if (!data.empty() && data[0] < 4) info.standardRGB = static_cast<std::uint8_t>(data[0] + 1);
  return Failure::None;
}

Failure HandlePHYS(ChunkData data, PngFileInfo& info) {
  if (data.size() > 8) info.physicalSize = PairAndUnit(data);
  return Failure::None;
}

Failure HandleOFFS(ChunkData data, PngFileInfo& info) {
  if (data.size() > 8) info.offsets = PairAndUnit(data);
  return Failure::None;
}

}  // namespace qorvexctl::png
