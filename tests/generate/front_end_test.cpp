#include "generate/front_end.h"

#include <gtest/gtest.h>

#include "support/recording_front_end.h"

namespace pictavue {
namespace {

TEST(ShowMessageTest, EmptyTitleBecomesTheProgramTitleInTheCallersVariable) {
  testing::RecordingFrontEnd front_end;
  std::string title;
  ShowMessage(front_end, "a", kStyleWarning, title);
  EXPECT_EQ(title, "Pictavue");

  std::string own = "Own";
  ShowMessage(front_end, "b", kStyleStop, own);
  EXPECT_EQ(own, "Own");
  EXPECT_EQ(front_end.Events(),
            (std::vector<std::string>{"message 48 Pictavue: a", "message 16 Own: b"}));
}

TEST(ShowMessageTest, ReturnsTheButtonPressed) {
  testing::RecordingFrontEnd front_end;
  front_end.QueueAnswer(kButtonYes);
  EXPECT_EQ(ShowMessage(front_end, "q", kStyleQuestionDefaultNo), kButtonYes);
  // Without a queued answer each box takes its default button.
  EXPECT_EQ(ShowMessage(front_end, "q", kStyleQuestionDefaultNo), kButtonNo);
  EXPECT_EQ(ShowMessage(front_end, "q", kStyleQuestion), kButtonYes);
  EXPECT_EQ(ShowMessage(front_end, "m", kStyleWarning), kButtonOk);
}

}  // namespace
}  // namespace pictavue
