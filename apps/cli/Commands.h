#pragma once
// The command groups of the `qorvexctl` program. Each takes the arguments after its own name
// and returns the process exit code.

#include <string>
#include <vector>

namespace qorvexctl::cli {

using Arguments = std::vector<std::string>;

struct Command {
  const char* name;     // the first word on the command line
  const char* summary;  // one line for --help
  const char* usage;    // the full usage text of the group
  int (*run)(const Arguments& args);
};

// The command groups defined in their own files.
extern const Command kValidateCommand;  // ValidateCommand.cpp
extern const Command kNibCommand;       // NibCommand.cpp
extern const Command kGifCommand;       // GifCommand.cpp
extern const Command kPngCommand;       // PngCommand.cpp
extern const Command kAmountCommand;    // AmountCommand.cpp
extern const Command kPlayCommand;      // PlayCommand.cpp
extern const Command kCalcCommand;      // CalcCommand.cpp
extern const Command kGuideCommand;     // GuideCommand.cpp

}  // namespace qorvexctl::cli
