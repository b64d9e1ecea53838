#pragma once
// The fixture of the skinned widgets' tests: a headless desktop whose application root is the
// checkout (so the default skin in data/skins/default/ is found), a shown form, the controls
// made on it and a log of the events they raise.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "qorvexctl/base/Event.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/frame/UserControl.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "testsupport/TestData.h"

namespace qorvexctl {

struct SkinsTest : ::testing::Test {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};
  platform::Form form{desktop, "Skins"};
  platform::UserInput& input{desktop.Input()};
  std::vector<std::shared_ptr<UserControl>> controls;
  std::vector<std::string> log;
  std::vector<ScopedConnection> connections;

  SkinsTest() {
    desktop.Settings().Set(kSettingsApplication, kSetupSection, kRootPathKey,
                           testsupport::RepositoryRoot().string() + "/");
    form.SetBounds(platform::Rect::FromSize(0, 0, 640, 480));
    form.BackColor(0xFFFFFF);
    form.Show();
    desktop.DoEvents();
  }

  // A new control of type T named `name` on the form, initialised as a new one.
  template <class T>
  T& Make(const std::string& name, platform::Rect bounds, bool runMode = true) {
    auto control = std::make_shared<T>(library, desktop, &form);
    control->UserMode(runMode);
    form.Adopt(control, name);
    control->SetBounds(bounds);
    control->InitProperties();
    controls.push_back(control);
    desktop.DoEvents();
    return *control;
  }

  // Logs "name event" each time `event` is raised.
  template <class... A>
  void Record(Event<A...>& event, const std::string& entry) {
    connections.emplace_back(event.connect([this, entry](A...) { log.push_back(entry); }));
  }

  std::vector<std::string> TakeLog() { return std::exchange(log, {}); }
};

}  // namespace qorvexctl
