#include "qorvexctl/platform/headless/HeadlessPresenter.h"

#include "qorvexctl/platform/Compositor.h"
#include "qorvexctl/platform/Desktop.h"
#include "qorvexctl/platform/Screenshot.h"
#include "qorvexctl/platform/Window.h"

namespace qorvexctl::platform {

const Surface& HeadlessPresenter::Frame(Desktop& desktop) {
  desktop.PaintPending();
  if (m_frameVersion != desktop.SceneVersion() || m_frame.IsEmpty()) {
    m_frame = ComposeDesktop(desktop);
    m_frameVersion = desktop.SceneVersion();
  }
  return m_frame;
}

bool HeadlessPresenter::Screenshot(Desktop& desktop, const std::filesystem::path& file) {
  return WritePng(ComposeDesktop(desktop), file);
}

bool HeadlessPresenter::Screenshot(Window& window, const std::filesystem::path& file) {
  return WritePng(ComposeWindow(window), file);
}

}  // namespace qorvexctl::platform
