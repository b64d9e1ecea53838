#include "qorvexctl/platform/services/IniDocument.h"

#include <algorithm>

#include "qorvexctl/base/Text.h"

namespace qorvexctl::platform {

namespace {

constexpr std::string_view kEscaped = "\\=[];#";

std::string Escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      if (kEscaped.find(c) != std::string_view::npos) out += '\\';
      out += c;
    }
  }
  return out;
}

// The text with its escapes resolved, or nothing for an unknown or unfinished escape.
std::optional<std::string> Unescape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    const char c = text[i];
    if (c == 'n') {
      out += '\n';
    } else if (c == 'r') {
      out += '\r';
    } else if (kEscaped.find(c) != std::string_view::npos) {
      out += c;
    } else {
      return std::nullopt;
    }
  }
  return out;
}

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The position of the first "=" that is not escaped, or npos.
std::size_t FindSeparator(std::string_view line) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '\\') {
      ++i;
    } else if (line[i] == '=') {
      return i;
    }
  }
  return std::string_view::npos;
}

}  // namespace

std::optional<IniDocument> IniDocument::Parse(std::string_view text) {
  if (!IsValidUtf8(text) || text.find('\0') != std::string_view::npos) return std::nullopt;
  IniDocument document;
  std::optional<std::size_t> current;  // the section the lines belong to
  for (std::string_view line : Split(text, "\n")) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (!document.ParseLine(line, current)) return std::nullopt;
  }
  return document;
}

bool IniDocument::ParseLine(std::string_view line, std::optional<std::size_t>& current) {
  const std::string_view trimmed = TrimBlanks(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') return true;
  if (trimmed.front() == '[' && trimmed.back() == ']' && trimmed.size() >= 2) {
    const auto name = Unescape(trimmed.substr(1, trimmed.size() - 2));
    if (!name) return false;
    current = static_cast<std::size_t>(&SectionFor(*name) - m_sections.data());
    return true;
  }
  const std::size_t separator = FindSeparator(line);
  if (separator == std::string_view::npos || !current) return false;
  const auto key = Unescape(TrimBlanks(line.substr(0, separator)));
  const auto value = Unescape(line.substr(separator + 1));
  if (!key || !value) return false;
  Set(m_sections[*current].name, *key, *value);
  return true;
}

std::string IniDocument::Format() const {
  std::string out;
  for (const Section& section : m_sections) {
    if (section.entries.empty()) continue;
    if (!out.empty()) out += '\n';
    out += '[' + Escape(section.name) + "]\n";
    for (const Entry& entry : section.entries) {
      out += Escape(entry.key) + '=' + Escape(entry.value) + '\n';
    }
  }
  return out;
}

IniDocument::Section* IniDocument::FindSection(std::string_view name) {
  const std::string folded = LCase(name);
  auto found = std::find_if(m_sections.begin(), m_sections.end(),
                            [&](const Section& s) { return s.folded == folded; });
  return found == m_sections.end() ? nullptr : &*found;
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
  return const_cast<IniDocument*>(this)->FindSection(name);
}

IniDocument::Section& IniDocument::SectionFor(std::string_view name) {
  if (Section* found = FindSection(name)) return *found;
  return m_sections.emplace_back(Section{std::string(name), LCase(name), {}, {}});
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (!found) return std::nullopt;
  const auto entry = found->index.find(LCase(key));
  if (entry == found->index.end()) return std::nullopt;
  return found->entries[entry->second].value;
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  Section& target = SectionFor(section);
  const auto [entry, added] = target.index.try_emplace(LCase(key), target.entries.size());
  if (added) {
    target.entries.push_back(Entry{std::string(key), std::string(value)});
    return true;
  }
  std::string& stored = target.entries[entry->second].value;
  if (stored == value) return false;
  stored = value;
  return true;
}

bool IniDocument::Delete(std::string_view section, std::string_view key) {
  Section* target = FindSection(section);
  if (!target) return false;
  const auto entry = target->index.find(LCase(key));
  if (entry == target->index.end()) return false;
  target->entries.erase(target->entries.begin() + static_cast<std::ptrdiff_t>(entry->second));
  target->index.clear();
  for (std::size_t i = 0; i < target->entries.size(); ++i) {
    target->index.emplace(LCase(target->entries[i].key), i);
  }
  return true;
}

bool IniDocument::DeleteSection(std::string_view section) {
  const std::string folded = LCase(section);
  return std::erase_if(m_sections, [&](const Section& s) { return s.folded == folded; }) > 0;
}

}  // namespace qorvexctl::platform
