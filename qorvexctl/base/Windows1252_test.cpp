#include "qorvexctl/base/Windows1252.h"

#include <gtest/gtest.h>

#include "qorvexctl/base/Text.h"

namespace qorvexctl {

TEST(Windows1252, MapsTheHighControlsAndLatin1) {
  EXPECT_EQ(Windows1252ToUtf8("\x80 Concei\xE7\xE3o \x93x\x94"), "€ Conceição “x”");
  EXPECT_EQ(Utf8ToWindows1252("€ Conceição “x”"), "\x80 Concei\xE7\xE3o \x93x\x94");
  EXPECT_EQ(Utf8ToWindows1252("Ωa"), "?a");
}

TEST(Windows1252, EveryByteSurvivesARoundTripAsOneCharacter) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string text = Windows1252ToUtf8(all);
  EXPECT_EQ(Len(text), 256u);
  EXPECT_EQ(Utf8ToWindows1252(text), all);
}

}  // namespace qorvexctl
