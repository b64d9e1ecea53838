// The command line's batch reader on any input: the lines it gives, joined again with line
// feeds, are the input with CR LF line ends made LF and a last line end dropped. A first byte
// ending in three 1 bits repeats the input past the reader's first buffer, so long lines and
// refills are reached.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "apps/cli/BatchIO.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

std::string Input(std::string_view data) {
  std::string input(data);
  if (!data.empty() && (data[0] & 7) == 7) {
    while (input.size() <= (1u << 16)) input += data;
  }
  return input;
}

// What the lines must join to: "\r\n" read as "\n", and the last "\n" left out.
std::string Expected(const std::string& input) {
  std::string expected;
  for (std::size_t i = 0; i < input.size(); ++i) {
    if (input[i] == '\r' && i + 1 < input.size() && input[i + 1] == '\n') continue;
    expected += input[i];
  }
  if (!expected.empty() && expected.back() == '\n') expected.pop_back();
  // A line holding only the CR before the end has it removed as well.
  if (!input.empty() && input.back() == '\r' && !expected.empty()) expected.pop_back();
  return expected;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string input = Input(std::string_view(reinterpret_cast<const char*>(data), size));
  if (input.empty()) return 0;
  std::FILE* file = fmemopen(input.data(), input.size(), "r");
  if (!file) return 0;
  qorvexctl::cli::LineReader reader(file);
  std::string joined;
  std::string_view line;
  bool first = true;
  while (reader.Next(line)) {
    if (!first) joined += '\n';
    joined.append(line);
    first = false;
  }
  std::fclose(file);
  Require(joined == Expected(input));
  return 0;
}
