#pragma once
// Reads a play script: UTF-8 text, one command per line, `#` starting a comment, arguments
// separated by blanks, an argument holding blanks or quotes written as a JSON string. The reader
// turns the text into commands (a `modal` ... `end` block holds the commands between) and never
// fails on any input: what it cannot read becomes an error naming the line.
//
//   auto script = ReadScript(text);
//   if (!script.error.empty()) ...   // "line 4: unterminated string"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/base/Variant.h"

namespace qorvexctl::play {

// One argument as written: its text (a JSON string already decoded) and whether it was quoted.
struct Argument {
  std::string text;
  bool quoted = false;
};

struct Command {
  int line = 0;
  std::string verb;  // lower case
  std::vector<Argument> args;
  std::vector<Command> body;  // the commands of a `modal` block
};

struct Script {
  std::vector<Command> commands;
  std::string error;  // empty when the whole text was read
};

// Scripts are written by hand; a longer text is refused whole, with an error naming its size.
inline constexpr std::size_t kMaxScriptBytes = std::size_t{1} << 20;

Script ReadScript(std::string_view text);

// An argument as a value: a quoted argument is a string; a bare one is a JSON number, true,
// false or null when it reads as one, else the text itself.
Variant ValueOf(const Argument& argument);

// One step of a dotted name: "nib" and the index of "nib(2)" (nullopt without one).
struct NameStep {
  std::string name;
  std::optional<int> index;
};
// Splits "nif1.nif.Text" or "nib1.nib(2)" into steps; nothing when a step is malformed.
std::optional<std::vector<NameStep>> SplitName(std::string_view dotted);

}  // namespace qorvexctl::play
