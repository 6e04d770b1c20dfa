#include <chrono>
#include <csignal>

#include <gtest/gtest.h>

#include "platform/console.h"

namespace pictavue {
namespace {

using Clock = std::chrono::steady_clock;

// Asks as a run does, at every poll point, until the watch answers or the patience runs out;
// gives how long the answer took.
std::chrono::milliseconds TimeToNotice(InterruptWatch& watch, std::chrono::milliseconds patience) {
  const Clock::time_point start = Clock::now();
  while (!watch.Requested() && Clock::now() - start < patience) {
  }
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

TEST(InterruptWatchTest, CtrlCBecomesARequestInsteadOfTheEnd) {
  // Well below what a person notices, yet far above the watch's own delay, so that a busy
  // machine does not fail the test.
  constexpr std::chrono::milliseconds kPromptly{250};
  {
    InterruptWatch watch;
    EXPECT_FALSE(watch.Requested());
    EXPECT_GE(TimeToNotice(watch, std::chrono::milliseconds{30}), std::chrono::milliseconds{30})
        << "a request without an interrupt";
    ASSERT_EQ(std::raise(SIGINT), 0);  // would end the test program without the watch
    EXPECT_LT(TimeToNotice(watch, std::chrono::seconds{5}), kPromptly);
    EXPECT_TRUE(watch.Requested());
    EXPECT_TRUE(watch.Requested());    // stays
    ASSERT_EQ(std::raise(SIGINT), 0);  // still pending when the watch ends: must not end us
  }
  InterruptWatch next;
  EXPECT_FALSE(next.Requested());
  EXPECT_GE(TimeToNotice(next, std::chrono::milliseconds{30}), std::chrono::milliseconds{30})
      << "the interrupt of the last watch came back";
}

// An interrupt that came while the run was busy elsewhere is seen at the next poll point.
TEST(InterruptWatchTest, AnInterruptDuringALongStepIsSeenAtTheNextPoint) {
  InterruptWatch watch;
  EXPECT_FALSE(watch.Requested());
  const Clock::time_point busy_until = Clock::now() + std::chrono::milliseconds{20};
  while (Clock::now() < busy_until) {
  }
  ASSERT_EQ(std::raise(SIGINT), 0);
  EXPECT_TRUE(watch.Requested());
}

}  // namespace
}  // namespace pictavue
