#include "guide/GuideBook.h"

#include <fstream>
#include <map>
#include <sstream>

#include <nlohmann/json.hpp>

#include "guide/ControlFacts.h"
#include "guide/GuidePage.h"

namespace qorvexctl::guide {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& file, const std::string& name, Guide& guide) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    guide.problems.push_back(name + ": no " + file.string());
    return "(missing)\n";
  }
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::map<std::string, ControlAbout> ReadAbout(const fs::path& file, Guide& guide) {
  std::map<std::string, ControlAbout> about;
  const std::string text = ReadText(file, "about", guide);
  const auto json = nlohmann::ordered_json::parse(text, nullptr, false);
  if (!json.is_object()) {
    guide.problems.push_back(file.string() + ": not a JSON object");
    return about;
  }
  for (const auto& item : json.items()) {
    const auto& entry = item.value();
    if (!entry.is_object()) {
      guide.problems.push_back(item.key() + ": its entry in " + file.string() + " is no object");
      continue;
    }
    about[item.key()] = ControlAbout{entry.value("title", ""), entry.value("shows", ""),
                                     entry.value("screenshot", "")};
  }
  return about;
}

ControlAbout AboutOf(const std::string& name, const std::map<std::string, ControlAbout>& about,
                     const fs::path& root, Guide& guide) {
  const auto found = about.find(name);
  if (found == about.end()) {
    guide.problems.push_back(name + ": no entry in docs/controls/about.json");
    return {"(not described)", "(not described)", ""};
  }
  if (!fs::is_regular_file(root / "docs" / "screenshots" / found->second.screenshot)) {
    guide.problems.push_back(name + ": no screenshot docs/screenshots/" + found->second.screenshot);
  }
  return found->second;
}

// The C++ program and the play script a page quotes, and what the script prints.
ControlExamples ExamplesOf(const std::string& name, const fs::path& root, Guide& guide) {
  const fs::path play = root / "docs" / "controls" / "play" / name;
  return ControlExamples{ReadText(root / "examples" / "guide" / (name + ".cpp"), name, guide),
                         ReadText(play.string() + ".play", name, guide),
                         ReadText(play.string() + ".jsonl", name, guide)};
}

void ReportUnregistered(const std::map<std::string, ControlAbout>& about, Guide& guide) {
  for (const auto& described : about) {
    const std::string& name = described.first;
    bool registered = false;
    for (const std::string& control : guide.controls) registered |= control == name;
    if (!registered) {
      guide.problems.push_back(name + ": described in docs/controls/about.json but has no page");
    }
  }
}

}  // namespace

Guide GenerateGuide(const fs::path& root) {
  Guide guide;
  const auto about = ReadAbout(root / "docs" / "controls" / "about.json", guide);
  std::vector<IndexEntry> index;
  const ControlCatalog catalog(root);
  std::vector<ControlFacts> controls = catalog.Controls();
  for (ControlFacts& control : catalog.PlatformControls()) controls.push_back(std::move(control));
  for (ControlFacts& control : catalog.ReachedTypes()) controls.push_back(std::move(control));
  for (const ControlFacts& control : controls) {
    const std::string& name = control.name;
    guide.controls.push_back(name);
    if (!control.members) guide.problems.push_back(name + ": no member table");
    const ControlAbout described = AboutOf(name, about, root, guide);
    const ControlExamples examples =
        control.kind == ControlKind::Reached ? ControlExamples{} : ExamplesOf(name, root, guide);
    guide.files.push_back({name + ".md", ControlPage(control, described, examples)});
    index.push_back({name, described.title, control.kind});
  }
  ReportUnregistered(about, guide);
  guide.files.push_back({"README.md", GuideIndex(index)});
  return guide;
}

}  // namespace qorvexctl::guide
