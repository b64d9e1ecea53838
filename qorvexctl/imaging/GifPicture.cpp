#include "qorvexctl/imaging/GifPicture.h"

#include "qorvexctl/imaging/gif/GifParser.h"
#include "qorvexctl/imaging/gif/GifSurfaces.h"

namespace qorvexctl {

bool LooksLikeGif(std::span<const std::uint8_t> bytes) { return HasGifSignature(bytes); }

bool DecodeGifPicture(std::span<const std::uint8_t> bytes, platform::Picture& out) {
  GifImage image;
  if (!image.Load(bytes)) return false;
  GifComposer composer(image);
  composer.Show(0);
  platform::Picture picture(GifPictureSurface(composer));
  if (picture.IsEmpty()) return false;
  out = std::move(picture);
  return true;
}

platform::PictureFormat GifPictureFormat() { return {"GIF", LooksLikeGif, DecodeGifPicture}; }

}  // namespace qorvexctl
