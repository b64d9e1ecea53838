#pragma once
// The country data file "iso3166.txt" of the data folder: one country per line (lines end in
// CR LF), fields separated by TAB: numeric code, two-letter code, three-letter code, the name
// shown to the user. The two-letter code is the key.

#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/frame/LibraryState.h"

namespace qorvexctl {

inline constexpr char kCountryFileName[] = "iso3166.txt";

// The lines of the file's text, each split into its fields. Every line is kept, short ones
// included, so callers can count lines; lines with fewer than two fields name no country.
std::vector<std::vector<std::string>> SplitCountryFile(std::string_view text);

// The name of a country for the NIF field. "PT" is "Portugal" without reading the file.
// Otherwise the file is read (a missing file shows the data-file message) and the first line
// whose two-letter code equals `code` gives the name; no such line gives "". With `fulldesc`
// the name is followed by " - Código ISO3166: ", the numeric code, " (", the two codes
// separated by ",", ")" and, for EU members, " - País da União Europeia".
std::string CountryName(LibraryState& state, std::string_view code, bool fulldesc = false);

}  // namespace qorvexctl
