#include "qorvexctl/platform/sdl/SdlPresenter.h"

#include <SDL.h>

#include "qorvexctl/base/FlagGuard.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Window.h"
#include "qorvexctl/platform/sdl/SdlClipboard.h"
#include "qorvexctl/platform/sdl/SdlInputTranslator.h"
#include "qorvexctl/platform/sdl/SdlSurfaceWindow.h"

namespace qorvexctl::platform {

std::unique_ptr<SdlPresenter> SdlPresenter::Open(Desktop& desktop, std::string title) {
  if (desktop.GetClock().IsVirtual()) return nullptr;  // modal loops would never see the user
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return nullptr;
  const Size screen = desktop.ScreenSize();
  auto window = SdlSurfaceWindow::Create(
      title.c_str(),
      Rect::FromSize(SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, screen.width, screen.height),
      screen, SDL_WINDOW_RESIZABLE);
  if (!window) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return nullptr;
  }
  SDL_RenderSetLogicalSize(window->Renderer(), screen.width, screen.height);
  return std::unique_ptr<SdlPresenter>(new SdlPresenter(desktop, std::move(window)));
}

SdlPresenter::SdlPresenter(Desktop& desktop, std::unique_ptr<SdlSurfaceWindow> window)
    : m_desktop(desktop),
      m_window(std::move(window)),
      m_translator(std::make_unique<SdlInputTranslator>(desktop)),
      m_clipboard(std::make_unique<SdlClipboard>(desktop)),
      m_textInput(std::make_unique<SdlTextInput>(desktop)) {}

SdlPresenter::~SdlPresenter() {
  m_textInput.reset();
  m_clipboard.reset();
  m_window.reset();
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::uint32_t SdlPresenter::WindowId() const { return m_window->Id(); }

void SdlPresenter::Present(Desktop& desktop) {
  if (desktop.SceneVersion() == m_shownVersion) return;
  const std::optional<Rect> changed = m_composer.Update(desktop);
  m_shownVersion = desktop.SceneVersion();
  if (changed && changed->IsEmpty()) return;
  const Rect area = changed.value_or(m_composer.Frame().Bounds());
  m_window->Upload(m_composer.Frame(), area, {area.left, area.top});
  ++m_framesUploaded;
  m_window->Redraw();
}

Surface SdlPresenter::ReadBack() const { return m_window->ReadBack(); }

void SdlPresenter::PollInput(Desktop& desktop, int timeoutMs) {
  SDL_Event event;
  bool got =
      timeoutMs > 0 ? SDL_WaitEventTimeout(&event, timeoutMs) != 0 : SDL_PollEvent(&event) != 0;
  while (got) {
    Handle(event);
    got = SDL_PollEvent(&event) != 0;
  }
  if (m_closeRequested && !m_closing) CloseInnermostModal(desktop);
}

void SdlPresenter::Handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      m_closeRequested = true;
      return;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) m_closeRequested = true;
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) m_clipboard->TakeSystemText();
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
          event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        m_window->Redraw();
      }
      return;
    default:
      break;
  }
  m_clipboard->Follow(event);
  m_translator->Translate(event);
}

// Closes the innermost modal form as its close box would. Its handlers may show boxes of their
// own ("save first?"), which must wait for the user, so nothing is closed while one runs.
void SdlPresenter::CloseInnermostModal(Desktop& desktop) {
  const Window* modal = desktop.ModalWindow();
  if (!modal) return;
  FlagGuard closing(m_closing);
  // A form answers WM_CLOSE with 1 once it has closed; 0 means the application refused.
  if (desktop.SendMessage(modal->hWnd(), WM_CLOSE) == 0) m_closeRequested = false;
}

}  // namespace qorvexctl::platform
