#pragma once
// Access keys of captions: "&Ficheiro" is underlined under F and answers Alt+F; "&&" is a
// literal ampersand.

#include <string>
#include <string_view>

namespace qorvexctl::platform {

// The access key of a caption in lower case: the character after the first single "&", or 0.
char32_t AccessKeyOf(std::string_view caption);
// The caption as shown: single "&" removed, "&&" shown as "&".
std::string StripMnemonic(std::string_view caption);
// The 0-based character position of the underlined character in the shown caption, or -1.
int MnemonicPosition(std::string_view caption);

}  // namespace qorvexctl::platform
