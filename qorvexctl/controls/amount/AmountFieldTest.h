#pragma once
// The fixture of the euro field's tests: a headless desktop, a form, fields made on it with
// their events logged ("KeyDown 49", "KeyPress 49", "Change", "ValueChanged", ...), and key by
// key typing that records what the field shows after every key.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/amount/eurbox.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl {

// What the field shows after one key.
struct AfterKey {
  std::string key;
  std::string text;
  int caret;
  int selection;
  std::int64_t raw;    // CurrentValue in ten-thousandths
  std::string events;  // the events the key raised, joined by ", "
};

struct AmountFieldTest : ::testing::Test {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};
  platform::Form form{desktop, "Anexo"};
  platform::UserInput& input = desktop.Input();
  std::vector<std::string> log;

  std::unique_ptr<eurbox> MakeField(int tabIndex = 0, const Locale& locale = Locale::Portuguese()) {
    auto field = std::make_unique<eurbox>(library, desktop);
    field->SystemLocale(locale);
    field->SetParent(&form);
    field->Move(600, 300 + 400 * tabIndex, 2400, 315);
    field->TabIndex(tabIndex);
    field->Name("valor" + std::to_string(tabIndex));
    field->InitProperties();
    return field;
  }

  void Record(eurbox& f) {
    auto note = [this](std::string text) { return [this, text] { log.push_back(text); }; };
    f.Change.connect(note("Change"));
    f.ValueChanged.connect(note("ValueChanged"));
    f.KeyDown.connect([this](int& code, int) { log.push_back("KeyDown " + std::to_string(code)); });
    f.KeyPress.connect([this](int& ascii) { log.push_back("KeyPress " + std::to_string(ascii)); });
  }

  std::string TakeLog() {
    std::string joined = Join(log, ", ");
    log.clear();
    return joined;
  }

  // Focuses the field (its whole text selected) and types `keys` one SendKeys key at a time.
  std::vector<AfterKey> TypeEach(eurbox& f, const std::vector<std::string>& keys) {
    form.Show();
    f.TextBox().SetFocus();
    desktop.DoEvents();
    log.clear();
    std::vector<AfterKey> seen;
    for (const std::string& key : keys) {
      input.SendKeys(key);
      seen.push_back({key, f.Text(), f.TextBox().SelStart(), f.TextBox().SelLength(),
                      f.CurrentValue.Raw(), TakeLog()});
    }
    return seen;
  }
};

inline void ExpectSteps(const std::vector<AfterKey>& seen, const std::vector<AfterKey>& expected) {
  ASSERT_EQ(seen.size(), expected.size());
  for (std::size_t i = 0; i < seen.size(); ++i) {
    SCOPED_TRACE("after key " + std::to_string(i + 1) + " \"" + expected[i].key + "\"");
    EXPECT_EQ(seen[i].text, expected[i].text);
    EXPECT_EQ(seen[i].caret, expected[i].caret);
    EXPECT_EQ(seen[i].selection, expected[i].selection);
    EXPECT_EQ(seen[i].raw, expected[i].raw);
    EXPECT_EQ(seen[i].events, expected[i].events);
  }
}

}  // namespace qorvexctl
