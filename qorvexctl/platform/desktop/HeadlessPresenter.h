#pragma once
// The headless presenter: nobody watches, so nothing is shown and modal windows are answered
// by scripts or cancelled. It composes the desktop on request and writes PNG screenshots.

#include <filesystem>

#include "qorvexctl/platform/desktop/IncrementalComposer.h"
#include "qorvexctl/platform/desktop/Presenter.h"
#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl::platform {

class Window;

class HeadlessPresenter final : public Presenter {
 public:
  // The composed desktop. Only what changed since the last frame is composed again: the
  // rectangles of windows repainted in place, or everything after any other change.
  const Surface& Frame(Desktop& desktop);

  // Writes the whole desktop, or one window with its children, as a PNG file.
  static bool Screenshot(Desktop& desktop, const std::filesystem::path& file);
  static bool Screenshot(Window& window, const std::filesystem::path& file);

 private:
  IncrementalComposer m_composer;
};

}  // namespace qorvexctl::platform
