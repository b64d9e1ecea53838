#include "qorvexctl/base/Base64.h"

#include <algorithm>

namespace qorvexctl {

namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The six-bit value of a Base64 character, or -1.
int SextetOf(char c) {
  const std::size_t at = kAlphabet.find(c);
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

}  // namespace

std::string EncodeBase64(const std::vector<std::uint8_t>& bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
    std::uint32_t group = bytes[i] << 16;
    if (count > 1) group |= bytes[i + 1] << 8;
    if (count > 2) group |= bytes[i + 2];
    for (std::size_t k = 0; k < 4; ++k) {
      out += k <= count ? kAlphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
    }
  }
  return out;
}

std::optional<std::vector<std::uint8_t>> DecodeBase64(std::string_view text) {
  if (text.size() % 4 != 0) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  bytes.reserve(text.size() / 4 * 3);
  for (std::size_t i = 0; i < text.size(); i += 4) {
    const bool last = i + 4 == text.size();
    const std::size_t padding = last ? (text[i + 3] == '=') + (text[i + 2] == '=') : 0;
    std::uint32_t group = 0;
    for (std::size_t k = 0; k < 4; ++k) {
      const int sextet = k < 4 - padding ? SextetOf(text[i + k]) : 0;
      if (sextet < 0) return std::nullopt;
      group = (group << 6) | static_cast<std::uint32_t>(sextet);
    }
    if (padding == 1 && text[i + 2] == '=') return std::nullopt;
    for (std::size_t k = 0; k < 3 - padding; ++k) {
      bytes.push_back(static_cast<std::uint8_t>(group >> (16 - 8 * k)));
    }
  }
  return bytes;
}

}  // namespace qorvexctl
