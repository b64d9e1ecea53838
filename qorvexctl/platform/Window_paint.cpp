// Window painting: the backing surface and the paint cycle.

#include "qorvexctl/platform/Desktop.h"
#include "qorvexctl/platform/Window.h"

namespace qorvexctl::platform {

void Window::Paint() {
  m_needsPaint = false;
}

}  // namespace qorvexctl::platform
