// Play scripts: any bytes read as a script give commands or an error naming a line, and every
// argument survives being read as a value and as a dotted name.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "play/ScriptReader.h"

namespace {

using namespace qorvexctl::play;

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckCommands(const std::vector<Command>& commands) {
  for (const Command& command : commands) {
    Require(command.line > 0);
    for (const Argument& argument : command.args) {
      (void)ValueOf(argument);
      (void)SplitName(argument.text);
    }
    CheckCommands(command.body);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const Script script = ReadScript(text);
  Require(script.error.empty() || script.error.starts_with("line ") ||
          size > kMaxScriptBytes);
  CheckCommands(script.commands);
  return 0;
}
