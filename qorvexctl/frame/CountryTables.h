#pragma once
// The country tables the controls share: the EU member list in the order the selection dialog
// offers it, the order of the flags in the "COUNTRIES" strip, and where a flag sits in it.
// The alphabetical EU list whose positions are the validation country indexes lives with the
// tax-number rules (validation/).

#include <optional>
#include <string_view>

namespace qorvexctl {

// The 27 EU codes, Portugal first, comma-separated; Greece is "EL", the United Kingdom included.
extern const std::string_view EuCountryCodesPortugalFirst;

// The 248 codes of the flag strip cells, in cell order, separated by ";". "SD" appears twice
// (cells 207 and 247); lookups find the first. Greece is "GR" here and "EL" is absent.
extern const std::string_view CountryFlagCodes;

inline constexpr int kFlagCellSize = 16;      // pixels, width and height of one flag cell
inline constexpr int kFlagStripColumns = 32;  // cells per row of the strip
inline constexpr int kFlagStripRows = 8;

// The strip cell of a code: the first place the code occurs in CountryFlagCodes, as a cell
// index. Codes are compared exactly (upper case); nullopt when the code does not occur.
[[nodiscard]] std::optional<int> FlagCellIndex(std::string_view code);

// Top-left pixel of cell k inside the strip.
struct FlagCellOrigin {
  int x;
  int y;
};
[[nodiscard]] constexpr FlagCellOrigin FlagCellPixelOrigin(int k) {
  return {(k % kFlagStripColumns) * kFlagCellSize, (k / kFlagStripColumns) * kFlagCellSize};
}

}  // namespace qorvexctl
