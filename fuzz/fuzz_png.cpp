// Fuzz target: any byte string through StdPNG, once keeping alpha in a 32-bit bitmap and once
// with the default settings and no ancillary CRC checks, then every property read.

#include <cstddef>
#include <cstdint>
#include <span>

#include "qorvexctl/imaging/StdPNG.h"

namespace {

void ReadProperties(const qorvexctl::StdPNG& png) {
  (void)png.Comments("-");
  (void)png.Palette();
  (void)png.LastModified();
  (void)png.Chromaticity();
  (void)png.ScanLineWidth();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::span<const std::uint8_t> bytes(data, size);
  qorvexctl::StdPNG png;
  png.TransparentStyle(qorvexctl::alphaTransparent);
  if (png.LoadBytes(bytes, true, true)) ReadProperties(png);
  png.TransparentStyle(0);
  if (png.LoadBytes(bytes, false, false, 200)) ReadProperties(png);
  return 0;
}
