#include "qorvexctl/base/Base64.h"

#include <gtest/gtest.h>

namespace qorvexctl {

TEST(Base64, EncodesTheRfcExamplesAndDecodesThemBack) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"f", "Zg=="},
      {"fo", "Zm8="},
      {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="},
      {"fooba", "Zm9vYmE="},
      {"foobar", "Zm9vYmFy"},
  };
  for (const auto& [plain, encoded] : cases) {
    const std::vector<std::uint8_t> bytes(plain.begin(), plain.end());
    EXPECT_EQ(EncodeBase64(bytes), encoded) << plain;
    EXPECT_EQ(DecodeBase64(encoded), bytes) << encoded;
  }
  const std::vector<std::uint8_t> high = {0x00, 0xFF, 0xFE, 0x80};
  EXPECT_EQ(DecodeBase64(EncodeBase64(high)), high);
}

TEST(Base64, RefusesMalformedText) {
  EXPECT_FALSE(DecodeBase64("Zm9").has_value());       // length not a multiple of 4
  EXPECT_FALSE(DecodeBase64("Zm9v!A==").has_value());  // outside the alphabet
  EXPECT_FALSE(DecodeBase64("Zg==Zm9v").has_value());  // padding before the end
  EXPECT_FALSE(DecodeBase64("Zm=v").has_value());      // padding in the middle of a group
}

}  // namespace qorvexctl
