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

// `qorvexctl gif info FILE` and `qorvexctl gif frames FILE OUTDIR` (GifCommand.cpp).
inline constexpr const char* kGifUsage =
    "qorvexctl gif info FILE           frame count, overall size, loop count, and per frame\n"
    "                                  its rectangle, delay, disposal and transparency\n"
    "qorvexctl gif frames FILE OUTDIR  every composed frame k as OUTDIR/frame-NNN.rgba\n"
    "                                  (overall size, top-down, 8-bit R,G,B,A)";
int RunGifCommand(const Arguments& args);

}  // namespace qorvexctl::cli
