#pragma once
// The classic string functions, on UTF-8 text counted in characters (code points), never bytes:
// "1.234,56 €" has 10 characters. Positions are 1-based, as in the classic runtime: Mid(s, 1, 1)
// is the first character and InStr answers 0 when nothing is found. Out-of-range starts and
// lengths are clamped the way the classic functions clamp them; nothing here throws.
//
// Bytes that are not valid UTF-8 count as one character each and decode to U+FFFD.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qorvexctl {

// How two texts are compared: byte for byte, or without regard to case (letters folded with
// LCase, so "Ç" matches "ç").
enum class CompareMode { Binary, Text };

// Number of characters.
std::size_t Len(std::string_view text);

// `length` characters starting at the 1-based `start`; the rest of the text when `length` is
// npos. A start past the end gives "".
std::string Mid(std::string_view text, std::size_t start, std::size_t length = std::string::npos);
std::string Left(std::string_view text, std::size_t length);
std::string Right(std::string_view text, std::size_t length);

// The 1-based character position of the first `find` at or after `start`, or 0. An empty `find`
// is found at `start` (when start <= Len + 1), as in the classic runtime.
std::size_t InStr(std::string_view text, std::string_view find, std::size_t start = 1,
                  CompareMode mode = CompareMode::Binary);
// The 1-based position of the last `find` that starts at or before `start` (npos: the whole
// text), or 0.
std::size_t InStrRev(std::string_view text, std::string_view find,
                     std::size_t start = std::string::npos, CompareMode mode = CompareMode::Binary);

// Every occurrence of `find` replaced by `with`, scanning left to right without rescanning
// replaced text; at most `count` replacements when count is not npos. An empty `find` changes
// nothing.
std::string Replace(std::string_view text, std::string_view find, std::string_view with,
                    std::size_t count = std::string::npos, CompareMode mode = CompareMode::Binary);

// Case conversion of ASCII, Latin-1 (à..þ, ÿ), Latin Extended-A, Greek and Cyrillic letters.
// Characters without a single-character counterpart (ß) stay as they are.
std::string UCase(std::string_view text);
std::string LCase(std::string_view text);
// Each word's first letter in upper case, the rest in lower case. Words are separated by space,
// tab, line feed, vertical tab, form feed, carriage return and NUL.
std::string ProperCase(std::string_view text);
char32_t UpperChar(char32_t c);
char32_t LowerChar(char32_t c);

// True when the two texts are equal without regard to case.
bool EqualsNoCase(std::string_view a, std::string_view b);

// Removing spaces (U+0020 only, as the classic functions do) from the left, right or both ends.
std::string LTrim(std::string_view text);
std::string RTrim(std::string_view text);
std::string Trim(std::string_view text);

// The parts of `text` between occurrences of `delimiter`. An empty text gives no parts; an
// empty delimiter gives the whole text as one part. At most `limit` parts when limit is not
// npos (the last part holds the rest).
std::vector<std::string> Split(std::string_view text, std::string_view delimiter = " ",
                               std::size_t limit = std::string::npos);
std::string Join(const std::vector<std::string>& parts, std::string_view delimiter = " ");

// `count` copies of the character `c`; Space(n) is n blanks.
std::string StringOf(std::size_t count, char32_t c);
std::string Space(std::size_t count);

// The text of one character (ChrW) and the code of the first character, 0 for "" (AscW).
std::string Chr(char32_t c);
char32_t AscW(std::string_view text);

// UTF-8 decoding and encoding. Invalid sequences decode to U+FFFD, one per byte; surrogates and
// values above U+10FFFF encode as U+FFFD.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view chars);
void AppendUtf8(std::string& out, char32_t c);
// True when every byte sequence of `text` is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);
// The byte offset of the 1-based character position `position` (Len + 1 gives text.size()).
std::size_t ByteOffsetOfChar(std::string_view text, std::size_t position);

}  // namespace qorvexctl
