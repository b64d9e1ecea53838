#include "qorvexctl/platform/sdl/SdlClipboard.h"

#include <string>

#include "qorvexctl/base/FlagGuard.h"
#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl::platform {
namespace {

// Ctrl+V and Shift+Insert paste: the desktop must hold the system clipboard's text first.
bool IsPasteChord(const SDL_KeyboardEvent& key) {
  const bool ctrlV = key.keysym.sym == SDLK_v && (key.keysym.mod & KMOD_CTRL);
  const bool shiftInsert = key.keysym.sym == SDLK_INSERT && (key.keysym.mod & KMOD_SHIFT);
  return key.state == SDL_PRESSED && (ctrlV || shiftInsert);
}

}  // namespace

SdlClipboard::SdlClipboard(Desktop& desktop) : m_desktop(desktop) {
  desktop.GetClipboard().OnChanged = [this] { CopyToSystem(); };
}

SdlClipboard::~SdlClipboard() { m_desktop.GetClipboard().OnChanged = nullptr; }

void SdlClipboard::Follow(const SDL_Event& event) {
  if (event.type == SDL_CLIPBOARDUPDATE) TakeSystemText();
  if (event.type == SDL_KEYDOWN && IsPasteChord(event.key)) TakeSystemText();
}

void SdlClipboard::TakeSystemText() {
  if (!SDL_HasClipboardText()) return;
  char* text = SDL_GetClipboardText();
  const std::string systemText = text ? text : "";
  SDL_free(text);
  if (systemText == m_desktop.GetClipboard().GetText()) return;
  FlagGuard taking(m_taking);
  m_desktop.GetClipboard().SetText(systemText);
}

void SdlClipboard::CopyToSystem() {
  if (m_taking) return;
  SDL_SetClipboardText(m_desktop.GetClipboard().GetText().c_str());
}

}  // namespace qorvexctl::platform
