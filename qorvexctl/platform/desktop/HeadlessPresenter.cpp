#include "qorvexctl/platform/desktop/HeadlessPresenter.h"

#include "qorvexctl/platform/desktop/Compositor.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Window.h"
#include "qorvexctl/platform/drawing/Screenshot.h"

namespace qorvexctl::platform {

const Surface& HeadlessPresenter::Frame(Desktop& desktop) {
  m_composer.Update(desktop);
  return m_composer.Frame();
}

bool HeadlessPresenter::Screenshot(Desktop& desktop, const std::filesystem::path& file) {
  return WritePng(ComposeDesktop(desktop), file);
}

bool HeadlessPresenter::Screenshot(Window& window, const std::filesystem::path& file) {
  return WritePng(ComposeWindow(window), file);
}

}  // namespace qorvexctl::platform
