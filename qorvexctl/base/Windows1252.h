#pragma once
// Windows-1252, the code page of the files the system calls ANSI, to and from UTF-8.
// The five byte values the code page leaves undefined (81, 8D, 8F, 90, 9D) map to the C1
// control characters of the same value, as the platform's own converter maps them, so every
// byte string survives a round trip.

#include <optional>
#include <string>
#include <string_view>

namespace qorvexctl {

// The character of one Windows-1252 byte.
char32_t Windows1252ToChar(unsigned char byte);
// The byte of a character, or nothing when the code page has no such character.
std::optional<unsigned char> CharToWindows1252(char32_t c);

// Each byte becomes one character.
std::string Windows1252ToUtf8(std::string_view bytes);
// Each character becomes one byte; characters outside the code page become `fallback`.
std::string Utf8ToWindows1252(std::string_view text, char fallback = '?');

}  // namespace qorvexctl
