// The committed user guide against the registration list: every control has its page, every
// member of its table and every persisted key is on it, and the pages are what the generator
// writes now.

#include "guide/GuideBook.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "guide/ControlFacts.h"
#include "testsupport/TestData.h"

namespace qorvexctl::guide {
namespace {

namespace fs = std::filesystem;

fs::path GuideFolder() { return testsupport::RepositoryRoot() / "docs" / "controls"; }

std::string Committed(const std::string& name) {
  std::ifstream in(GuideFolder() / name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Every name a page must show, as code: members, their arguments, persisted keys.
std::vector<std::string> NamesToShow(const ControlFacts& control) {
  std::vector<std::string> names;
  for (const PropertyMember& p : control.members->properties) names.push_back(p.name);
  for (const MethodMember& m : control.members->methods) {
    names.push_back(m.name);
    names.insert(names.end(), m.parameters.begin(), m.parameters.end());
  }
  for (const EventMember& e : control.members->events) {
    names.push_back(e.name);
    names.insert(names.end(), e.arguments.begin(), e.arguments.end());
  }
  for (const PersistedKey& key : control.persisted) names.push_back(key.key);
  return names;
}

const Guide& Generated() {
  static const Guide guide = GenerateGuide(testsupport::RepositoryRoot());
  return guide;
}

TEST(UserGuide, EveryControlHasAPageShowingEveryMemberAndKey) {
  const ControlCatalog catalog(testsupport::RepositoryRoot());
  std::vector<ControlFacts> controls = catalog.Controls();
  ASSERT_GE(controls.size(), 18u);
  for (ControlFacts& control : catalog.PlatformControls()) controls.push_back(std::move(control));
  for (ControlFacts& control : catalog.ReachedTypes()) controls.push_back(std::move(control));
  for (const ControlFacts& control : controls) {
    const fs::path page = GuideFolder() / (control.name + ".md");
    ASSERT_TRUE(fs::is_regular_file(page)) << page << " is missing: run `make guide`";
    ASSERT_NE(control.members, nullptr) << control.name << " has no member table";
    const std::string text = Committed(control.name + ".md");
    for (const std::string& name : NamesToShow(control)) {
      EXPECT_NE(text.find("`" + name + "`"), std::string::npos)
          << control.name << ".md does not show `" << name << "`: run `make guide`";
    }
    EXPECT_NE(Committed("README.md").find("(" + control.name + ".md)"), std::string::npos)
        << "docs/controls/README.md does not link " << control.name;
  }
}

TEST(UserGuide, CommittedPagesAreWhatTheGeneratorWritesNow) {
  for (const GuideFile& file : Generated().files) {
    EXPECT_EQ(Committed(file.name), file.text)
        << "docs/controls/" << file.name << " is out of date: run `make guide` and commit it";
  }
}

TEST(UserGuide, EveryControlHasItsDescriptionScreenshotAndExamples) {
  for (const std::string& problem : Generated().problems) ADD_FAILURE() << problem;
}

TEST(UserGuide, NoPageIsLeftOverFromAControlNoLongerRegistered) {
  for (const auto& entry : fs::directory_iterator(GuideFolder())) {
    if (entry.path().extension() != ".md") continue;
    bool generated = false;
    for (const GuideFile& file : Generated().files)
      generated |= file.name == entry.path().filename().string();
    EXPECT_TRUE(generated) << entry.path() << " is not a page of a registered control";
  }
}

// A checkout whose hand-written parts are damaged or missing: every page is still written, and
// each lack is named.
TEST(UserGuide, DamagedOrMissingHandWrittenPartsAreNamedAndThePagesStillMade) {
  const fs::path root = testsupport::MakeTempFolder("guide");
  fs::create_directories(root / "docs" / "controls");
  std::ofstream(root / "docs" / "controls" / "about.json") << "{\"cNIF\": [1, 2";
  const Guide guide = GenerateGuide(root);
  EXPECT_EQ(guide.files.size(), Generated().files.size());
  std::string problems;
  for (const std::string& problem : guide.problems) problems += problem + "\n";
  for (const char* lack :
       {"about.json: not a JSON object", "cNIF: no entry in docs/controls/about.json", "cNIF: no ",
        "examples/guide/cNIF.cpp", "TextBox: no entry"}) {
    EXPECT_NE(problems.find(lack), std::string::npos) << lack << "\n" << problems;
  }
  fs::remove_all(root);
}

}  // namespace
}  // namespace qorvexctl::guide
