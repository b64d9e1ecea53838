#pragma once
// The window presenter: the desktop shown in a real SDL window, with the real mouse, keyboard,
// text input and clipboard feeding it. The window shows the whole desktop screen (scaled when
// the user resizes it); only the part of the screen that changed is composed and uploaded.
//
// The desktop must run on the real clock (Options::ForApplication). Closing the window sends
// WM_CLOSE to the modal forms from the innermost out, as their close boxes would, so the host's
// modal loop ends; a form whose QueryUnload refuses stays open and the request is dropped.
// Whoever opens the window also chooses how message boxes are answered: a real user now sees
// them, so hosts install the drawn ones (widgets' FormMessageBoxService).
//
//   Desktop desktop(Desktop::Options::ForApplication());
//   if (auto window = SdlPresenter::Open(desktop, "IRS")) {
//     desktop.SetPresenter(std::move(window));
//     desktop.SetMessageBoxService(std::make_unique<FormMessageBoxService>(desktop));
//   }
//   mainForm.Show(vbModal);

#include <cstdint>
#include <memory>
#include <string>

#include "qorvexctl/platform/desktop/IncrementalComposer.h"
#include "qorvexctl/platform/desktop/Presenter.h"
#include "qorvexctl/platform/drawing/Surface.h"

union SDL_Event;

namespace qorvexctl::platform {

class SdlClipboard;
class SdlInputTranslator;
class SdlTextInput;
class SdlSurfaceWindow;

class SdlPresenter final : public Presenter {
 public:
  // nullptr when SDL cannot open a window (no display) or the desktop runs on a virtual clock.
  static std::unique_ptr<SdlPresenter> Open(Desktop& desktop, std::string title);
  ~SdlPresenter() override;

  bool Interactive() const override { return true; }
  void Present(Desktop& desktop) override;
  void PollInput(Desktop& desktop, int timeoutMs) override;

  // The user asked to close the window and no form refused it.
  bool CloseRequested() const { return m_closeRequested; }
  // The SDL id of the window, for events a test pushes at it.
  std::uint32_t WindowId() const;
  // The pixels the window shows now, read back from the renderer at the desktop's size.
  Surface ReadBack() const;
  // How many frames were uploaded to the window so far.
  int FramesUploaded() const { return m_framesUploaded; }

 private:
  SdlPresenter(Desktop& desktop, std::unique_ptr<SdlSurfaceWindow> window);
  void Handle(const SDL_Event& event);
  void CloseInnermostModal(Desktop& desktop);

  Desktop& m_desktop;
  std::unique_ptr<SdlSurfaceWindow> m_window;
  std::unique_ptr<SdlInputTranslator> m_translator;
  std::unique_ptr<SdlClipboard> m_clipboard;
  std::unique_ptr<SdlTextInput> m_textInput;
  IncrementalComposer m_composer;
  std::uint64_t m_shownVersion{~0ull};
  int m_framesUploaded{0};
  bool m_closeRequested{false};
  bool m_closing{false};  // a form's close handlers are running
};

}  // namespace qorvexctl::platform
