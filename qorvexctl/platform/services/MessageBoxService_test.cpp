#include "qorvexctl/platform/services/MessageBoxService.h"

#include <gtest/gtest.h>

namespace qorvexctl::platform {

TEST(HeadlessMessageBoxService, RecordsEachBoxAndAnswersItsDefaultButton) {
  HeadlessMessageBoxService boxes;
  EXPECT_EQ(boxes.Show({"Título", "Texto", MessageBoxIcon::Exclamation}), MessageBoxResult::OK);
  EXPECT_EQ(boxes.Show({"T", "Q", MessageBoxIcon::Question, MessageBoxButtons::YesNo, 1}),
            MessageBoxResult::No);
  EXPECT_EQ(boxes.Show({"T", "Q", MessageBoxIcon::None, MessageBoxButtons::YesNoCancel, 2}),
            MessageBoxResult::Cancel);
  EXPECT_EQ(boxes.Show({"T", "Q", MessageBoxIcon::None, MessageBoxButtons::OKCancel, 7}),
            MessageBoxResult::OK);
  ASSERT_EQ(boxes.Shown().size(), 4u);
  EXPECT_EQ(boxes.Shown()[0].title, "Título");
  EXPECT_EQ(boxes.Shown()[0].icon, MessageBoxIcon::Exclamation);
  EXPECT_EQ(boxes.Shown()[1].buttons, MessageBoxButtons::YesNo);
}

TEST(HeadlessMessageBoxService, QueuedAnswersComeFirstInOrder) {
  HeadlessMessageBoxService boxes;
  boxes.QueueAnswer(MessageBoxResult::Retry);
  const MessageBoxRequest request{"T", "X", MessageBoxIcon::Critical,
                                  MessageBoxButtons::RetryCancel, 1};
  EXPECT_EQ(boxes.Show(request), MessageBoxResult::Retry);
  EXPECT_EQ(boxes.Show(request), MessageBoxResult::Cancel);
}

}  // namespace qorvexctl::platform
