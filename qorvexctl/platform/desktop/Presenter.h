#pragma once
// What shows the desktop to someone: the headless presenter (nobody; screenshots on request)
// or a real window. The desktop calls Present after painting and PollInput while it waits, so
// a window presenter can feed real mouse, keyboard and clipboard events in.

namespace qorvexctl::platform {

class Desktop;

class Presenter {
 public:
  virtual ~Presenter() = default;
  // Whether a real user sees the desktop and answers modal windows.
  virtual bool Interactive() const { return false; }
  // Shows the desktop as it is now.
  virtual void Present(Desktop& /*desktop*/) {}
  // Moves real input into the desktop's queue, waiting up to `timeoutMs` for some.
  virtual void PollInput(Desktop& /*desktop*/, int /*timeoutMs*/) {}
};

}  // namespace qorvexctl::platform
