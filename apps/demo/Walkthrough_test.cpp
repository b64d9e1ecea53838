#include "Walkthrough.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "IrsForm.h"
#include "hostkit/HostDatabase.h"
#include "qorvexctl/frame/Component.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "testsupport/TestData.h"

namespace qorvexctl::demo {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool IsPng(const fs::path& file) { return ReadText(file).starts_with("\x89PNG\r\n\x1a\n"); }

TEST(WalkthroughSteps, EachScreenshotTakesTheCommentsAndCommandsSinceTheOneBefore) {
  const auto steps = WalkthroughSteps(
      "# Opening.\nform irs\nscreenshot 01_a.png\n\n# Typing\n#   <NIF>.\n"
      "focus nif.nif\n# Then a sum.\nmodal\n  keys 1{+}2\nend\nscreenshot \"02 b.png\"\nclock 10\n");
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0].screenshot, "01_a.png");
  EXPECT_EQ(steps[0].comments, std::vector<std::string>{"Opening."});
  EXPECT_EQ(steps[0].commands, std::vector<std::string>{"form irs"});
  EXPECT_EQ(steps[1].screenshot, "02 b.png");
  EXPECT_EQ(steps[1].comments, (std::vector<std::string>{"Typing <NIF>.", "Then a sum."}));
  EXPECT_EQ(steps[1].commands,
            (std::vector<std::string>{"focus nif.nif", "modal", "  keys 1{+}2", "end"}));
  const std::string page = WalkthroughPage(steps);
  EXPECT_NE(page.find("<p>Typing &lt;NIF&gt;.</p>"), std::string::npos);
  EXPECT_LT(page.find("src=\"01_a.png\""), page.find("src=\"02 b.png\""));
}

// The repository's walkthrough runs to its end, writes each numbered screenshot and a page
// that shows them in order, and its steps name a control of every type on the form.
TEST(Walkthrough, PlaysToTheEndAndItsStepsShowEveryControlType) {
  const fs::path folder = testsupport::MakeTempFolder("walkthrough");
  const fs::path script = testsupport::RepositoryRoot() / "apps/demo/walkthrough.play";
  std::ostringstream errors;
  ASSERT_EQ(RunWalkthrough(script, folder, testsupport::RepositoryRoot(), errors), 0)
      << errors.str();
  const auto steps = WalkthroughSteps(ReadText(script));
  ASSERT_GE(steps.size(), 12u);
  const std::string page = ReadText(folder / "index.html");
  std::size_t last = 0;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const std::string& shot = steps[i].screenshot;
    EXPECT_EQ(std::stoul(shot.substr(0, 2)), i + 1) << shot;
    EXPECT_TRUE(IsPng(folder / shot)) << shot;
    const std::size_t at = page.find("src=\"" + shot + "\"");
    EXPECT_GT(at, last) << shot << " is not on the page after the step before";
    last = at;
  }

  platform::Desktop desktop;
  const std::string root = testsupport::RepositoryRoot().string() + "/";
  LibraryState library(desktop.Settings(), desktop.MessageBoxes(), [&] { return root; });
  IrsForm form(desktop, library, hostkit::HostDatabase::Open(folder / "types.sqlite"));
  std::set<std::string> shown;
  const std::regex name(R"(([A-Za-z][A-Za-z0-9_]*)(\((\d+)\))?)");
  for (const WalkthroughStep& step : steps) {
    std::string text;
    for (const auto& line : step.comments) text += line + "\n";
    for (const auto& line : step.commands) text += line + "\n";
    for (std::sregex_iterator it(text.begin(), text.end(), name), end; it != end; ++it) {
      const int index = (*it)[3].matched ? std::stoi((*it)[3]) : -1;
      if (platform::Window* control = form.FindControl((*it)[1], index)) {
        shown.insert(control->TypeName());
      }
    }
  }
  for (platform::Window* control : form.Controls()) {
    if (dynamic_cast<Component*>(control) == nullptr) continue;  // the platform's own controls
    EXPECT_TRUE(shown.contains(control->TypeName()))
        << "no step names a " << control->TypeName() << " (" << control->Name() << ")";
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace qorvexctl::demo
