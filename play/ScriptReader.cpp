#include "play/ScriptReader.h"

#include <cctype>
#include <charconv>

#include <nlohmann/json.hpp>

namespace qorvexctl::play {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// The JSON string starting at `text[at]` (a quote), decoded; `at` moves past it. Nothing when it
// does not end on this line or is not valid JSON.
std::optional<std::string> ReadQuoted(std::string_view text, std::size_t& at) {
  std::size_t end = at + 1;
  while (end < text.size() && text[end] != '"') end += text[end] == '\\' ? 2 : 1;
  if (end >= text.size()) return std::nullopt;
  const auto json = nlohmann::json::parse(text.substr(at, end + 1 - at), nullptr, false);
  if (json.is_discarded() || !json.is_string()) return std::nullopt;
  at = end + 1;
  return json.get<std::string>();
}

// The arguments of one line; an error text instead when a string is broken.
std::string SplitLine(std::string_view text, std::vector<Argument>& words) {
  std::size_t at = 0;
  while (true) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    if (at >= text.size() || text[at] == '#') return {};
    if (text[at] == '"') {
      auto decoded = ReadQuoted(text, at);
      if (!decoded) return "unterminated or invalid string";
      if (at < text.size() && !IsBlank(text[at]) && text[at] != '#') {
        return "a blank must follow a string";
      }
      words.push_back({std::move(*decoded), true});
      continue;
    }
    const std::size_t start = at;
    while (at < text.size() && !IsBlank(text[at])) ++at;
    words.push_back({std::string(text.substr(start, at - start)), false});
  }
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Deeper `modal` blocks than this are refused (a modal inside a modal inside ...).
constexpr int kMaxModalDepth = 32;

struct Reader {
  std::vector<std::string_view> lines;
  std::size_t next = 0;
  std::string error;

  // Reads commands up to the end of the text, or up to an `end` when inside a block.
  std::vector<Command> Block(int depth, int openedAt) {
    const bool inModal = depth > 0;
    std::vector<Command> commands;
    while (next < lines.size() && error.empty()) {
      const int number = static_cast<int>(next) + 1;
      std::vector<Argument> words;
      const std::string problem = SplitLine(lines[next++], words);
      if (!problem.empty()) {
        error = "line " + std::to_string(number) + ": " + problem;
        break;
      }
      if (words.empty()) continue;
      Command command{number, Lower(words.front().quoted ? "" : words.front().text),
                      std::vector<Argument>(words.begin() + 1, words.end()), {}};
      if (command.verb == "end" && command.args.empty()) {
        if (inModal) return commands;
        error = "line " + std::to_string(number) + ": end without modal";
        break;
      }
      if (command.verb == "modal" && command.args.empty()) {
        if (depth == kMaxModalDepth) {
          error = "line " + std::to_string(number) + ": modal blocks nested too deep";
          break;
        }
        command.body = Block(depth + 1, number);
      }
      commands.push_back(std::move(command));
    }
    if (inModal && error.empty()) {
      error = "line " + std::to_string(openedAt) + ": modal without end";
    }
    return commands;
  }
};

}  // namespace

Script ReadScript(std::string_view text) {
  if (text.size() > kMaxScriptBytes) {
    return {{}, "the script is longer than " + std::to_string(kMaxScriptBytes) + " bytes"};
  }
  Reader reader;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = text.find('\n', start);
    reader.lines.push_back(text.substr(start, end == std::string_view::npos ? text.npos : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  Script script;
  script.commands = reader.Block(0, 0);
  script.error = reader.error;
  return script;
}

Variant ValueOf(const Argument& argument) {
  if (argument.quoted) return Variant(argument.text);
  const auto json = nlohmann::json::parse(argument.text, nullptr, false);
  if (json.is_discarded()) return Variant(argument.text);
  if (json.is_boolean()) return Variant(json.get<bool>());
  if (json.is_null()) return Variant::Null();
  if (json.is_number_integer()) {
    const auto whole = json.get<std::int64_t>();
    if (whole >= INT32_MIN && whole <= INT32_MAX) return Variant(static_cast<std::int32_t>(whole));
    return Variant(static_cast<double>(whole));
  }
  if (json.is_number()) return Variant(json.get<double>());
  return Variant(argument.text);  // an array or object stays the text it was
}

std::optional<std::vector<NameStep>> SplitName(std::string_view dotted) {
  std::vector<NameStep> steps;
  std::size_t start = 0;
  while (true) {
    const std::size_t dot = dotted.find('.', start);
    std::string_view step = dotted.substr(start, dot == dotted.npos ? dotted.npos : dot - start);
    NameStep parsed;
    const std::size_t open = step.find('(');
    if (open != step.npos) {
      if (step.back() != ')' || open + 2 >= step.size()) return std::nullopt;
      int index = 0;
      const char* first = step.data() + open + 1;
      const char* last = step.data() + step.size() - 1;
      const auto [end, ec] = std::from_chars(first, last, index);
      if (ec != std::errc() || end != last) return std::nullopt;
      parsed.index = index;
      step = step.substr(0, open);
    }
    if (step.empty()) return std::nullopt;
    parsed.name = std::string(step);
    steps.push_back(std::move(parsed));
    if (dot == dotted.npos) return steps;
    start = dot + 1;
  }
}

}  // namespace qorvexctl::play
