#include "qorvexctl/platform/drawing/Picture.h"

#include <utility>

namespace qorvexctl::platform {

Picture::Picture(Surface pixels, PictureType type) : m_pixels(std::move(pixels)), m_type(type) {}

}  // namespace qorvexctl::platform
