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

Failure HandleIHDR(ChunkData data, PngFileInfo& info);
Failure HandlePLTE(ChunkData data, PngFileInfo& info);
Failure HandleIDAT(ChunkData data, PngFileInfo& info);
Failure HandleTRNS(ChunkData data, PngFileInfo& info);
Failure HandleBKGD(ChunkData data, PngFileInfo& info);
Failure HandleTIME(ChunkData data, PngFileInfo& info);
Failure HandleTEXT(ChunkData data, PngFileInfo& info);
Failure HandleZTXT(ChunkData data, PngFileInfo& info);
Failure HandleGAMA(ChunkData data, PngFileInfo& info);
Failure HandleCHRM(ChunkData data, PngFileInfo& info);
Failure HandleSRGB(ChunkData data, PngFileInfo& info);
Failure HandlePHYS(ChunkData data, PngFileInfo& info);
Failure HandleOFFS(ChunkData data, PngFileInfo& info);

}  // namespace qorvexctl::png
