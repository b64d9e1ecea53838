#include "qorvexctl/imaging/PictureFormats.h"

#include "qorvexctl/imaging/GifPicture.h"
#include "qorvexctl/imaging/PngPicture.h"
#include "qorvexctl/platform/codecs/IcoDecoder.h"

namespace qorvexctl {

namespace {

platform::PictureLoader MakePictureFormats() {
  platform::PictureLoader loader;
  loader.Register(GifPictureFormat());
  loader.Register(PngPictureFormat());
  loader.Register(platform::IcoPictureFormat(DecodePngPicture));
  return loader;
}

}  // namespace

const platform::PictureLoader& PictureFormats() {
  static const platform::PictureLoader formats = MakePictureFormats();
  return formats;
}

}  // namespace qorvexctl
