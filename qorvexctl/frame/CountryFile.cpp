#include "qorvexctl/frame/CountryFile.h"

#include <algorithm>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/validation/TaxNumber.h"

namespace qorvexctl {
namespace {

constexpr int kNumericField = 0;
constexpr int kCodeField = 1;
constexpr int kFurtherCodeField = 2;
constexpr int kNameField = 3;

// Field i of a line, or "" when the line is shorter.
std::string FieldOf(const std::vector<std::string>& line, std::size_t i) {
  return i < line.size() ? line[i] : std::string();
}

std::string FullDescription(const std::vector<std::string>& line) {
  std::string text = FieldOf(line, kNameField) +
                     " - Código ISO3166: " + FieldOf(line, kNumericField) + " (" +
                     FieldOf(line, kCodeField) + "," + FieldOf(line, kFurtherCodeField) + ")";
  if (CountryIndex(FieldOf(line, kCodeField)) >= 0) text += " - País da União Europeia";
  return text;
}

}  // namespace

std::vector<std::vector<std::string>> SplitCountryFile(std::string_view text) {
  std::vector<std::vector<std::string>> lines;
  for (const std::string& line : Split(text, "\r\n")) lines.push_back(Split(line, "\t"));
  return lines;
}

std::string CountryName(LibraryState& state, std::string_view code, bool fulldesc) {
  if (code == "PT") return "Portugal";
  const std::string text = ReadWholeFile(state, GetDataPath(state) + kCountryFileName);
  const auto lines = SplitCountryFile(text);
  const auto line = std::ranges::find_if(lines, [&](const std::vector<std::string>& fields) {
    return fields.size() >= 2 && fields[kCodeField] == code;
  });
  if (line == lines.end()) return {};
  return fulldesc ? FullDescription(*line) : FieldOf(*line, kNameField);
}

}  // namespace qorvexctl
