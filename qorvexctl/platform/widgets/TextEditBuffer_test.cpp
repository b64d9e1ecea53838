#include "qorvexctl/platform/widgets/TextEditBuffer.h"

#include <gtest/gtest.h>

namespace qorvexctl::platform {
namespace {

TEST(TextEditBuffer, CaretStepsOverALineBreakAsOneCharacter) {
  const std::u32string text = U"a\r\nb";
  EXPECT_EQ(NextCaretStop(text, 1), 3u);
  EXPECT_EQ(PreviousCaretStop(text, 3), 1u);
  EXPECT_EQ(NextCaretStop(text, 4), 4u);
  EXPECT_EQ(PreviousCaretStop(text, 0), 0u);
  EXPECT_EQ(WithCrLfBreaks(U"a\nb\rc\r\nd"), U"a\r\nb\r\nc\r\nd");
}

TEST(TextEditBuffer, BackspaceAndDeleteRemoveALineBreakWholeAndUndoBringsItBack) {
  TextEditBuffer edit;
  edit.SetText(U"ab\r\ncd");
  edit.SetSelStart(4);
  EXPECT_TRUE(edit.Backspace());
  EXPECT_EQ(edit.Text(), U"abcd");
  EXPECT_EQ(edit.Caret(), 2u);
  EXPECT_TRUE(edit.Undo());
  EXPECT_EQ(edit.Text(), U"ab\r\ncd");
  edit.SetSelStart(2);
  EXPECT_TRUE(edit.DeleteForward());
  EXPECT_EQ(edit.Text(), U"abcd");
  edit.SetSelStart(4);
  EXPECT_FALSE(edit.DeleteForward());
}

}  // namespace
}  // namespace qorvexctl::platform
