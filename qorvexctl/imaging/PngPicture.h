#pragma once
// PNG as a format of the drawing layer's picture loader: the picture is the image decoded to a
// 32-bit premultiplied bitmap that keeps the file's transparency.
//
//   loader.Register(PngPictureFormat());

#include <cstdint>
#include <span>

#include "qorvexctl/platform/codecs/PictureLoader.h"
#include "qorvexctl/platform/drawing/Picture.h"

namespace qorvexctl {

// True when the bytes start with the PNG signature.
bool LooksLikePng(std::span<const std::uint8_t> bytes);

// Decodes the file with every CRC checked; false, with `out` untouched, when it does not load.
bool DecodePngPicture(std::span<const std::uint8_t> bytes, platform::Picture& out);

platform::PictureFormat PngPictureFormat();

}  // namespace qorvexctl
