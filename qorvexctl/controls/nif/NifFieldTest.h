#pragma once
// The fixture of the NIF field's tests: a headless desktop, a library state whose application
// root is the repository (so the country file and flags are the shipped ones), a form, and a
// log of the events a field raises.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/controls/nif/cNIF.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "testsupport/TestData.h"

namespace qorvexctl {

using Log = std::vector<std::string>;

inline constexpr char kValidPT[] = "123456789";
inline constexpr char kInvalidPT[] = "123456780";

struct NifFieldTest : ::testing::Test {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes(),
                       [] { return testsupport::RepositoryDataFolder().parent_path().string(); }};
  platform::Form form{desktop, "Declaração"};
  platform::UserInput input{desktop};
  Log log;

  std::unique_ptr<cNIF> MakeField() {
    auto field = std::make_unique<cNIF>(library, desktop);
    field->SetParent(&form);
    field->SetBounds(platform::Rect::FromSize(10, 10, 120, 21));
    field->InitProperties();
    Record(*field);
    return field;
  }

  void Record(cNIF& f) {
    auto note = [this](std::string text) { return [this, text] { log.push_back(text); }; };
    f.Changed.connect(note("Changed"));
    f.Validated.connect(note("Validated"));
    f.NIFIndicated.connect(note("NIFIndicated"));
    f.Cleared.connect(note("Cleared"));
    f.DataFinished.connect(note("DataFinished"));
    f.UpdatedInformation.connect([this](const std::string& id) { log.push_back("Info " + id); });
    f.NameUpdated.connect([this](const std::string& n) { log.push_back("Name " + n); });
  }

  // Types all of `text` but its last character, then the last one with the log cleared.
  void TypeLastKeyLogged(cNIF& f, std::string_view text) {
    form.Show();
    f.NumberBox().SetFocus();
    input.Type(text.substr(0, text.size() - 1));
    log.clear();
    input.Type(text.substr(text.size() - 1));
  }
};

}  // namespace qorvexctl
