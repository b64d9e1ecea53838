#pragma once
// A frame: a captioned, etched box that groups the controls placed in it. Its access key
// moves the focus to the first tab stop inside it.

#include <string>

#include "qorvexctl/platform/widgets/Control.h"

namespace qorvexctl::platform {

class Frame : public Control {
 public:
  explicit Frame(Window& parent, std::string caption = "");
  std::string TypeName() const override { return "Frame"; }
  std::string WindowText() const override { return m_caption; }

  const std::string& Caption() const { return m_caption; }
  void Caption(std::string value);

  std::u32string AccessKeys() const override;
  void OnAccessKeyPress(int keyAscii) override;

 protected:
  void OnPaint(Canvas& canvas) override;

 private:
  std::string m_caption;
};

}  // namespace qorvexctl::platform
