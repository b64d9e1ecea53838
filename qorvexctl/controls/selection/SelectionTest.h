#pragma once
// The fixture of the selection dialog's tests: a headless desktop, a library state that reads
// the repository's data folder, a selection object whose events are logged as lines
// ("ItemChecked Alemanha"), and a way to act inside the next dialog while it is open.

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "qorvexctl/controls/selection/clsGFXSelection.h"
#include "qorvexctl/controls/selection/frmSelector.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "testsupport/TestData.h"

namespace qorvexctl {

struct SelectionTest : ::testing::Test {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes(),
                       [] { return testsupport::RepositoryRoot().string(); }};
  clsGFXSelection selection{library, desktop};
  std::vector<std::string> log;

  SelectionTest() {
    selection.Opening.connect([this] { log.push_back("Opening"); });
    selection.ItemChecked.connect([this](GFXItem& i) { log.push_back("ItemChecked " + i.Title); });
    selection.ItemUnchecked.connect(
        [this](GFXItem& i) { log.push_back("ItemUnchecked " + i.Title); });
    selection.ItemChanged.connect([this](GFXItem& i) { log.push_back("ItemChanged " + i.Title); });
    selection.Closing.connect([this](std::int32_t& count, std::vector<GFXItem>& items, bool&) {
      std::string line = "Closing " + std::to_string(count);
      for (const GFXItem& item : items) line += " " + item.Title;
      log.push_back(line);
    });
    selection.Closed.connect([this] { log.push_back("Closed"); });
  }

  // Runs `act` inside the next dialog, while it is shown modally.
  void Answer(std::function<void(frmSelector&)> act) {
    desktop.Scripts().OnModalForm("frmSelector", [act](platform::Window& modal) {
      act(dynamic_cast<frmSelector&>(modal));
    });
  }
  void Click(platform::Window& window) { desktop.Input().Click(window); }

  // Items titled as given, each with its title as its value.
  static std::vector<GFXItem> Items(std::initializer_list<const char*> titles) {
    std::vector<GFXItem> items;
    for (const char* title : titles) {
      items.emplace_back();
      items.back().Title = title;
      items.back().Value = title;
    }
    return items;
  }
  int DialogsShown() { return static_cast<int>(desktop.Scripts().Log().size()); }
};

}  // namespace qorvexctl
