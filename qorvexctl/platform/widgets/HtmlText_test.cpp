#include "qorvexctl/platform/widgets/HtmlText.h"

#include <gtest/gtest.h>

namespace qorvexctl::platform {
namespace {

TEST(HtmlText, ReadsMarkupAsABrowserShowsIt) {
  const struct {
    const char* html;
    const char* text;
  } cases[] = {
      {"<b>Por  favor</b>\n   <i>aguarde</i>  ", "Por favor aguarde"},
      {"<font face=Tahoma size=3>IRS</font>", "IRS"},
      {"", ""},
      {"um<br>dois<BR/>três", "um\ndois\ntrês"},
      {"<p>um</p><p>dois</p>", "um\ndois"},
      {"título<br><br> texto <br>", "título\n\ntexto"},
      {"<p>sem fim<p>outro", "sem fim\noutro"},  // unclosed paragraphs
      {"<h1>Artigo 78.º</h1>Deduções", "Artigo 78.º\nDeduções"},
      {"<ul><li>um<li>dois</ul>", "• um\n• dois"},
      {"<ol><li>um</li><li>dois</li></ol>", "1. um\n2. dois"},
      {"<pre>a  b\nc</pre>", "a  b\nc"},
  };
  for (const auto& c : cases) EXPECT_EQ(HtmlToText(c.html), c.text) << c.html;
}

TEST(HtmlText, TablesLineUpInColumns) {
  EXPECT_EQ(HtmlToText("<table><tr><td>Art.</td><td>Epígrafe</td></tr>"
                       "<tr><td>78</td><td>Deduções</td></tr><tr><td>c</td></tr></table>"),
            "Art.  Epígrafe\n78    Deduções\nc");
  // Rows straight in the table, a thead, stray text after the cells: the parser fixes them up.
  EXPECT_EQ(HtmlToText("<table><thead><tr><th>a<th>bb</thead><tr><td>ccc<td>d</table>x"),
            "a    bb\nccc  d\nx");
}

TEST(HtmlText, DecodesReferencesAsABrowserDoes) {
  EXPECT_EQ(HtmlToText("a &amp; b &lt;c&gt; &quot;d&quot;"), "a & b <c> \"d\"");
  EXPECT_EQ(HtmlToText("1&nbsp;234"), "1\u00A0234");
  EXPECT_EQ(HtmlToText("&#233;&#xE9;&#X20AC;&ordm;"), "éé€º");
  EXPECT_EQ(HtmlToText("&unknown; &amp &#1114112;"), "&unknown; & \uFFFD");
  EXPECT_EQ(HtmlToText("a & b"), "a & b");
}

TEST(HtmlText, SkipsCommentsScriptsStylesAndTheHead) {
  EXPECT_EQ(HtmlToText("a<!-- <p>not</p> -->b"), "ab");
  EXPECT_EQ(HtmlToText("a<script>if (x < y) alert('</p>');</script>b<STYLE>p{}</STYLE>c"), "abc");
  EXPECT_EQ(HtmlToText("<html><head><title>T</title></head><body>corpo</body></html>"), "corpo");
}

TEST(HtmlText, MalformedMarkupEndsQuietly) {
  EXPECT_EQ(HtmlToText("texto <b"), "texto");
  EXPECT_EQ(HtmlToText("a<!-- sem fim"), "a");
  EXPECT_EQ(HtmlToText("a<script>sem fim"), "a");
  EXPECT_EQ(HtmlToText("</div></p>a<b><i>b</b>c"), "abc");  // a stray </p> is an empty paragraph
}

TEST(HtmlText, KeepsWhereLinksAre) {
  const HtmlPage page = RenderHtml(
      "<p>Ver <a href='art79.html'>artigo 79.º</a> e <a href=x>x</a></p>"
      "<table><tr><td>ab</td><td><a href='t.html'>tabela</a></td></tr></table><a name=n>n</a>");
  EXPECT_EQ(page.text, "Ver artigo 79.º e x\nab  tabela\nn");
  ASSERT_EQ(page.links.size(), 3u);
  EXPECT_EQ(page.links[0].href, "art79.html");
  EXPECT_EQ(page.links[0].line, 0u);
  EXPECT_EQ(page.text.substr(page.links[0].begin, page.links[0].end - page.links[0].begin),
            "artigo 79.º");
  EXPECT_EQ(page.links[1].begin, page.text.find(" x") + 1);
  EXPECT_EQ(page.links[2].href, "t.html");
  EXPECT_EQ(page.links[2].line, 1u);
  EXPECT_EQ(page.links[2].begin, 4u);
  EXPECT_EQ(page.links[2].end, 10u);
}

}  // namespace
}  // namespace qorvexctl::platform
