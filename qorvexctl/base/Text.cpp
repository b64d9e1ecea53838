#include "qorvexctl/base/Text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace qorvexctl {

namespace {

constexpr char32_t kReplacementChar = 0xFFFD;

// Number of bytes of the well-formed UTF-8 sequence at `pos`, or 0 when it is not one.
std::size_t WellFormedLength(std::string_view text, std::size_t pos) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[pos + i]); };
  const std::uint8_t lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  std::uint8_t low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (pos + length > text.size()) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  return length;
}

// Decodes the character at byte offset `pos` and moves `pos` past it.
char32_t DecodeNext(std::string_view text, std::size_t& pos) {
  const std::size_t length = WellFormedLength(text, pos);
  const auto lead = static_cast<std::uint8_t>(text[pos]);
  if (length == 0) {
    ++pos;
    return kReplacementChar;
  }
  static constexpr std::array<std::uint8_t, 5> kLeadMask = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t c = lead & kLeadMask[length];
  for (std::size_t i = 1; i < length; ++i) {
    c = (c << 6) | (static_cast<std::uint8_t>(text[pos + i]) & 0x3F);
  }
  pos += length;
  return c;
}

// One block of letters with single-character case counterparts: upper-case letters from
// `first` to `last` map to lower case by adding `delta`. In alternating blocks only every other
// character (first, first + 2, ...) is upper case and its lower case follows it.
struct CaseBlock {
  char32_t first;
  char32_t last;
  int delta;
  bool alternating;
};

constexpr std::array<CaseBlock, 17> kCaseBlocks = {{
    {0x41, 0x5A, 32, false},      // A..Z
    {0xC0, 0xD6, 32, false},      // À..Ö
    {0xD8, 0xDE, 32, false},      // Ø..Þ
    {0x100, 0x12F, 1, true},      // Ā..į
    {0x132, 0x137, 1, true},      // Ĳ..ķ
    {0x139, 0x148, 1, true},      // Ĺ..ň
    {0x14A, 0x177, 1, true},      // Ŋ..ŷ
    {0x178, 0x178, -121, false},  // Ÿ -> ÿ
    {0x179, 0x17E, 1, true},      // Ź..ž
    {0x386, 0x386, 38, false},    // Ά
    {0x388, 0x38A, 37, false},    // Έ..Ί
    {0x38C, 0x38C, 64, false},    // Ό
    {0x38E, 0x38F, 63, false},    // Ύ..Ώ
    {0x391, 0x3A1, 32, false},    // Α..Ρ
    {0x3A3, 0x3AB, 32, false},    // Σ..Ϋ
    {0x400, 0x40F, 80, false},    // Ѐ..Џ
    {0x410, 0x42F, 32, false},    // А..Я
}};

bool IsUpperIn(const CaseBlock& block, char32_t c) {
  if (c < block.first || c > block.last) return false;
  return !block.alternating || (c - block.first) % 2 == 0;
}

bool IsWordSeparator(char32_t c) { return c == U' ' || c == U'\0' || (c >= U'\t' && c <= U'\r'); }

std::u32string FoldForCompare(std::u32string chars, CompareMode mode) {
  if (mode == CompareMode::Text) {
    std::transform(chars.begin(), chars.end(), chars.begin(), LowerChar);
  }
  return chars;
}

std::string Transformed(std::string_view text, char32_t (*convert)(char32_t)) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) AppendUtf8(out, convert(DecodeNext(text, pos)));
  return out;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string chars;
  chars.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) chars.push_back(DecodeNext(text, pos));
  return chars;
}

void AppendUtf8(std::string& out, char32_t c) {
  if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacementChar;
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string EncodeUtf8(std::u32string_view chars) {
  std::string out;
  out.reserve(chars.size());
  for (char32_t c : chars) AppendUtf8(out, c);
  return out;
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = WellFormedLength(text, pos);
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

std::size_t ByteOffsetOfChar(std::string_view text, std::size_t position) {
  std::size_t pos = 0;
  for (std::size_t n = 1; n < position && pos < text.size(); ++n) DecodeNext(text, pos);
  return pos;
}

std::size_t Len(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); ++count) DecodeNext(text, pos);
  return count;
}

std::string Mid(std::string_view text, std::size_t start, std::size_t length) {
  if (start == 0) start = 1;
  const std::size_t begin = ByteOffsetOfChar(text, start);
  std::size_t end = begin;
  for (std::size_t n = 0; n < length && end < text.size(); ++n) DecodeNext(text, end);
  return std::string(text.substr(begin, end - begin));
}

std::string Left(std::string_view text, std::size_t length) { return Mid(text, 1, length); }

