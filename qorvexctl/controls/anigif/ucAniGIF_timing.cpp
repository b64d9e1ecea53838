// ucAniGIF: the frame timer and the actions. The timer is a window timer on the container,
// with the control's own handle as its id. Each frame's due time is counted from the previous
// frame's due time, not from when its timer happened to fire, so late ticks never add up.

#include <algorithm>

#include "qorvexctl/controls/anigif/ucAniGIF.h"
#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl {

platform::HWND ucAniGIF::TimerWindow() const {
  return Parent() != nullptr ? Parent()->hWnd() : hWnd();
}

void ucAniGIF::Start() {
  if (!RunMode() || FrameCount() == 0) return;
  if (FrameCount() < 2 && !m_startupPending) return;
  platform::Desktop& desktop = GetDesktop();
  m_timerWindow = TimerWindow();
  // Timers can be made here: a long one is set and at once taken back.
  desktop.SetTimer(m_timerWindow, hWnd(), kTimerProbeMs, [](auto, auto) {});
  desktop.KillTimer(m_timerWindow, hWnd());
  m_frameDueMs = desktop.NowMs();
  m_state = kRunning;
  if (m_startupPending) {
    desktop.SetTimer(m_timerWindow, hWnd(), kStartupDelayMs, [this](auto, auto) { StartupTick(); });
  } else {
    ScheduleNextFrame();
  }
}

void ucAniGIF::StopTimer() {
  if (m_timerWindow != 0) GetDesktop().KillTimer(m_timerWindow, hWnd());
  m_timerWindow = 0;
}

void ucAniGIF::Pause() {
  if (m_state != kRunning) return;
  StopTimer();
  m_state = kPaused;
}

// The start-up timer: the first frame is composed and shown only now, after the control was.
void ucAniGIF::StartupTick() {
  StopTimer();
  m_startupPending = false;
  m_frameDueMs = GetDesktop().NowMs();
  Repaint();
  if (FrameCount() < 2) {
    m_state = kStopped;
  } else if (m_state == kRunning) {
    m_timerWindow = TimerWindow();
    ScheduleNextFrame();
  }
}

// The frame on show stays for the larger of its delay and MinFrameDelay from its due time.
// A timer that fell more than a whole frame behind starts counting afresh from now.
void ucAniGIF::ScheduleNextFrame() {
  platform::Desktop& desktop = GetDesktop();
  const gif::GifFrame& frame = m_image.Frames()[static_cast<std::size_t>(m_current - 1)];
  const std::int64_t interval = std::max(frame.delay, m_minFrameDelay);
  const std::int64_t now = desktop.NowMs();
  if (m_frameDueMs + interval < now) m_frameDueMs = now;
  m_nextDueMs = m_frameDueMs + interval;
  const auto wait = static_cast<unsigned>(std::max<std::int64_t>(m_nextDueMs - now, 1));
  desktop.SetTimer(m_timerWindow, hWnd(), wait, [this](auto, auto) { FrameTick(); });
}

void ucAniGIF::FrameTick() {
  StopTimer();
  m_timerWindow = TimerWindow();
  m_frameDueMs = m_nextDueMs;
  AdvanceFrame();
  if (m_current == 1) ++m_loopsDone;
  if (m_loops != 0 && m_loopsDone >= m_loops) {
    m_loopsDone = 0;
    m_state = kStopped;
    m_timerWindow = 0;
    Repaint();
    LoopsEnded();
    return;
  }
  Repaint();
  if (m_state == kRunning) ScheduleNextFrame();
}

void ucAniGIF::AdvanceFrame() { m_current = m_current % FrameCount() + 1; }

// After a load in run mode: at once, after the start-up delay, or not at all.
void ucAniGIF::AutoStart() {
  if (!RunMode()) return;
  if (m_delayMode == gfdDoNotAnimate) return;
  m_startupPending = m_delayMode == gfdDelayStartup;
  Start();
}

void ucAniGIF::Action(int value) {
  if (!RunMode() || value < gfaStop || value > gfaReset || FrameCount() == 0) return;
  switch (value) {
    case gfaStop:
      Rewind();
      Invalidate();
      break;
    case gfaPlay:
      if (m_state != kRunning) Start();
      break;
    case gfaPause:
      Pause();
      break;
    case gfaForward:
      StopTimer();
      m_startupPending = false;
      AdvanceFrame();
      m_state = kPaused;
      Repaint();
      break;
    default:  // gfaReset
      Rewind();
      Repaint();
      Start();
      break;
  }
}

void ucAniGIF::Rewind() {
  StopTimer();
  m_state = kStopped;
  m_startupPending = false;
  m_loopsDone = 0;
  m_current = 1;
}

void ucAniGIF::Hide() { Pause(); }

void ucAniGIF::Show() {
  if (m_state == kPaused) Start();
}

}  // namespace qorvexctl
