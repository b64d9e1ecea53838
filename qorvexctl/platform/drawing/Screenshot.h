#pragma once
// Screenshots: any surface written as a PNG file (indexed and 24-bit surfaces as opaque
// colours, 32-bit surfaces with their alpha).

#include <cstdint>
#include <filesystem>
#include <vector>

#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl::platform {

// A 32-bit copy of a surface (colour tables looked up, other depths opaque).
Surface ToBgra32(const Surface& s);

// Writes the surface as a PNG file; false when the surface is empty or the file cannot be
// written.
bool WritePng(const Surface& s, const std::filesystem::path& file);

// The surface as the bytes of a PNG file; nothing for an empty surface.
std::vector<std::uint8_t> EncodePng(const Surface& s);

}  // namespace qorvexctl::platform
