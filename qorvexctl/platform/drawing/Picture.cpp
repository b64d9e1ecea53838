#include "qorvexctl/platform/drawing/Picture.h"

#include <utility>

namespace qorvexctl::platform {

Picture::Picture(Surface pixels, PictureType type) : pixels_(std::move(pixels)), type_(type) {}

}  // namespace qorvexctl::platform
