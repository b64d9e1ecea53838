#include "Walkthrough.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <system_error>

#include "ArticleShowcase.h"
#include "IrsForm.h"
#include "play/PlaySession.h"
#include "play/ScriptReader.h"
#include "qorvexctl/base/Text.h"

namespace qorvexctl::demo {

namespace {

namespace fs = std::filesystem;

std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '&': out += "&amp;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// The file a `screenshot` line names, or "" for any other line.
std::string ScreenshotOf(std::string_view line) {
  const play::Script script = play::ReadScript(line);
  if (script.commands.size() != 1) return "";
  const play::Command& command = script.commands.front();
  if (command.verb != "screenshot" || command.args.size() != 1) return "";
  return command.args.front().text;
}

// What an earlier run left in the folder and this one writes again.
void RemoveEarlierRun(const fs::path& folder) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    const bool numbered = name.size() > 3 && std::isdigit(static_cast<unsigned char>(name[0])) &&
                          std::isdigit(static_cast<unsigned char>(name[1])) && name[2] == '_';
    if ((numbered && entry.path().extension() == ".png") || name.starts_with("modelo3.") ||
        name == "index.html" || name == "events.jsonl") {
      fs::remove(entry.path(), ec);
    }
  }
}

bool WriteText(const fs::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary);
  out << text;
  return static_cast<bool>(out.flush());
}

}  // namespace

std::vector<WalkthroughStep> WalkthroughSteps(std::string_view script) {
  std::vector<WalkthroughStep> steps;
  WalkthroughStep step;
  bool inComment = false;  // the line before was a comment: this one continues its paragraph
  std::istringstream lines{std::string(script)};
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string trimmed = Trim(line);
    const bool comment = !trimmed.empty() && trimmed.front() == '#';
    if (comment && inComment) step.comments.back() += " " + Trim(trimmed.substr(1));
    if (comment && !inComment) step.comments.push_back(Trim(trimmed.substr(1)));
    inComment = comment;
    if (comment || trimmed.empty()) continue;
    if (std::string file = ScreenshotOf(trimmed); !file.empty()) {
      step.screenshot = std::move(file);
      steps.push_back(std::move(step));
      step = {};
    } else {
      step.commands.push_back(line);
    }
  }
  return steps;
}

std::string WalkthroughPage(const std::vector<WalkthroughStep>& steps) {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>QORVEXCTL demo - walkthrough of the IRS form</title>\n"
      "<style>body{font-family:sans-serif;max-width:1100px;margin:auto}"
      "pre{background:#f4f4f4;padding:6px}img{border:1px solid #999;max-width:100%}</style>\n"
      "</head>\n<body>\n<h1>Walkthrough of the IRS form (Modelo 3)</h1>\n";
  int number = 0;
  for (const WalkthroughStep& step : steps) {
    const std::string n = std::to_string(++number);
    html += "<section id=\"passo" + n + "\">\n<h2>" + n + ". " + Escaped(step.screenshot) +
            "</h2>\n";
    for (const std::string& comment : step.comments) html += "<p>" + Escaped(comment) + "</p>\n";
    if (!step.commands.empty()) {
      html += "<pre>";
      for (const std::string& command : step.commands) html += Escaped(command) + "\n";
      html += "</pre>\n";
    }
    html += "<img src=\"" + Escaped(step.screenshot) + "\" alt=\"" + Escaped(step.screenshot) +
            "\">\n</section>\n";
  }
  return html + "</body>\n</html>\n";
}

int RunWalkthrough(const fs::path& script, const fs::path& folder, const fs::path& root,
                   std::ostream& errors) {
  std::ifstream in(script, std::ios::binary);
  if (!in) {
    errors << "walkthrough: cannot read " << script.string() << "\n";
    return 1;
  }
  std::stringstream text;
  text << in.rdbuf();
  std::error_code ec;
  fs::create_directories(folder, ec);
  RemoveEarlierRun(folder);
  auto database = hostkit::HostDatabase::Open(folder / "modelo3.sqlite");
  play::PlayOptions options;
  options.root = root;
  options.scriptFolder = script.parent_path();
  options.screenshots = folder;
  options.forms["irs"] = [database, formFile = folder / "modelo3.json"](
                             platform::Desktop& desktop, LibraryState& library) {
    UseLocalArticlePage(desktop, library);
    auto form = std::make_unique<IrsForm>(desktop, library, database);
    form->FormFilePath(formFile);
    return std::unique_ptr<platform::Form>(std::move(form));
  };
  std::ofstream events(folder / "events.jsonl", std::ios::binary);
  int exit = 0;
  {
    play::PlaySession session(events, std::move(options));
    exit = session.Run(play::ReadScript(text.str()));
    if (exit != 0) errors << "walkthrough: " << session.Failure() << "\n";
  }
  if (!WriteText(folder / "index.html", WalkthroughPage(WalkthroughSteps(text.str())))) {
    errors << "walkthrough: cannot write " << (folder / "index.html").string() << "\n";
    return 1;
  }
  return exit;
}

}  // namespace qorvexctl::demo
