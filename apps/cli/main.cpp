// qorvexctl: command-line access to the library's validators and decoders.

#include <cstdio>
#include <cstring>
#include <span>

#include "apps/cli/Commands.h"

namespace qorvexctl::cli {
namespace {

// Each command group registers here.
const Command kCommands[] = {
    {"version", "print the library version", "qorvexctl version",
     [](const Arguments&) {
       std::puts("qorvexctl 0.1.0");
       return 0;
     }},
    kValidateCommand,
    kNibCommand,
    kGifCommand,
    kPngCommand,
    kAmountCommand,
    kPlayCommand,
    kCalcCommand,
    kGuideCommand,
};

void PrintHelp() {
  std::puts("usage: qorvexctl COMMAND [ARGS...]\n\ncommands:");
  for (const auto& c : kCommands) std::printf("  %-10s %s\n", c.name, c.summary);
  std::puts("");
  for (const auto& c : kCommands) std::printf("%s\n", c.usage);
}

// `qorvexctl COMMAND --help` (or -h) asks for that command's usage.
bool IsHelpRequest(const Arguments& args) {
  return args.size() == 1 && (args[0] == "--help" || args[0] == "-h");
}

}  // namespace
}  // namespace qorvexctl::cli

int main(int argc, char** argv) {
  using namespace qorvexctl::cli;
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    PrintHelp();
    return argc < 2 ? 2 : 0;
  }
  Arguments args(argv + 2, argv + argc);
  for (const auto& c : kCommands) {
    if (std::strcmp(argv[1], c.name) != 0) continue;
    if (IsHelpRequest(args)) {
      std::printf("%s\n", c.usage);
      return 0;
    }
    return c.run(args);
  }
  std::fprintf(stderr, "qorvexctl: unknown command '%s' (see --help)\n", argv[1]);
  return 2;
}
