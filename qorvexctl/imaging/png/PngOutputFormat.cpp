#include "qorvexctl/imaging/png/PngOutputFormat.h"

#include "qorvexctl/imaging/png/PngColours.h"

namespace qorvexctl::png {

namespace {

// The RGB tRNS colour (red x 65536 + green x 256 + blue) as a BGR colour value.
std::int32_t SwapRedAndBlue(std::int32_t rgb) {
  return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

TransparencyTreatment TransparentColourBackground(const PngFileInfo& info) {
  switch (info.header.colourType) {
    case kRGB:
      return {true, SwapRedAndBlue(info.transparentColour)};
    case kGrey: {
      auto grey = LookupColour(info.header, info.palette, info.transparentColour);
      return {true, grey ? ColourValue(*grey) : -1};
    }
    default:
      return {false, -1};
  }
}

}  // namespace

TransparencyTreatment ResolveTransparency(const PngFileInfo& info, std::int32_t style,
                                          const std::function<std::int32_t(int)>& systemColour) {
  if (!info.HasAlpha()) return {false, -1};
  switch (style) {
    case kAlphaTransparent:
      return {true, -1};
    case kAlphaNoBkgNoAlpha:
      return {false, -1};
    case kAlphaTransColorBkg:
      return TransparentColourBackground(info);
    case kAlphaPNGwindowBkg:
      return {true, info.background != -1 ? info.background : 0xFFFFFF};
    default:
      break;
  }
  if (style < 0) return {true, systemColour(style & 0xFF) & 0xFFFFFF};
  return {true, style & 0xFFFFFF};
}

int OutputBitCount(const PngFileInfo& info, bool keepAlpha, bool force32) {
  const PngHeader& header = info.header;
  if (force32 || (keepAlpha && info.HasAlpha())) return 32;
  switch (header.colourType) {
    case kRGB:
    case kGreyAlpha:
    case kRGBA:
      return 24;
    default:
      break;
  }
  switch (header.bitDepth) {
    case 1:
      return 1;
    case 2:
    case 4:
      return 4;
    default:
      return 8;
  }
}

std::vector<platform::ColourTableEntry> ColourTable(const PngFileInfo& info, int bitCount) {
  std::vector<platform::ColourTableEntry> table;
  if (bitCount > 8) return table;
  const std::size_t size = std::size_t{1} << bitCount;
  const std::size_t fromPalette = std::min(size, info.palette.size() / 3);
  for (std::size_t i = 0; i < size; ++i) {
    if (!info.palette.empty()) {
      if (i >= fromPalette) break;
      const std::uint8_t* rgb = &info.palette[i * 3];
      table.push_back({rgb[2], rgb[1], rgb[0], 0});
    } else {
      auto grey = static_cast<std::uint8_t>(i * 255 / (size - 1));
      table.push_back({grey, grey, grey, 0});
    }
  }
  table.resize(size);
  return table;
}

std::vector<std::uint8_t> FourGreys() {
  return {0x00, 0x00, 0x00, 0x55, 0x55, 0x55, 0xAA, 0xAA, 0xAA, 0xFF, 0xFF, 0xFF};
}

}  // namespace qorvexctl::png
