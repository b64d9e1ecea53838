// TextBox: the caret position under the pointer.

#include "qorvexctl/platform/TextBox.h"

namespace qorvexctl::platform {

std::size_t TextBox::PositionFromPoint(Point p) const {
  constexpr int kAverageCharWidth = 7;
  const int x = std::max(0, p.x - 2);
  return std::min(m_edit.Length(), static_cast<std::size_t>((x + kAverageCharWidth / 2) / kAverageCharWidth));
}

}  // namespace qorvexctl::platform
