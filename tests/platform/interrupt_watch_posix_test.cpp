#include <csignal>

#include <gtest/gtest.h>

#include "platform/console.h"

namespace pictavue {
namespace {

// A shell starts a script's background job with the interrupt ignored, so that the Ctrl+C meant
// for the foreground leaves the job running; the watch must not take it up, nor undo it.
TEST(InterruptWatchTest, AnInterruptTheProcessIgnoresStaysIgnored) {
  const auto previous = std::signal(SIGINT, SIG_IGN);
  {
    InterruptWatch watch;
    ASSERT_EQ(std::raise(SIGINT), 0);
    EXPECT_FALSE(watch.Requested());
  }
  EXPECT_EQ(std::signal(SIGINT, previous), SIG_IGN) << "the watch took the ignored interrupt up";
}

}  // namespace
}  // namespace pictavue