std::string Right(std::string_view text, std::size_t length) {
  const std::size_t total = Len(text);
  if (length >= total) return std::string(text);
  return Mid(text, total - length + 1);
}

std::size_t InStr(std::string_view text, std::string_view find, std::size_t start,
                  CompareMode mode) {
  if (start == 0) start = 1;
  const std::u32string haystack = FoldForCompare(DecodeUtf8(text), mode);
  const std::u32string needle = FoldForCompare(DecodeUtf8(find), mode);
  if (start > haystack.size() + 1) return 0;
  const std::size_t at = haystack.find(needle, start - 1);
  return at == std::u32string::npos ? 0 : at + 1;
}

std::size_t InStrRev(std::string_view text, std::string_view find, std::size_t start,
                     CompareMode mode) {
  const std::u32string haystack = FoldForCompare(DecodeUtf8(text), mode);
  const std::u32string needle = FoldForCompare(DecodeUtf8(find), mode);
  if (start == 0) return 0;
  if (start != std::string::npos && start > haystack.size()) return 0;
  const std::size_t from = start == std::string::npos ? std::u32string::npos : start - 1;
  const std::size_t at = haystack.rfind(needle, from);
  return at == std::u32string::npos ? 0 : at + 1;
}

std::string Replace(std::string_view text, std::string_view find, std::string_view with,
                    std::size_t count, CompareMode mode) {
  if (find.empty()) return std::string(text);
  const std::u32string original = DecodeUtf8(text);
  const std::u32string haystack = FoldForCompare(original, mode);
  const std::u32string needle = FoldForCompare(DecodeUtf8(find), mode);
  std::string out;
  std::size_t pos = 0;
  for (std::size_t done = 0; done < count; ++done) {
    const std::size_t at = haystack.find(needle, pos);
    if (at == std::u32string::npos) break;
    out += EncodeUtf8(std::u32string_view(original).substr(pos, at - pos));
    out += with;
    pos = at + needle.size();
  }
  out += EncodeUtf8(std::u32string_view(original).substr(pos));
  return out;
}

char32_t LowerChar(char32_t c) {
  for (const CaseBlock& block : kCaseBlocks) {
    if (IsUpperIn(block, c)) return static_cast<char32_t>(static_cast<int>(c) + block.delta);
  }
  return c;
}

char32_t UpperChar(char32_t c) {
  if (c < 0x80) return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c;  // ASCII, without the table
  if (c == 0x3C2) return 0x3A3;                                     // final sigma
  for (const CaseBlock& block : kCaseBlocks) {
    const auto upper = static_cast<char32_t>(static_cast<int>(c) - block.delta);
    if (IsUpperIn(block, upper)) return upper;
  }
  return c;
}

std::string UCase(std::string_view text) { return Transformed(text, UpperChar); }

std::string LCase(std::string_view text) { return Transformed(text, LowerChar); }

std::string ProperCase(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool wordStart = true;
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t c = DecodeNext(text, pos);
    AppendUtf8(out, wordStart ? UpperChar(c) : LowerChar(c));
    wordStart = IsWordSeparator(c);
  }
  return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return FoldForCompare(DecodeUtf8(a), CompareMode::Text) ==
         FoldForCompare(DecodeUtf8(b), CompareMode::Text);
}

std::string LTrim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string RTrim(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string Trim(std::string_view text) { return LTrim(RTrim(text)); }

std::vector<std::string> Split(std::string_view text, std::string_view delimiter,
                               std::size_t limit) {
  std::vector<std::string> parts;
  if (text.empty() || limit == 0) return parts;
  std::size_t pos = 0;
  while (!delimiter.empty() && parts.size() + 1 < limit) {
    const std::size_t at = text.find(delimiter, pos);
    if (at == std::string_view::npos) break;
    parts.emplace_back(text.substr(pos, at - pos));
    pos = at + delimiter.size();
  }
  parts.emplace_back(text.substr(pos));
  return parts;
}

std::string Join(const std::vector<std::string>& parts, std::string_view delimiter) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out += delimiter;
    out += parts[i];
  }
  return out;
}

std::string StringOf(std::size_t count, char32_t c) {
  std::string one = Chr(c);
  std::string out;
  out.reserve(one.size() * count);
  for (std::size_t i = 0; i < count; ++i) out += one;
  return out;
}

std::string Space(std::size_t count) { return std::string(count, ' '); }

std::string Chr(char32_t c) {
  std::string out;
  AppendUtf8(out, c);
  return out;
}

char32_t AscW(std::string_view text) {
  std::size_t pos = 0;
  return text.empty() ? 0 : DecodeNext(text, pos);
}

}  // namespace qorvexctl
