#pragma once
// A system window showing a surface: the SDL window, its renderer and a streaming texture of
// the surface's size. Changed rectangles are uploaded to the texture; Redraw copies the texture
// over the whole window (scaled with the nearest pixel, so an integer factor stays crisp) and
// presents it. Both window presenters are built on it.

#include <cstdint>
#include <memory>

#include "qorvexctl/platform/drawing/Geometry.h"
#include "qorvexctl/platform/drawing/Surface.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace qorvexctl::platform {

class SdlSurfaceWindow {
 public:
  // `place` is the window's position and size on the user's desktop; `flags` are SDL window
  // flags. nullptr when SDL cannot make the window, its renderer or the texture.
  static std::unique_ptr<SdlSurfaceWindow> Create(const char* title, const Rect& place,
                                                  Size textureSize, std::uint32_t flags);
  ~SdlSurfaceWindow();
  SdlSurfaceWindow(const SdlSurfaceWindow&) = delete;
  SdlSurfaceWindow& operator=(const SdlSurfaceWindow&) = delete;

  SDL_Window* Get() const { return m_window; }
  SDL_Renderer* Renderer() const { return m_renderer; }
  std::uint32_t Id() const;
  Size TextureSize() const { return m_textureSize; }
  // A new texture of `size` (its pixels undefined until uploaded); false when SDL refused.
  bool ResizeTexture(Size size);
  // Copies `source` of `pixels` into the texture with its top-left corner at `at`.
  void Upload(const Surface& pixels, const Rect& source, Point at);
  // Shows the texture over the whole window.
  void Redraw() const;
  // The pixels the window shows, read back from the renderer at the window's output size.
  Surface ReadBack() const;

 private:
  SdlSurfaceWindow(SDL_Window* window, SDL_Renderer* renderer, SDL_Texture* texture, Size size);

  SDL_Window* m_window;
  SDL_Renderer* m_renderer;
  SDL_Texture* m_texture;
  Size m_textureSize;
};

}  // namespace qorvexctl::platform
