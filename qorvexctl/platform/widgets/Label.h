#pragma once
// A label: a caption drawn left, right or centred, with or without a border, on its own
// background or see-through (BackStyle 0). An "&" in the caption underlines the access key;
// Alt+key moves the focus to the control that follows the label in tab order.

#include <string>

#include "qorvexctl/platform/widgets/Control.h"

namespace qorvexctl::platform {

class Label : public Control {
 public:
  explicit Label(Window& parent, std::string caption = "");
  std::string TypeName() const override { return "Label"; }
  std::string WindowText() const override { return m_caption; }

  const std::string& Caption() const { return m_caption; }
  void Caption(std::string value);
  // Resizes the label to its caption (width, and height when WordWrap is set).
  bool AutoSize() const { return m_autoSize; }
  void AutoSize(bool value);
  bool WordWrap() const { return m_wordWrap; }
  void WordWrap(bool value);
  // 0 transparent, 1 opaque.
  int BackStyle() const { return m_backStyle; }
  void BackStyle(int value);
  // 0 left, 1 right, 2 centre.
  int Alignment() const { return m_alignment; }
  void Alignment(int value);
  // 0 none, 1 fixed single.
  int BorderStyle() const { return m_borderStyle; }
  void BorderStyle(int value);
  bool UseMnemonic() const { return m_useMnemonic; }
  void UseMnemonic(bool value);

  std::u32string AccessKeys() const override;
  void OnAccessKeyPress(int keyAscii) override;
  bool IsTransparent() const override { return m_backStyle == 0; }

 protected:
  void OnPaint(Canvas& canvas) override;

 private:
  unsigned TextFormat() const;
  void FitToCaption();

  std::string m_caption;
  bool m_autoSize{false};
  bool m_wordWrap{false};
  int m_backStyle{1};
  int m_alignment{0};
  int m_borderStyle{0};
  bool m_useMnemonic{true};
};

}  // namespace qorvexctl::platform
