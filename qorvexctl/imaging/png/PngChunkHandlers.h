#pragma once
// One handler per chunk type. Each takes the chunk's data (without length, type and CRC) and
// stores what it finds in a PngFileInfo. Handlers of ancillary chunks never fail: data they
// cannot use leaves the item at its value for an absent chunk.

#include <cstdint>
#include <span>

#include "qorvexctl/imaging/png/PngFailure.h"
#include "qorvexctl/imaging/png/PngFileInfo.h"

namespace qorvexctl::png {

using ChunkData = std::span<const std::uint8_t>;

PngFailure HandleIHDR(ChunkData data, PngFileInfo& info);
PngFailure HandlePLTE(ChunkData data, PngFileInfo& info);
PngFailure HandleIDAT(ChunkData data, PngFileInfo& info);
PngFailure HandleTRNS(ChunkData data, PngFileInfo& info);
PngFailure HandleBKGD(ChunkData data, PngFileInfo& info);
PngFailure HandleTIME(ChunkData data, PngFileInfo& info);
PngFailure HandleTEXT(ChunkData data, PngFileInfo& info);
PngFailure HandleZTXT(ChunkData data, PngFileInfo& info);
PngFailure HandleGAMA(ChunkData data, PngFileInfo& info);
PngFailure HandleCHRM(ChunkData data, PngFileInfo& info);
PngFailure HandleSRGB(ChunkData data, PngFileInfo& info);
PngFailure HandlePHYS(ChunkData data, PngFileInfo& info);
PngFailure HandleOFFS(ChunkData data, PngFileInfo& info);

}  // namespace qorvexctl::png
