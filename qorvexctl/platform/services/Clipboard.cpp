#include "qorvexctl/platform/services/Clipboard.h"

namespace qorvexctl::platform {

void Clipboard::Clear() {
  m_text.clear();
  m_hasText = false;
  m_picture.reset();
  Notify();
}

void Clipboard::SetText(std::string text) {
  m_text = std::move(text);
  m_hasText = true;
  Notify();
}

void Clipboard::SetData(std::shared_ptr<const Picture> picture) {
  m_picture = std::move(picture);
  Notify();
}

bool Clipboard::GetFormat(Format format) const {
  return format == vbCFText ? m_hasText : format == vbCFBitmap ? m_picture != nullptr : false;
}

void Clipboard::Notify() {
  if (OnChanged) OnChanged();
}

}  // namespace qorvexctl::platform
