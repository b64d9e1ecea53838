#include "qorvexctl/platform/services/Clock.h"

#include <chrono>

namespace qorvexctl::platform {

std::int64_t RealClock::NowMs() const {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
}

}  // namespace qorvexctl::platform
