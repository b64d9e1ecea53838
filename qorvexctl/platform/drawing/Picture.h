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

  bool IsEmpty() const { return pixels_.IsEmpty(); }
  PictureType Type() const { return IsEmpty() ? PictureType::None : type_; }
  int Width() const { return pixels_.Width(); }
  int Height() const { return pixels_.Height(); }
  const Surface& Pixels() const { return pixels_; }
  Surface& Pixels() { return pixels_; }

 private:
  Surface pixels_;
  PictureType type_ = PictureType::None;
};

}  // namespace qorvexctl::platform
