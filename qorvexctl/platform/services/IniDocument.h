#pragma once
// The text of an INI file: sections of key=value lines, kept in file order. Section names and
// keys match without regard to case and keep the spelling they were first written with.
//
// Values are stored exactly: backslash, line breaks and the characters the format itself uses
// (= [ ] ; #) are escaped with a backslash ("\n", "\=", ...). Blank lines and lines starting
// with ; or # are comments. Spaces around a key are ignored; the value is everything after "=".

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qorvexctl::platform {

class IniDocument {
 public:
  // The document of `text`, or nothing when the text is not a well-formed INI file (bytes that
  // are not UTF-8, NUL bytes, a line that is neither a section, a key=value pair nor a comment,
  // a key before the first section, an unknown escape).
  static std::optional<IniDocument> Parse(std::string_view text);
  std::string Format() const;

  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  // Each answers whether the document changed.
  bool Set(std::string_view section, std::string_view key, std::string_view value);
  bool Delete(std::string_view section, std::string_view key);
  bool DeleteSection(std::string_view section);

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::string folded;                                  // name in lower case
    std::vector<Entry> entries;                          // in file order
    std::unordered_map<std::string, std::size_t> index;  // key in lower case -> entry
  };
  Section* FindSection(std::string_view name);
  const Section* FindSection(std::string_view name) const;
  Section& SectionFor(std::string_view name);  // found or added
  bool ParseLine(std::string_view line, std::optional<std::size_t>& current);

  std::vector<Section> m_sections;
};

}  // namespace qorvexctl::platform
