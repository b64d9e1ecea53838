#include "qorvexctl/platform/widgets/HtmlText.h"

#include <gtest/gtest.h>

namespace qorvexctl::platform {
namespace {

TEST(HtmlText, DropsTagsAndCollapsesWhiteSpace) {
  EXPECT_EQ(HtmlToText("<b>Por  favor</b>\n   <i>aguarde</i>  "), "Por favor aguarde");
  EXPECT_EQ(HtmlToText("<font face=Tahoma size=3>IRS</font>"), "IRS");
  EXPECT_EQ(HtmlToText(""), "");
}

TEST(HtmlText, BreaksLinesAtBrAndBlockElements) {
  EXPECT_EQ(HtmlToText("um<br>dois<BR/>três"), "um\ndois\ntrês");
  EXPECT_EQ(HtmlToText("<p>um</p><p>dois</p>"), "um\ndois");
  EXPECT_EQ(HtmlToText("título<br><br> texto <br>"), "título\n\ntexto");
  EXPECT_EQ(HtmlToText("<table><tr><td>a</td><td>b</td></tr><tr><td>c</td></tr></table>"),
            "a b\nc");
}

TEST(HtmlText, DecodesCharacterReferences) {
  EXPECT_EQ(HtmlToText("a &amp; b &lt;c&gt; &quot;d&quot;"), "a & b <c> \"d\"");
  EXPECT_EQ(HtmlToText("1&nbsp;234"), "1\u00A0234");
  EXPECT_EQ(HtmlToText("&#233;&#xE9;&#X20AC;"), "éé€");
}

TEST(HtmlText, LeavesUnknownOrBrokenReferencesAsWritten) {
  EXPECT_EQ(HtmlToText("&unknown; &amp &#; &#xZZ; &#1114112; &#55296;"),
            "&unknown; &amp &#; &#xZZ; &#1114112; &#55296;");
  EXPECT_EQ(HtmlToText("a & b"), "a & b");
}

TEST(HtmlText, SkipsCommentsScriptsAndStyles) {
  EXPECT_EQ(HtmlToText("a<!-- <p>not</p> -->b"), "ab");
  EXPECT_EQ(HtmlToText("a<script>if (x < y) alert(1);</script>b<STYLE>p{}</STYLE>c"), "abc");
}

TEST(HtmlText, MalformedMarkupEndsQuietly) {
  EXPECT_EQ(HtmlToText("texto <b"), "texto");
  EXPECT_EQ(HtmlToText("a<!-- sem fim"), "a");
  EXPECT_EQ(HtmlToText("a<script>sem fim"), "a");
}

}  // namespace
}  // namespace qorvexctl::platform
