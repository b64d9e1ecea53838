#include "qorvexctl/platform/services/MessageBoxService.h"

#include <array>

namespace qorvexctl::platform {

namespace {

using R = MessageBoxResult;

// The answers of each button set, in button order (the set's style value is the index).
constexpr std::array<std::array<R, 3>, 6> kButtonAnswers = {{
    {R::OK, R::OK, R::OK},
    {R::OK, R::Cancel, R::OK},
    {R::Abort, R::Retry, R::Ignore},
    {R::Yes, R::No, R::Cancel},
    {R::Yes, R::No, R::Yes},
    {R::Retry, R::Cancel, R::Retry},
}};
constexpr std::array<int, 6> kButtonCounts = {1, 2, 3, 3, 2, 2};

}  // namespace

MessageBoxResult DefaultAnswer(const MessageBoxRequest& request) {
  const auto set = static_cast<std::size_t>(request.buttons);
  if (set >= kButtonAnswers.size()) return R::OK;
  const int button = request.defaultButton >= 0 && request.defaultButton < kButtonCounts[set]
                         ? request.defaultButton
                         : 0;
  return kButtonAnswers[set][static_cast<std::size_t>(button)];
}

MessageBoxResult HeadlessMessageBoxService::Show(const MessageBoxRequest& request) {
  m_shown.push_back(request);
  if (m_queued.empty()) return DefaultAnswer(request);
  const MessageBoxResult answer = m_queued.front();
  m_queued.pop_front();
  return answer;
}

}  // namespace qorvexctl::platform
