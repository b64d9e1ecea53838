#pragma once
// A picture: a bitmap or an icon with its pixel size, held as a surface. Pictures are shared
// between controls through std::shared_ptr; an empty picture stands for "no picture".

#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl::platform {

// The classic picture type numbers.
enum class PictureType { None = 0, Bitmap = 1, Icon = 3 };

class Picture {
 public:
  // No picture.
  Picture() = default;
  // A picture of the surface's pixels; an empty surface gives no picture.
  explicit Picture(Surface pixels, PictureType type = PictureType::Bitmap);

  bool IsEmpty() const { return m_pixels.IsEmpty(); }
  PictureType Type() const { return IsEmpty() ? PictureType::None : m_type; }
  int Width() const { return m_pixels.Width(); }
  int Height() const { return m_pixels.Height(); }
  const Surface& Pixels() const { return m_pixels; }
  Surface& Pixels() { return m_pixels; }

 private:
  Surface m_pixels;
  PictureType m_type = PictureType::None;
};

}  // namespace qorvexctl::platform
