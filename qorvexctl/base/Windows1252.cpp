#include "qorvexctl/base/Windows1252.h"

#include <array>

#include "qorvexctl/base/Text.h"

namespace qorvexctl {

namespace {

// Bytes 80..9F; the other bytes have the code of their value (Latin-1).
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

}  // namespace

char32_t Windows1252ToChar(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

std::optional<unsigned char> CharToWindows1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (char byte : bytes) AppendUtf8(out, Windows1252ToChar(static_cast<unsigned char>(byte)));
  return out;
}

std::string Utf8ToWindows1252(std::string_view text, char fallback) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : DecodeUtf8(text)) {
    const auto byte = CharToWindows1252(c);
    out.push_back(byte ? static_cast<char>(*byte) : fallback);
  }
  return out;
}

}  // namespace qorvexctl
