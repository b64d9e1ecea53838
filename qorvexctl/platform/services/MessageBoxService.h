#pragma once
// Message boxes: a title, a text, an icon and a set of buttons; the answer is the button the
// user chose. The headless service shows nothing: it records every request and answers with
// the default button, or with the answers a test queued beforehand.

#include <deque>
#include <string>
#include <vector>

namespace qorvexctl::platform {

// The classic style values, so a request can be built from a classic style number.
enum class MessageBoxButtons {
  OK = 0,
  OKCancel = 1,
  AbortRetryIgnore = 2,
  YesNoCancel = 3,
  YesNo = 4,
  RetryCancel = 5,
};
enum class MessageBoxIcon {
  None = 0,
  Critical = 16,
  Question = 32,
  Exclamation = 48,
  Information = 64
};
enum class MessageBoxResult {
  OK = 1,
  Cancel = 2,
  Abort = 3,
  Retry = 4,
  Ignore = 5,
  Yes = 6,
  No = 7
};

struct MessageBoxRequest {
  std::string title;
  std::string text;
  MessageBoxIcon icon = MessageBoxIcon::None;
  MessageBoxButtons buttons = MessageBoxButtons::OK;
  int defaultButton = 0;  // 0 for the first button, 1 for the second, 2 for the third
};

// The answer a box gives when its default button is chosen (a default past the last button
// falls back to the first).
MessageBoxResult DefaultAnswer(const MessageBoxRequest& request);

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Shows the box and waits for the answer.
  virtual MessageBoxResult Show(const MessageBoxRequest& request) = 0;
};

class HeadlessMessageBoxService final : public MessageBoxService {
 public:
  MessageBoxResult Show(const MessageBoxRequest& request) override;

  // The answer for the next box instead of its default (answers are used in order).
  void QueueAnswer(MessageBoxResult answer) { m_queued.push_back(answer); }
  // Every box shown so far, oldest first.
  const std::vector<MessageBoxRequest>& Shown() const { return m_shown; }
  void ClearShown() { m_shown.clear(); }

 private:
  std::vector<MessageBoxRequest> m_shown;
  std::deque<MessageBoxResult> m_queued;
};

}  // namespace qorvexctl::platform
