#pragma once
// The texts of a button's caption and tooltip: its access key, its lines, its title.

#include <string>
#include <string_view>
#include <vector>

namespace qorvexctl {

// The character after the last single "&" of the caption, in lower case; "&&" is a literal
// ampersand and is skipped. 0 when there is none.
char32_t AccessKeyOf(std::string_view caption);
// The caption's lines: "||" breaks a line.
std::vector<std::string> CaptionLines(std::string_view caption);
// The caption without any "&" (a tooltip title).
std::string CaptionWithoutAmpersands(std::string_view caption);
// The tooltip text with every "\13" (backslash, one, three) as a line break.
std::string TooltipWithLineBreaks(std::string_view tip);

}  // namespace qorvexctl
