#include "qorvexctl/imaging/PngPicture.h"

#include "qorvexctl/imaging/png/PngChunkWalker.h"
#include "qorvexctl/imaging/png/PngDecode.h"

namespace qorvexctl {

bool LooksLikePng(std::span<const std::uint8_t> bytes) { return png::HasPngSignature(bytes); }

bool DecodePngPicture(std::span<const std::uint8_t> bytes, platform::Picture& out) {
  png::Decoded image = png::Decode(bytes);
  if (image.failure != png::Failure::None) return false;
  out = platform::Picture(std::move(image.surface));
  return true;
}

platform::PictureFormat PngPictureFormat() { return {"PNG", LooksLikePng, DecodePngPicture}; }

}  // namespace qorvexctl
