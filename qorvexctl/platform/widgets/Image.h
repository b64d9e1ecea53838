#pragma once
// An image control: a picture shown at its natural size (the control takes the picture's size)
// or stretched to the control (Stretch). Pixels the picture leaves transparent show what is
// behind the control.

#include <memory>

#include "qorvexctl/platform/drawing/Picture.h"
#include "qorvexctl/platform/widgets/Control.h"

namespace qorvexctl::platform {

class Image : public Control {
 public:
  explicit Image(Window& parent);
  std::string TypeName() const override { return "Image"; }

  std::shared_ptr<platform::Picture> Picture() const { return m_picture; }
  void Picture(std::shared_ptr<platform::Picture> value);
  bool Stretch() const { return m_stretch; }
  void Stretch(bool value);
  bool IsTransparent() const override { return true; }

 protected:
  void OnPaint(Canvas& canvas) override;

 private:
  void FitToPicture();
  std::shared_ptr<platform::Picture> m_picture;
  bool m_stretch{false};
};

}  // namespace qorvexctl::platform
