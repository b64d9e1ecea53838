#include "qorvexctl/platform/desktop/TimerQueue.h"

#include <algorithm>

namespace qorvexctl::platform {

std::uintptr_t TimerQueue::Set(HWND hwnd, std::uintptr_t id, std::int64_t intervalMs,
                               std::int64_t nowMs, TimerProc proc) {
  if (hwnd == 0 && id == 0) id = ++m_nextFreeId;
  const std::int64_t interval = std::max<std::int64_t>(intervalMs, 1);
  for (auto& t : m_timers) {
    if (t.hwnd == hwnd && t.id == id) {
      t.interval = interval;
      t.due = nowMs + interval;
      t.order = m_nextOrder++;
      t.proc = std::move(proc);
      return id;
    }
  }
  m_timers.push_back(Timer{hwnd, id, interval, nowMs + interval, m_nextOrder++, std::move(proc)});
  return id;
}

bool TimerQueue::Kill(HWND hwnd, std::uintptr_t id) {
  return std::erase_if(m_timers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}

void TimerQueue::KillAll(HWND hwnd) {
  std::erase_if(m_timers, [&](const Timer& t) { return t.hwnd == hwnd; });
}

std::optional<std::int64_t> TimerQueue::NextDue() const {
  std::optional<std::int64_t> next;
  for (const auto& t : m_timers) {
    if (!t.running && (!next || t.due < *next)) next = t.due;
  }
  return next;
}

std::optional<TimerQueue::Due> TimerQueue::TakeDue(std::int64_t nowMs) {
  Timer* best = nullptr;
  for (auto& t : m_timers) {
    if (t.running || t.due > nowMs) continue;
    if (!best || t.due < best->due || (t.due == best->due && t.order < best->order)) best = &t;
  }
  if (!best) return std::nullopt;
  best->due += best->interval;
  if (best->due <= nowMs - 10 * best->interval) best->due = nowMs + best->interval;  // far behind
  best->order = m_nextOrder++;
  best->running = true;
  return Due{best->hwnd, best->id, best->proc};
}

void TimerQueue::Finished(HWND hwnd, std::uintptr_t id) {
  for (auto& t : m_timers) {
    if (t.hwnd == hwnd && t.id == id) t.running = false;
  }
}

}  // namespace qorvexctl::platform
