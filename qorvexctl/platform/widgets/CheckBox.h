#pragma once
// A check box: Value 0 (unchecked), 1 (checked) or 2 (grayed). Clicking, the space bar and
// the access key toggle it; every change of Value, by the user or by code, raises Click.

#include <string>

#include "qorvexctl/platform/widgets/Control.h"

namespace qorvexctl::platform {

enum CheckBoxValue : int { vbUnchecked = 0, vbChecked = 1, vbGrayed = 2 };

class CheckBox : public Control {
 public:
  explicit CheckBox(Window& parent, std::string caption = "");
  std::string TypeName() const override { return "CheckBox"; }
  std::string WindowText() const override { return m_caption; }

  const std::string& Caption() const { return m_caption; }
  void Caption(std::string value);
  int Value() const { return m_value; }
  void Value(int value);

  bool CanTakeFocus() const override { return true; }
  std::u32string AccessKeys() const override;
  void OnAccessKeyPress(int keyAscii) override;

 protected:
  void OnPaint(Canvas& canvas) override;
  void OnKeyUp(int& keyCode, int shift) override;
  bool ClicksOnRelease() const override { return false; }
  void OnMouseUp(int button, int shift, Point p) override;
  void OnGotFocus() override;
  void OnLostFocus() override;

 private:
  void Toggle();
  std::string m_caption;
  int m_value{vbUnchecked};
};

}  // namespace qorvexctl::platform
