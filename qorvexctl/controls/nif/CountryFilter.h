#pragma once
// Which countries a country list offers: the NIF field's filter and its country list window's.

#include <cstdint>

namespace qorvexctl {

// Portugal: the field's default country, and the head of every country list but a custom one.
inline constexpr char kPortugalCode[] = "PT";

enum GSEL_CountryFilterList : std::int32_t {
  GSEL_OnlyPT = 0,
  GSEL_OnlyEU = 1,
  GSEL_All = 2,
  GSEL_Custom = 3,  // the codes of a custom list, each followed by ","
};

}  // namespace qorvexctl
