#pragma once
// The demo's scripted walkthrough: a play script (apps/demo/walkthrough.play) fills the IRS
// form step by step on the headless desktop and takes numbered screenshots; a page
// (index.html) then shows them in order, each under the comments and commands of its step.
//
//   RunWalkthrough("apps/demo/walkthrough.play", "walkthrough", ".", std::cerr);  // 0: it ran

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace qorvexctl::demo {

// A screenshot of the script and what led to it: the comments (a run of comment lines is one
// paragraph) and the commands since the screenshot before (a `modal` block's included, indented).
struct WalkthroughStep {
  std::string screenshot;  // "03_nif_a.png"
  std::vector<std::string> comments;
  std::vector<std::string> commands;
};

// The steps of a script text, in order; commands after the last screenshot are left out.
std::vector<WalkthroughStep> WalkthroughSteps(std::string_view script);

// The HTML page showing every step's comments, commands and screenshot, in order.
std::string WalkthroughPage(const std::vector<WalkthroughStep>& steps);

// Runs the script with the IRS form as `form irs` (its declaration in folder/modelo3.sqlite,
// its form file folder/modelo3.json) and the application's data under `root`, writes the
// screenshots and index.html into `folder` and the events the script saw into
// folder/events.jsonl. 0 when every command ran, else 1 with the failure written to `errors`.
int RunWalkthrough(const std::filesystem::path& script, const std::filesystem::path& folder,
                   const std::filesystem::path& root, std::ostream& errors);

}  // namespace qorvexctl::demo
