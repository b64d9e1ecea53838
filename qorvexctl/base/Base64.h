#pragma once
// Base64 (RFC 4648, standard alphabet with "=" padding) for byte arrays kept in text files.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qorvexctl {

std::string EncodeBase64(const std::vector<std::uint8_t>& bytes);
// The bytes of a padded Base64 text, or nothing when the text is not one (wrong length, a
// character outside the alphabet, misplaced padding).
std::optional<std::vector<std::uint8_t>> DecodeBase64(std::string_view text);

}  // namespace qorvexctl
