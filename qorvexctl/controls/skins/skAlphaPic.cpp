// skAlphaPic: the picture list, the fade and picture timers, the fade steps, mouse input and
// registration.

#include "qorvexctl/controls/skins/skAlphaPic.h"

#include <algorithm>
#include <cmath>

#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/PictureBox.h"

namespace qorvexctl {

using platform::vbLeftButton;

skAlphaPic::skAlphaPic(LibraryState& library, platform::Desktop& desktop,
                       platform::Window* container)
    : UserControl(library, desktop, container), m_tip(library, desktop) {
  CanGetFocus(false);
  Drawing().AutoRedraw(true);
  m_tip.Create();  // no window while the tip has no parent
}

skAlphaPic::~skAlphaPic() { Terminate(); }

void skAlphaPic::OnTerminate() {
  Clear();
  m_tip.DestroyTip();
}

// --- The pictures.

skAlphaPicT skAlphaPic::AddPicture(platform::Window* xPictureBox, std::string Description,
                                   std::string link) {
  skAlphaPicT& picture = m_pictures.emplace_back();
  picture.SubCaption = std::move(Description);
  picture.link = std::move(link);
  auto* box = dynamic_cast<platform::PictureBox*>(xPictureBox);
  if (xPictureBox) picture.PictureObj = xPictureBox->hWnd();
  if (!box) return picture;
  if (!box->AutoRedraw()) box->AutoRedraw(true);
  if (Width() > box->Width()) Width(box->Width());
  if (Height() > box->Height()) Height(box->Height());
  box->ScaleMode(platform::vbPixels);
  picture.Width = static_cast<int>(std::lround(box->ScaleWidth()));
  picture.Height = static_cast<int>(std::lround(box->ScaleHeight()));
  return picture;
}

void skAlphaPic::Clear() {
  StopTimers();
  m_pictures.clear();
}

void skAlphaPic::PictureCount(int count) {
  m_pictures.resize(static_cast<std::size_t>(std::max(0, count)));
}

skAlphaPicT& skAlphaPic::Picture(int index) {
  if (index < 0 || index >= PictureCount()) {
    throw RuntimeError(kErrSubscriptOutOfRange, "skAlphaPic", "Subscript out of range");
  }
  return m_pictures[static_cast<std::size_t>(index)];
}

// --- Timing and order.

int skAlphaPic::Wrap(int index) const {
  if (index < 0) return PictureCount() - 1;
  if (index > PictureCount() - 1) return 0;
  return index;
}

bool skAlphaPic::Enabled() const { return m_fadeTimerOn; }

void skAlphaPic::Enabled(bool value) { SetFadeTimer(value); }

// A running fade timer keeps its rhythm: switching it on again does not restart it.
void skAlphaPic::SetFadeTimer(bool on) {
  if (on == m_fadeTimerOn) return;
  m_fadeTimerOn = on;
  platform::Desktop& desktop = GetDesktop();
  if (!on) {
    desktop.KillTimer(hWnd(), kFadeTimerId);
    return;
  }
  desktop.SetTimer(hWnd(), kFadeTimerId, kFadeStepMs, [this](auto, auto) { RefreshFade(); });
}

void skAlphaPic::StartPictureTimer() {
  const unsigned interval = static_cast<unsigned>(std::max(1, m_pictureTime));
  GetDesktop().SetTimer(hWnd(), kPictureTimerId, interval, [this](auto, auto) { StartFade(); });
}

void skAlphaPic::StopTimers() {
  SetFadeTimer(false);
  GetDesktop().KillTimer(hWnd(), kPictureTimerId);
  GetDesktop().KillTimer(hWnd(), kFocusTimerId);
  m_focusStep = 0;
}

void skAlphaPic::StartFade() {
  GetDesktop().KillTimer(hWnd(), kFocusTimerId);
  m_focusStep = 0;
  m_fadeStart = GetDesktop().NowMs();
  RefreshFade();
}

void skAlphaPic::NextFrame() {
  m_direction = 1;
  if (Fading()) m_current = NextIndex();
  StartFade();
}

void skAlphaPic::PreviousFrame() {
  m_direction = -1;
  if (Fading()) m_current = PreviousIndex();
  StartFade();
}

// The share of FadeTime gone since the fade began, times 255, cut to a whole number. A fade
// time of 0 (or less) completes at once.
int skAlphaPic::FadeAlpha() const {
  if (m_fadeTime <= 0) return 255;
  const std::int64_t elapsed = GetDesktop().NowMs() - *m_fadeStart;
  return static_cast<int>(std::clamp<std::int64_t>(elapsed * 255 / m_fadeTime, 0, 255));
}

// A host handler may call back into the control (Clear, a new fade); every step re-reads the
// state it needs, and an error inside the step ends the step.
void skAlphaPic::RefreshFade() {
  if (!Fading()) {
    SetFadeTimer(false);
    return;
  }
  try {
    const int alpha = FadeAlpha();
    const double fraction = alpha / 255.0;
    if (m_direction != -1) {
      FadingIn(fraction);
    } else {
      FadingOut(fraction);
    }
    if (!Fading()) return;
    DrawCrossFade(alpha);
    if (alpha < 255) {
      SetFadeTimer(true);
      GetDesktop().KillTimer(hWnd(), kPictureTimerId);
    } else {
      CompleteFade();
    }
  } catch (const std::exception&) {
    // The step ends; the next tick tries again.
  }
}

void skAlphaPic::CompleteFade() {
  GetDesktop().KillTimer(hWnd(), kPictureTimerId);
  m_fadeStart.reset();
  m_current = NextIndex();
  m_tip.DestroyTip();
  ShowCaption();
  SetFadeTimer(false);
  StartPictureTimer();
}

// --- Mouse input: passed on with the current picture first; a click reports its link.

void skAlphaPic::OnMouseDown(int button, int shift, platform::Point p) {
  if (button == vbLeftButton) m_leftPressed = true;
  MouseDown(m_current, button, shift, ScaleXOfPixels(p.x), ScaleYOfPixels(p.y));
}

void skAlphaPic::OnMouseMove(int buttons, int shift, platform::Point p) {
  MouseMove(m_current, buttons, shift, ScaleXOfPixels(p.x), ScaleYOfPixels(p.y));
}

void skAlphaPic::OnMouseUp(int button, int shift, platform::Point p) {
  const bool click = button == vbLeftButton && m_leftPressed && ClientRect().Contains(p.x, p.y);
  if (button == vbLeftButton) m_leftPressed = false;
  const platform::HWND self = hWnd();
  MouseUp(m_current, button, shift, ScaleXOfPixels(p.x), ScaleYOfPixels(p.y));
  if (!click || GetDesktop().FromHandle(self) != this) return;
  const int index = m_current;
  Clicked(index);
  if (index >= 0 && index < PictureCount()) {
    const std::string link = m_pictures[static_cast<std::size_t>(index)].link;
    if (!link.empty()) href(link);
  }
}

// --- Registration.

void RegisterAlphaPic(Registry& registry, platform::Desktop& desktop) {
  registry.Register("skAlphaPic", [&desktop](LibraryState& library) {
    return std::make_unique<skAlphaPic>(library, desktop);
  });
  registry.Members().Add<skAlphaPic>(skAlphaPic::Members());
}

}  // namespace qorvexctl
