#pragma once
// Ordering text the way a user expects a sorted list to read: without regard to case, and with
// accented Latin letters next to their base letter ("Áustria" between "Arménia" and
// "Azerbaijão", not after "Zimbabué"). Letters compare first by base letter; texts equal on
// that are ordered by their accents. Texts that differ only in case are equal.

#include <string_view>

namespace qorvexctl {

// Negative when `a` sorts before `b`, zero when they sort together, positive after.
int CompareForSorting(std::string_view a, std::string_view b);

// The letter an accented Latin letter is written on, in lower case ('Á' gives 'a'); other
// characters in lower case.
char32_t SortingBaseLetter(char32_t c);

}  // namespace qorvexctl
