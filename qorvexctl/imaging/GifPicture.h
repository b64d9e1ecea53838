#pragma once
// GIF as a format of the drawing layer's picture loader: the picture is the first frame
// composed on the file's overall size, 32-bit with transparent pixels fully transparent.
//
//   loader.Register(GifPictureFormat());

#include <cstdint>
#include <span>

#include "qorvexctl/platform/codecs/PictureLoader.h"
#include "qorvexctl/platform/drawing/Picture.h"

namespace qorvexctl {

// True when the bytes start with "GIF87a" or "GIF89a" in any case.
bool LooksLikeGif(std::span<const std::uint8_t> bytes);

// Decodes the whole file and composes its first frame; false, with `out` untouched, when the
// file does not load.
bool DecodeGifPicture(std::span<const std::uint8_t> bytes, platform::Picture& out);

platform::PictureFormat GifPictureFormat();

}  // namespace qorvexctl
