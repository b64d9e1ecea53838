#pragma once
// The desktop clipboard: text and a picture, as the classic Clipboard object offers them
// (Clear, SetText, GetText, SetData, GetData, GetFormat). A presenter may mirror the text to the
// real system clipboard through the change notification.

#include <functional>
#include <memory>
#include <string>

namespace qorvexctl::platform {

class Picture;

class Clipboard {
 public:
  enum Format { vbCFText = 1, vbCFBitmap = 2 };

  void Clear();
  void SetText(std::string text);
  // The text, or "" when the clipboard holds none.
  const std::string& GetText() const { return m_text; }
  void SetData(std::shared_ptr<const Picture> picture);
  std::shared_ptr<const Picture> GetData() const { return m_picture; }
  bool GetFormat(Format format) const;

  // Called after every change (a presenter copies the text to the system clipboard).
  std::function<void()> OnChanged;

 private:
  void Notify();
  std::string m_text;
  bool m_hasText{false};
  std::shared_ptr<const Picture> m_picture;
};

}  // namespace qorvexctl::platform
