#include "qorvexctl/platform/widgets/TextBoxLayout.h"

#include <gtest/gtest.h>

namespace qorvexctl::platform {
namespace {

const Font kFont;

TEST(TextBoxLayout, SplitsAtEveryKindOfLineBreak) {
  const std::u32string text = U"ab\r\ncd\nef\r";
  const TextBoxLayout layout(text, kFont, true, 0);
  ASSERT_EQ(layout.LineCount(), 4u);
  EXPECT_EQ(layout.Lines()[0].end, 2u);
  EXPECT_EQ(layout.Lines()[0].next, 4u);  // "\r\n" is one break
  EXPECT_EQ(layout.Lines()[1].start, 4u);
  EXPECT_EQ(layout.Lines()[2].start, 7u);
  EXPECT_EQ(layout.Lines()[3].start, 10u);  // the empty line after a final break
  EXPECT_EQ(layout.LineText(1), "cd");
  EXPECT_EQ(TextBoxLayout(text, kFont, false, 0).LineCount(), 1u);  // a one-line box
}

TEST(TextBoxLayout, WrapsAfterTheSpacesThatEndALine) {
  const std::u32string text = U"alpha beta  gamma";
  const TextBoxLayout layout(text, kFont, true, kFont.TextWidth("alpha beta") + 1);
  ASSERT_EQ(layout.LineCount(), 2u);
  EXPECT_EQ(layout.LineText(0), "alpha beta  ");
  EXPECT_TRUE(layout.Lines()[0].wrapped);
  EXPECT_EQ(layout.LineText(1), "gamma");
  // The wrap point belongs to the second line; End stays on the first, before the spaces.
  EXPECT_EQ(layout.LineOf(12), 1u);
  EXPECT_EQ(layout.LineOf(11), 0u);
  EXPECT_EQ(layout.LineEndForCaret(0), 10u);
  EXPECT_EQ(layout.PositionAt(1, 100000), text.size());
  EXPECT_EQ(layout.PositionAt(0, 100000), 10u);
}

TEST(TextBoxLayout, BreaksAWordWiderThanTheBoxBetweenCharacters) {
  const std::u32string text = U"abcdefghijklmnop";
  const TextBoxLayout layout(text, kFont, true, kFont.TextWidth("abcd"));
  ASSERT_GT(layout.LineCount(), 3u);
  std::string joined;
  for (std::size_t i = 0; i < layout.LineCount(); ++i) {
    EXPECT_LE(layout.LineWidth(i), kFont.TextWidth("abcd")) << "line " << i;
    EXPECT_GT(layout.Lines()[i].end, layout.Lines()[i].start) << "line " << i;
    joined += layout.LineText(i);
  }
  EXPECT_EQ(joined, "abcdefghijklmnop");
}

}  // namespace
}  // namespace qorvexctl::platform
