#include "qorvexctl/base/Text.h"

#include <gtest/gtest.h>

#include <string>

namespace qorvexctl {

TEST(Text, CountsCharactersNotBytes) {
  EXPECT_EQ(Len("1.234,56 €"), 10u);
  EXPECT_EQ(Len("Conceição"), 9u);
  EXPECT_EQ(Len(""), 0u);
  EXPECT_EQ(Len("\xF0\x9F\x98\x80"), 1u);  // outside the basic plane
}

TEST(Text, MidLeftRightWorkOnCharactersAndClampLikeTheClassicFunctions) {
  const std::string amount = "1.234,56 €";
  EXPECT_EQ(Mid(amount, 10), "€");
  EXPECT_EQ(Mid(amount, 7, 4), "56 €");
  EXPECT_EQ(Mid(amount, 11), "");
  EXPECT_EQ(Mid(amount, 9, 100), " €");
  EXPECT_EQ(Mid("Conceição", 7, 1), "ç");
  EXPECT_EQ(Left("São Tomé", 3), "São");
  EXPECT_EQ(Left("São", 0), "");
  EXPECT_EQ(Right("São Tomé", 4), "Tomé");
  EXPECT_EQ(Right("abc", 10), "abc");
}

TEST(Text, InStrAnswersCharacterPositionsOrZero) {
  EXPECT_EQ(InStr("1.234,56 €", "€"), 10u);
  EXPECT_EQ(InStr("ação ação", "ção", 3), 7u);
  EXPECT_EQ(InStr("abc", "x"), 0u);
  EXPECT_EQ(InStr("abc", "", 2), 2u);
  EXPECT_EQ(InStr("abc", "", 5), 0u);
  EXPECT_EQ(InStr("LISBOA", "lis", 1, CompareMode::Text), 1u);
  EXPECT_EQ(InStr("ÉVORA", "évo", 1, CompareMode::Text), 1u);
  EXPECT_EQ(InStr("ÉVORA", "évo"), 0u);
}

TEST(Text, InStrRevSearchesBackwardsFromTheStart) {
  EXPECT_EQ(InStrRev("a\\b\\c", "\\"), 4u);
  EXPECT_EQ(InStrRev("a\\b\\c", "\\", 3), 2u);
  EXPECT_EQ(InStrRev("é/é/é", "é"), 5u);
  EXPECT_EQ(InStrRev("abc", "z"), 0u);
  EXPECT_EQ(InStrRev("abc", "a", 9), 0u);
}

TEST(Text, ReplaceDoesNotRescanAndHonoursCountAndCase) {
  EXPECT_EQ(Replace("a  b    c", "  ", " "), "a b  c");
  EXPECT_EQ(Replace("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(Replace("x.x.x", ".", "", 1), "xx.x");
  EXPECT_EQ(Replace("Ação AÇÃO", "ção", "!", std::string::npos, CompareMode::Text), "A! A!");
  EXPECT_EQ(Replace("abc", "", "z"), "abc");
}

TEST(Text, CaseConversionCoversPortugueseAndOtherEuropeanLetters) {
  EXPECT_EQ(UCase("conceição à-vontade ñ ü ÿ"), "CONCEIÇÃO À-VONTADE Ñ Ü Ÿ");
  EXPECT_EQ(LCase("ÁÉÍÓÚ ÂÊÔ ÃÕ Ç"), "áéíóú âêô ãõ ç");
  EXPECT_EQ(UCase("łódź šťž"), "ŁÓDŹ ŠŤŽ");
  EXPECT_EQ(UCase("αθήνα софия"), "ΑΘΉΝΑ СОФИЯ");
  EXPECT_EQ(UCase("straße"), "STRAßE");
  EXPECT_EQ(ProperCase("joão DA silva\tcosta-pinto"), "João Da Silva\tCosta-pinto");
  EXPECT_TRUE(EqualsNoCase("ÉVORA", "évora"));
  EXPECT_FALSE(EqualsNoCase("Évora", "Evora"));
}

TEST(Text, UpperCaseOfAsciiChangesOnlyTheLettersAToZ) {
  std::string ascii;
  std::string expected;
  for (char c = 1; c < 0x7F; ++c) {
    ascii += c;
    expected += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  EXPECT_EQ(UCase(ascii), expected);
}

TEST(Text, TrimsRemoveOnlySpaces) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(LTrim("  a "), "a ");
  EXPECT_EQ(RTrim(" a  "), " a");
  EXPECT_EQ(Trim("\ta\t"), "\ta\t");
  EXPECT_EQ(Trim("   "), "");
}

TEST(Text, SplitAndJoinFollowTheClassicEmptyRules) {
  EXPECT_TRUE(Split("").empty());
  EXPECT_EQ(Split("a;;b", ";"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(Split("a;b;c", ";", 2), (std::vector<std::string>{"a", "b;c"}));
  EXPECT_EQ(Split("abc", ""), (std::vector<std::string>{"abc"}));
  EXPECT_EQ(Split("x;", ";"), (std::vector<std::string>{"x", ""}));
  EXPECT_EQ(Join({"PT", "ES", "FR"}, ", "), "PT, ES, FR");
  EXPECT_EQ(Join({}, ","), "");
}

TEST(Text, Utf8DecodingReplacesEachBadByteAndEncodingRoundTrips) {
  EXPECT_EQ(DecodeUtf8("a\xFF"
                       "b"),
            (std::u32string{U'a', 0xFFFD, U'b'}));
  EXPECT_EQ(DecodeUtf8("\xC0\xAF"), (std::u32string{0xFFFD, 0xFFFD}));  // overlong '/'
  EXPECT_EQ(DecodeUtf8("\xED\xA0\x80").size(), 3u);                     // a surrogate
  EXPECT_EQ(DecodeUtf8("\xE2\x82"), (std::u32string{0xFFFD, 0xFFFD}));  // truncated €
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));                        // above U+10FFFF
  EXPECT_TRUE(IsValidUtf8("1.234,56 €"));
  const std::string mixed = "Aç€\xF0\x9F\x98\x80";
  EXPECT_EQ(EncodeUtf8(DecodeUtf8(mixed)), mixed);
  EXPECT_EQ(Chr(0xD800), "\xEF\xBF\xBD");
  EXPECT_EQ(AscW("€uro"), U'€');
  EXPECT_EQ(StringOf(3, U'€'), "€€€");
  EXPECT_EQ(ByteOffsetOfChar("ação", 3), 3u);
  EXPECT_EQ(Len("a\xFF"
                "b"),
            3u);
}

}  // namespace qorvexctl
