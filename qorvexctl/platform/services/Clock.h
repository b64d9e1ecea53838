#pragma once
// The time source of the platform: milliseconds on a monotonic scale. Nothing outside
// platform/ reads the wall clock; components and the message loop ask the desktop's clock.
// The real clock follows the system's steady clock; the virtual clock stands still until it is
// advanced, so tests and screenshots run the same way every time and a wait of seven seconds
// costs nothing.

#include <cstdint>

namespace qorvexctl::platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since a fixed, arbitrary start; never goes back.
  virtual std::int64_t NowMs() const = 0;
  // True when time moves only when told to (the message loop then advances it instead of
  // sleeping).
  virtual bool IsVirtual() const = 0;
};

class RealClock final : public Clock {
 public:
  std::int64_t NowMs() const override;
  bool IsVirtual() const override { return false; }
};

class VirtualClock final : public Clock {
 public:
  explicit VirtualClock(std::int64_t startMs = 0) : m_nowMs(startMs) {}
  std::int64_t NowMs() const override { return m_nowMs; }
  bool IsVirtual() const override { return true; }
  // Moves time forward; negative steps are ignored.
  void Advance(std::int64_t ms) {
    if (ms > 0) m_nowMs += ms;
  }

 private:
  std::int64_t m_nowMs;
};

}  // namespace qorvexctl::platform
