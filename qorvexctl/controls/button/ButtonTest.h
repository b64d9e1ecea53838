#pragma once
// The fixture of the button's tests: a headless desktop, a library state, a shown form that
// records the messages it receives, and a log of the events buttons raise.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/services/MessageBoxService.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl {

// A form that keeps every message sent or posted to it.
class RecordingForm final : public platform::Form {
 public:
  using Form::Form;
  std::vector<platform::Message> messages;
  platform::LRESULT WindowProc(const platform::Message& message) override {
    messages.push_back(message);
    return Form::WindowProc(message);
  }
};

struct ButtonTest : ::testing::Test {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};
  RecordingForm form{desktop, "Botões"};
  platform::UserInput& input{desktop.Input()};
  std::vector<std::string> log;
  std::vector<std::unique_ptr<cButton>> buttons;

  ButtonTest() {
    form.SetBounds(platform::Rect::FromSize(0, 0, 400, 300));
    form.BackColor(RGB(0, 128, 0));
    form.Show();
    desktop.DoEvents();
  }

  cButton& MakeButton(const std::string& name, platform::Rect bounds = {10, 10, 110, 40}) {
    auto button = std::make_unique<cButton>(library, desktop, &form);
    button->Name(name);
    button->SetBounds(bounds);
    button->InitProperties();
    Record(*button);
    buttons.push_back(std::move(button));
    desktop.DoEvents();
    return *buttons.back();
  }

  void Record(cButton& b) {
    const std::string name = b.Name();
    b.Click.connect([this, name] { log.push_back(name + " Click"); });
    b.MouseDown.connect([this, name](int button, int, float, float) {
      log.push_back(name + " MouseDown " + std::to_string(button));
    });
    b.MouseUp.connect([this, name](int button, int, float, float) {
      log.push_back(name + " MouseUp " + std::to_string(button));
    });
    b.KeyDown.connect(
        [this, name](int& key, int) { log.push_back(name + " KeyDown " + std::to_string(key)); });
    b.KeyUp.connect(
        [this, name](int& key, int) { log.push_back(name + " KeyUp " + std::to_string(key)); });
    b.MouseOnButton.connect([this, name](bool& on) {
      log.push_back(name + " MouseOnButton " + (on ? "True" : "False"));
    });
  }

  const std::vector<platform::MessageBoxRequest>& BoxesShown() {
    return dynamic_cast<platform::HeadlessMessageBoxService&>(desktop.MessageBoxes()).Shown();
  }

  // Shows the information boxes of design mode.
  static void DesignMode(cButton& b) { b.UserMode(false); }
};

}  // namespace qorvexctl
