// qorvexctl guide OUTDIR [--root DIR]: writes the user guide's pages of the controls.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "apps/cli/Commands.h"
#include "guide/GuideBook.h"

namespace qorvexctl::cli {
namespace {

namespace fs = std::filesystem;

int Usage() {
  std::fputs("usage: qorvexctl guide OUTDIR [--root DIR]\n", stderr);
  return 2;
}

bool WriteFile(const fs::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

int RunGuide(const Arguments& args) {
  fs::path outdir;
  fs::path root = ".";
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--root" && i + 1 < args.size()) {
      root = args[++i];
    } else if (outdir.empty() && !args[i].starts_with("--")) {
      outdir = args[i];
    } else {
      return Usage();
    }
  }
  if (outdir.empty()) return Usage();
  const guide::Guide guide = guide::GenerateGuide(root);
  std::error_code ec;
  fs::create_directories(outdir, ec);
  for (const guide::GuideFile& file : guide.files) {
    if (!WriteFile(outdir / file.name, file.text)) {
      std::fprintf(stderr, "qorvexctl guide: cannot write %s\n", (outdir / file.name).c_str());
      return 1;
    }
  }
  for (const std::string& problem : guide.problems) {
    std::fprintf(stderr, "qorvexctl guide: %s\n", problem.c_str());
  }
  std::printf("%zu pages in %s\n", guide.files.size(), outdir.c_str());
  return guide.problems.empty() ? 0 : 1;
}

}  // namespace

const Command kGuideCommand = {
    "guide", "write the user guide's page of every control (Markdown)",
    "qorvexctl guide OUTDIR [--root DIR]\n"
    "  writes OUTDIR/<type>.md for every control registered by name, every intrinsic control\n"
    "  and every other type of the member directory, and OUTDIR/README.md, from the member\n"
    "  tables and the hand-written parts of the checkout (`make guide` writes docs/controls);\n"
    "  exit 1 names what a page lacks.\n"
    "  --root: the checkout (default: the current folder)",
    RunGuide};

}  // namespace qorvexctl::cli
