#pragma once
// Message boxes drawn on the desktop: a modal form with the caption, the icon, the text and the
// buttons of the request's style. Enter presses the default button and Escape the cancel
// button (Cancel, or OK when it is the only one). Closing the box without a button answers as
// the cancel button would, or with the default answer when the style has no cancel button.
//
// This is the service for a desktop a real user answers (the window presenter installs it);
// on a headless desktop the box is answered by a modal script like any form, or cancelled.

#include "qorvexctl/platform/services/MessageBoxService.h"

namespace qorvexctl::platform {

class Desktop;

class FormMessageBoxService final : public MessageBoxService {
 public:
  explicit FormMessageBoxService(Desktop& desktop) : m_desktop(desktop) {}
  MessageBoxResult Show(const MessageBoxRequest& request) override;

 private:
  Desktop& m_desktop;
};

}  // namespace qorvexctl::platform
