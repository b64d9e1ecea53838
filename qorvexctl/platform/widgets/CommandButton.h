#pragma once
// A push button: Click on a left-button release over it, on the space bar, on its access key
// ("&OK") and, as the form's default or cancel button, on Enter or Escape.

#include <string>

#include "qorvexctl/platform/widgets/Control.h"

namespace qorvexctl::platform {

class CommandButton : public Control {
 public:
  explicit CommandButton(Window& parent, std::string caption = "");
  std::string TypeName() const override { return "CommandButton"; }
  std::string WindowText() const override { return m_caption; }

  const std::string& Caption() const { return m_caption; }
  void Caption(std::string value);
  // The button Enter presses on its form.
  bool Default() const;
  void Default(bool value);
  // The button Escape presses on its form.
  bool Cancel() const;
  void Cancel(bool value);

  bool CanTakeFocus() const override { return true; }
  bool WantsKey(int keyCode) const override;
  std::u32string AccessKeys() const override;
  void OnAccessKeyPress(int keyAscii) override;

 protected:
  void OnPaint(Canvas& canvas) override;
  void OnMouseDown(int button, int shift, Point p) override;
  void OnMouseUp(int button, int shift, Point p) override;
  void OnKeyDown(int& keyCode, int shift) override;
  void OnKeyUp(int& keyCode, int shift) override;
  void OnGotFocus() override;
  void OnLostFocus() override;

 private:
  std::string m_caption;
  bool m_pressed{false};
};

}  // namespace qorvexctl::platform
