#pragma once
// Window timers: SetTimer/KillTimer by window handle and id, with a callback or a WM_TIMER
// message. Due timers fire in order of their due time (ties in the order they were set); a
// periodic timer is rescheduled one interval after the time it was due, so a 50 ms timer fires
// 20 times in one second however late each tick ran.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "qorvexctl/platform/desktop/Messages.h"

namespace qorvexctl::platform {

using TimerProc = std::function<void(HWND hwnd, std::uintptr_t id)>;

class TimerQueue {
 public:
  // Starts or restarts timer `id` of `hwnd`; an interval of 0 counts as 1 ms. With hwnd 0 and
  // id 0 a fresh id is chosen. Returns the id.
  std::uintptr_t Set(HWND hwnd, std::uintptr_t id, std::int64_t intervalMs, std::int64_t nowMs,
                     TimerProc proc);
  bool Kill(HWND hwnd, std::uintptr_t id);
  // Removes every timer of a window (when the window goes away).
  void KillAll(HWND hwnd);
  bool Empty() const { return m_timers.empty(); }
  std::size_t Count() const { return m_timers.size(); }

  // The earliest due time, if any timer is set.
  std::optional<std::int64_t> NextDue() const;

  struct Due {
    HWND hwnd;
    std::uintptr_t id;
    TimerProc proc;  // empty: deliver WM_TIMER
  };
  // Takes the earliest timer due at or before `nowMs` that is not already running, and
  // reschedules it. The caller fires it and calls Finished afterwards.
  std::optional<Due> TakeDue(std::int64_t nowMs);
  void Finished(HWND hwnd, std::uintptr_t id);

 private:
  struct Timer {
    HWND hwnd;
    std::uintptr_t id;
    std::int64_t interval;
    std::int64_t due;
    std::uint64_t order;
    TimerProc proc;
    bool running{false};
  };
  std::vector<Timer> m_timers;
  std::uint64_t m_nextOrder{0};
  std::uintptr_t m_nextFreeId{0x7FFF0000u};
};

}  // namespace qorvexctl::platform
