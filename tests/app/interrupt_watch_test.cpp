#include <csignal>

#include <gtest/gtest.h>

#include "platform/console.h"

namespace pictavue {
namespace {

TEST(InterruptWatchTest, CtrlCBecomesARequestInsteadOfTheEnd) {
  {
    InterruptWatch watch;
    EXPECT_FALSE(watch.Requested());
    ASSERT_EQ(std::raise(SIGINT), 0);  // would end the test program without the watch
    EXPECT_TRUE(watch.Requested());
    EXPECT_TRUE(watch.Requested());    // stays
    ASSERT_EQ(std::raise(SIGINT), 0);  // still pending when the watch ends: must not end us
  }
  InterruptWatch next;
  EXPECT_FALSE(next.Requested());
}

}  // namespace
}  // namespace pictavue
