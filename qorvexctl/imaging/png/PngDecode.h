#pragma once
// Decoding a PNG file held in memory: one call from the file's bytes to a surface, and the
// steps that call is made of, for a caller that acts between them (StdPNG raises its events
// after inflation and shows rows while they arrive).
//
//   png::Decoded image = png::Decode(bytes);
//   if (image.failure == png::Failure::None) Use(image.surface);

#include <cstdint>
#include <memory>
#include <span>

#include "qorvexctl/imaging/png/PngFailure.h"
#include "qorvexctl/imaging/png/PngFileInfo.h"
#include "qorvexctl/imaging/png/PngRowConverter.h"
#include "qorvexctl/imaging/png/PngScanlines.h"
#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl::png {

struct DecodeOptions {
  bool validateAllData = true;  // also check the CRCs of the ancillary chunks
  bool keepAlpha = true;        // false: every pixel opaque
  bool force32 = true;          // a 32-bit premultiplied surface whatever the image holds
};

// A decoded image, or the reason there is none (and an empty surface).
struct Decoded {
  Failure failure = Failure::None;
  platform::Surface surface;
};

// The compressed and inflated data buffers (up to 64 MiB each) stay with the calling thread
// for its next decode.
Decoded Decode(std::span<const std::uint8_t> bytes, const DecodeOptions& options = {});

// The inflated image data. Its bytes are not cleared when it grows: inflation writes them
// all. The allocation is kept from one load to the next.
class InflateBuffer {
 public:
  // `size` bytes, or an empty span when they cannot be allocated.
  std::span<std::uint8_t> Resize(std::size_t size);
  std::span<std::uint8_t> Bytes() const { return {m_bytes.get(), m_size}; }

 private:
  std::unique_ptr<std::uint8_t[]> m_bytes;
  std::size_t m_capacity = 0;
  std::size_t m_size = 0;
};

// Inflates the image data of `info` in one call into `inflated`, sized exactly as the header
// says.
Failure InflateImageData(const PngFileInfo& info, InflateBuffer& inflated);

// Bits per pixel of the output surface (see OutputBitCount); a 2-bit grey image stored with
// 4 bits gets a palette of four greys in `info`.
int ChooseOutputBits(PngFileInfo& info, bool keepAlpha, bool force32);

// A surface of the image's size and `bitCount` bits with its colour table; empty when it
// cannot be made.
platform::Surface MakeSurface(const PngFileInfo& info, int bitCount);

// The converter from the image's scanlines to rows of `bitCount` bits.
PngRowConverter MakeConverter(const PngFileInfo& info, int bitCount, bool keepAlpha);

}  // namespace qorvexctl::png
