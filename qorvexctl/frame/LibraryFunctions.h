#pragma once
// The functions every component shares: the application's root and data folders, reading a
// whole data file, and the "Config" values of the settings store. Paths use "/" as the
// separator; a folder returned here always ends in "/".

#include <string>

#include "qorvexctl/base/Variant.h"
#include "qorvexctl/frame/LibraryState.h"

namespace qorvexctl {

// The settings application and keys of these functions.
inline constexpr char kSettingsApplication[] = "Qorvex";
inline constexpr char kSetupSection[] = "Setup";
inline constexpr char kRootPathKey[] = "RootPath";
inline constexpr char kConfigSection[] = "Config";
// The "Config" key of the tax-number rule set ("classic" or "current").
inline constexpr char kTaxNumberRulesKey[] = "RegrasNIF";
// What ConfigValue reads as the default to tell an absent key from one stored as "".
inline constexpr char kConfigEmptySentinel[] = "***EMPTY***";

// The application root folder, ending in "/". Taken from "Setup"/"RootPath" of the settings,
// or else the current folder, which is then stored there; cached in the library state.
std::string GetRootPath(LibraryState& state);

// GetRootPath followed by "data/".
std::string GetDataPath(LibraryState& state);

// The text of a file, each byte one character of Windows-1252, after a UTF-8 mark (EF BB BF)
// when the file starts with one. A missing, unreadable or empty file gives "" and, unless
// `silent`, a message box telling the user so.
std::string ReadWholeFile(LibraryState& state, const std::string& fileName, bool silent = false);

// The "Config" value of `key` (converted to text): Empty when the key is "" or absent, the
// stored text otherwise (also "").
Variant ConfigValue(LibraryState& state, const Variant& key);
// As above, but an absent or empty value is initialised with `value`, which is then returned;
// a stored value is returned and never overwritten.
Variant ConfigValue(LibraryState& state, const Variant& key, const Variant& value);

}  // namespace qorvexctl
