#include "qorvexctl/base/Collation.h"

#include <string>

#include "qorvexctl/base/Text.h"

namespace qorvexctl {
namespace {

// Base letters of U+00C0..U+00FF; '*' marks the two signs that have none (x and division).
constexpr std::string_view kLatin1Bases =
    "AAAAAAACEEEEIIIIDNOOOOO*OUUUUYTs"
    "aaaaaaaceeeeiiiidnooooo*ouuuuyty";
// Base letters of Latin Extended-A, U+0100..U+017F.
constexpr std::string_view kLatinExtendedABases =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRr"
    "SsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";

char32_t BaseFromTable(std::string_view table, char32_t first, char32_t c) {
  const char base = table[c - first];
  return base == '*' ? c : static_cast<char32_t>(base);
}

// Three-way comparison of two character sequences after mapping each character.
template <typename Map>
int CompareMapped(const std::u32string& a, const std::u32string& b, Map map) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const char32_t x = map(a[i]), y = map(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

char32_t SortingBaseLetter(char32_t c) {
  if (c >= 0xC0 && c <= 0xFF) return LowerChar(BaseFromTable(kLatin1Bases, 0xC0, c));
  if (c >= 0x100 && c <= 0x17F) return LowerChar(BaseFromTable(kLatinExtendedABases, 0x100, c));
  return LowerChar(c);
}

int CompareForSorting(std::string_view a, std::string_view b) {
  const std::u32string x = DecodeUtf8(a), y = DecodeUtf8(b);
  if (const int base = CompareMapped(x, y, SortingBaseLetter)) return base;
  return CompareMapped(x, y, LowerChar);
}

}  // namespace qorvexctl
