#include "qorvexctl/imaging/PngPicture.h"

#include "qorvexctl/imaging/GifPicture.h"
#include "qorvexctl/imaging/StdPNG.h"
#include "qorvexctl/imaging/png/PngChunkWalker.h"
#include "qorvexctl/platform/codecs/IcoDecoder.h"

namespace qorvexctl {

bool LooksLikePng(std::span<const std::uint8_t> bytes) { return png::HasPngSignature(bytes); }

bool DecodePngPicture(std::span<const std::uint8_t> bytes, platform::Picture& out) {
  StdPNG png;
  png.TransparentStyle(alphaTransparent);
  if (!png.LoadBytes(bytes, /*ValidateAllData=*/true, /*Make32Bit=*/true)) return false;
  const platform::Surface* pixels = png.Handle();
  if (pixels == nullptr || pixels->IsEmpty()) return false;
  out = platform::Picture(*pixels);
  return true;
}

platform::PictureFormat PngPictureFormat() { return {"PNG", LooksLikePng, DecodePngPicture}; }

platform::PictureLoader StandardPictureLoader() {
  platform::PictureLoader loader;
  loader.Register(GifPictureFormat());
  loader.Register(PngPictureFormat());
  loader.Register(platform::IcoPictureFormat(DecodePngPicture));
  return loader;
}

}  // namespace qorvexctl
