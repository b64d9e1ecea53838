#include "qorvexctl/imaging/GifPicture.h"

#include "qorvexctl/imaging/gif/GifParser.h"
#include "qorvexctl/imaging/gif/GifSurfaces.h"

namespace qorvexctl {

bool LooksLikeGif(std::span<const std::uint8_t> bytes) { return gif::HasGifSignature(bytes); }

bool DecodeGifPicture(std::span<const std::uint8_t> bytes, platform::Picture& out) {
  gif::GifImage image;
  if (!image.Load(bytes)) return false;
  gif::GifComposer composer(image);
  composer.Show(0);
  platform::Picture picture(gif::GifPictureSurface(composer));
  if (picture.IsEmpty()) return false;
  out = std::move(picture);
  return true;
}

platform::PictureFormat GifPictureFormat() { return {"GIF", LooksLikeGif, DecodeGifPicture}; }

}  // namespace qorvexctl
