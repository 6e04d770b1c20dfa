#include "generate/front_end.h"

#include <gtest/gtest.h>

#include "support/recording_front_end.h"

namespace pictavue {
namespace {

// The button defaults are the front ends' own (tests/app, tests/ui); this is the title rule.
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

}  // namespace
}  // namespace pictavue
