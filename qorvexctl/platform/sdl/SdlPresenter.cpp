#include "qorvexctl/platform/sdl/SdlPresenter.h"

#include <SDL.h>

#include "qorvexctl/base/FlagGuard.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Window.h"
#include "qorvexctl/platform/sdl/SdlInputTranslator.h"

namespace qorvexctl::platform {
namespace {

SDL_Renderer* CreateRenderer(SDL_Window* window) {
  if (SDL_Renderer* accelerated = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED)) {
    return accelerated;
  }
  return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
}

// Ctrl+V and Shift+Insert paste: the desktop must hold the system clipboard's text first.
bool IsPasteChord(const SDL_KeyboardEvent& key) {
  const bool ctrlV = key.keysym.sym == SDLK_v && (key.keysym.mod & KMOD_CTRL);
  const bool shiftInsert = key.keysym.sym == SDLK_INSERT && (key.keysym.mod & KMOD_SHIFT);
  return key.state == SDL_PRESSED && (ctrlV || shiftInsert);
}

}  // namespace

std::unique_ptr<SdlPresenter> SdlPresenter::Open(Desktop& desktop, std::string title) {
  if (desktop.GetClock().IsVirtual()) return nullptr;  // modal loops would never see the user
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return nullptr;
  const Size screen = desktop.ScreenSize();
  SDL_Window* window =
      SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, screen.width,
                       screen.height, SDL_WINDOW_RESIZABLE);
  SDL_Renderer* renderer = window ? CreateRenderer(window) : nullptr;
  SDL_Texture* texture =
      renderer ? SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                   screen.width, screen.height)
               : nullptr;
  if (!texture) {
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return nullptr;
  }
  SDL_RenderSetLogicalSize(renderer, screen.width, screen.height);
  return std::unique_ptr<SdlPresenter>(new SdlPresenter(desktop, window, renderer, texture));
}

SdlPresenter::SdlPresenter(Desktop& desktop, SDL_Window* window, SDL_Renderer* renderer,
                           SDL_Texture* texture)
    : m_desktop(desktop),
      m_window(window),
      m_renderer(renderer),
      m_texture(texture),
      m_translator(std::make_unique<SdlInputTranslator>(desktop)) {
  desktop.Keyboard().CharactersFromTextInput(true);
  desktop.GetClipboard().OnChanged = [this] { CopyToSystemClipboard(); };
  SDL_StartTextInput();
}

SdlPresenter::~SdlPresenter() {
  m_desktop.GetClipboard().OnChanged = nullptr;
  m_desktop.Keyboard().CharactersFromTextInput(false);
  SDL_StopTextInput();
  SDL_DestroyTexture(m_texture);
  SDL_DestroyRenderer(m_renderer);
  SDL_DestroyWindow(m_window);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::uint32_t SdlPresenter::WindowId() const { return SDL_GetWindowID(m_window); }

void SdlPresenter::Present(Desktop& desktop) {
  if (desktop.SceneVersion() == m_shownVersion) return;
  const std::optional<Rect> changed = m_composer.Update(desktop);
  m_shownVersion = desktop.SceneVersion();
  if (changed && changed->IsEmpty()) return;
  Upload(changed);
  ++m_framesUploaded;
  Redraw();
}

// Copies the changed rectangle of the composed frame (all of it when `changed` is nothing)
// into the window's texture.
void SdlPresenter::Upload(const std::optional<Rect>& changed) {
  const Surface& frame = m_composer.Frame();
  const int stride = static_cast<int>(frame.Stride());
  if (!changed) {
    SDL_UpdateTexture(m_texture, nullptr, frame.Data(), stride);
    return;
  }
  const SDL_Rect area{changed->left, changed->top, changed->Width(), changed->Height()};
  const auto* first = frame.Data() + static_cast<std::size_t>(changed->top) * frame.Stride() +
                      static_cast<std::size_t>(changed->left) * 4;
  SDL_UpdateTexture(m_texture, &area, first, stride);
}

void SdlPresenter::Redraw() const {
  SDL_SetRenderDrawColor(m_renderer, 0, 0, 0, 255);
  SDL_RenderClear(m_renderer);
  SDL_RenderCopy(m_renderer, m_texture, nullptr, nullptr);
  SDL_RenderPresent(m_renderer);
}

Surface SdlPresenter::ReadBack() const {
  int width = 0;
  int height = 0;
  SDL_GetRendererOutputSize(m_renderer, &width, &height);
  Surface pixels(width, height, 32);
  if (pixels.IsEmpty()) return pixels;
  SDL_RenderClear(m_renderer);
  SDL_RenderCopy(m_renderer, m_texture, nullptr, nullptr);
  const bool read = SDL_RenderReadPixels(m_renderer, nullptr, SDL_PIXELFORMAT_ARGB8888,
                                         pixels.Data(), static_cast<int>(pixels.Stride())) == 0;
  SDL_RenderPresent(m_renderer);
  return read ? pixels : Surface();
}

void SdlPresenter::PollInput(Desktop& desktop, int timeoutMs) {
  SDL_Event event;
  bool got =
      timeoutMs > 0 ? SDL_WaitEventTimeout(&event, timeoutMs) != 0 : SDL_PollEvent(&event) != 0;
  while (got) {
    Handle(desktop, event);
    got = SDL_PollEvent(&event) != 0;
  }
  if (m_closeRequested && !m_closing) CloseInnermostModal(desktop);
}

void SdlPresenter::Handle(Desktop& desktop, const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      m_closeRequested = true;
      return;
    case SDL_CLIPBOARDUPDATE:
      TakeSystemClipboard(desktop);
      return;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) m_closeRequested = true;
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) TakeSystemClipboard(desktop);
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
          event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        Redraw();
      }
      return;
    case SDL_KEYDOWN:
      if (IsPasteChord(event.key)) TakeSystemClipboard(desktop);
      break;
    default:
      break;
  }
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

void SdlPresenter::TakeSystemClipboard(Desktop& desktop) {
  if (!SDL_HasClipboardText()) return;
  char* text = SDL_GetClipboardText();
  const std::string systemText = text ? text : "";
  SDL_free(text);
  if (systemText == desktop.GetClipboard().GetText()) return;
  FlagGuard taking(m_takingClipboard);
  desktop.GetClipboard().SetText(systemText);
}

void SdlPresenter::CopyToSystemClipboard() {
  if (m_takingClipboard) return;
  SDL_SetClipboardText(m_desktop.GetClipboard().GetText().c_str());
}

}  // namespace qorvexctl::platform
