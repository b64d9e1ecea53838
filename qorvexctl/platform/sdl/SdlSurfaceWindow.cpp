#include "qorvexctl/platform/sdl/SdlSurfaceWindow.h"

#include <SDL.h>

namespace qorvexctl::platform {
namespace {

SDL_Renderer* CreateRenderer(SDL_Window* window) {
  if (SDL_Renderer* accelerated = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED)) {
    return accelerated;
  }
  return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
}

SDL_Texture* CreateTexture(SDL_Renderer* renderer, Size size) {
  SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                           SDL_TEXTUREACCESS_STREAMING, size.width, size.height);
  if (texture) SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);
  return texture;
}

}  // namespace

std::unique_ptr<SdlSurfaceWindow> SdlSurfaceWindow::Create(const char* title, const Rect& place,
                                                           Size textureSize, std::uint32_t flags) {
  SDL_Window* window =
      SDL_CreateWindow(title, place.left, place.top, place.Width(), place.Height(), flags);
  SDL_Renderer* renderer = window ? CreateRenderer(window) : nullptr;
  SDL_Texture* texture = renderer ? CreateTexture(renderer, textureSize) : nullptr;
  if (!texture) {
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    return nullptr;
  }
  return std::unique_ptr<SdlSurfaceWindow>(
      new SdlSurfaceWindow(window, renderer, texture, textureSize));
}

SdlSurfaceWindow::SdlSurfaceWindow(SDL_Window* window, SDL_Renderer* renderer, SDL_Texture* texture,
                                   Size size)
    : m_window(window), m_renderer(renderer), m_texture(texture), m_textureSize(size) {}

SdlSurfaceWindow::~SdlSurfaceWindow() {
  SDL_DestroyTexture(m_texture);
  SDL_DestroyRenderer(m_renderer);
  SDL_DestroyWindow(m_window);
}

std::uint32_t SdlSurfaceWindow::Id() const { return SDL_GetWindowID(m_window); }

bool SdlSurfaceWindow::ResizeTexture(Size size) {
  if (size == m_textureSize) return true;
  SDL_Texture* texture = CreateTexture(m_renderer, size);
  if (!texture) return false;
  SDL_DestroyTexture(m_texture);
  m_texture = texture;
  m_textureSize = size;
  return true;
}

void SdlSurfaceWindow::Upload(const Surface& pixels, const Rect& source, Point at) {
  if (source.IsEmpty()) return;
  const SDL_Rect rect{at.x, at.y, source.Width(), source.Height()};
  const auto* first = pixels.Data() + static_cast<std::size_t>(source.top) * pixels.Stride() +
                      static_cast<std::size_t>(source.left) * 4;
  SDL_UpdateTexture(m_texture, &rect, first, static_cast<int>(pixels.Stride()));
}

void SdlSurfaceWindow::Redraw() const {
  SDL_SetRenderDrawColor(m_renderer, 0, 0, 0, 255);
  SDL_RenderClear(m_renderer);
  SDL_RenderCopy(m_renderer, m_texture, nullptr, nullptr);
  SDL_RenderPresent(m_renderer);
}

Surface SdlSurfaceWindow::ReadBack() const {
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

}  // namespace qorvexctl::platform
