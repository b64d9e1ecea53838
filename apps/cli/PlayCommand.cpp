// qorvexctl play SCRIPT [--screenshots DIR]: runs a play script on a headless desktop and writes
// what happened as JSON Lines.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <system_error>

#include "apps/cli/Commands.h"
#include "play/PlaySession.h"
#include "play/ScriptReader.h"

namespace qorvexctl::cli {
namespace {

namespace fs = std::filesystem;

bool HoldsData(const fs::path& folder) {
  std::error_code ec;
  return fs::is_regular_file(folder / "data" / "iso3166.txt", ec);
}

// The application root: the current folder when it holds the data folder, else the nearest
// folder above the program that does (a build tree inside the checkout) or whose
// share/qorvexctl does (an installed program), else the current one.
fs::path ApplicationRoot() {
  std::error_code ec;
  const fs::path current = fs::current_path(ec);
  if (HoldsData(current)) return current;
  for (fs::path folder = fs::read_symlink("/proc/self/exe", ec).parent_path();
       !ec && folder.has_relative_path(); folder = folder.parent_path()) {
    if (HoldsData(folder)) return folder;
    if (HoldsData(folder / "share" / "qorvexctl")) return folder / "share" / "qorvexctl";
  }
  return current;
}

int Usage() {
  std::fputs("usage: qorvexctl play SCRIPT [--screenshots DIR] [--root DIR]\n", stderr);
  return 2;
}

int RunPlay(const Arguments& args) {
  if (args.empty()) return Usage();
  play::PlayOptions options;
  fs::path script;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--screenshots" && i + 1 < args.size()) {
      options.screenshots = args[++i];
    } else if (args[i] == "--root" && i + 1 < args.size()) {
      options.root = args[++i];
    } else if (script.empty() && !args[i].starts_with("--")) {
      script = args[i];
    } else {
      return Usage();
    }
  }
  if (script.empty()) return Usage();
  std::ifstream in(script, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "qorvexctl play: cannot read %s\n", script.string().c_str());
    return 2;
  }
  std::stringstream text;
  text << in.rdbuf();
  if (options.root.empty()) options.root = ApplicationRoot();
  options.scriptFolder = script.parent_path();
  play::PlaySession session(std::cout, options);
  const int exit = session.Run(play::ReadScript(text.str()));
  if (exit != 0) std::fprintf(stderr, "qorvexctl play: %s\n", session.Failure().c_str());
  return exit;
}

}  // namespace

const Command kPlayCommand = {
    "play", "run a script on a headless desktop, print what happened (JSON Lines)",
    "qorvexctl play SCRIPT [--screenshots DIR] [--root DIR]\n"
    "  runs the script's commands (see docs/play.md) and prints every event, value, message box\n"
    "  and popup menu as one JSON object a line; exit 1 names the line of a failing command.\n"
    "  --root: the application folder whose data/ the controls read (default: found)",
    RunPlay};

}  // namespace qorvexctl::cli
