#include <chrono>
#include <csignal>

#include <gtest/gtest.h>

#include "platform/console.h"

namespace pictavue {
namespace {

using namespace std::chrono_literals;

// Asks as a run does, at every poll point, until the watch answers or the patience runs out.
bool Noticed(InterruptWatch& watch, std::chrono::milliseconds patience) {
  const auto give_up = std::chrono::steady_clock::now() + patience;
  while (!watch.Requested() && std::chrono::steady_clock::now() < give_up) {
  }
  return watch.Requested();
}

TEST(InterruptWatchTest, CtrlCBecomesARequestInsteadOfTheEnd) {
  // As a terminal's foreground program has it, whatever the runner left (see the end).
  const auto inherited = std::signal(SIGINT, SIG_DFL);
  {
    InterruptWatch watch;
    EXPECT_FALSE(Noticed(watch, 30ms)) << "a request without an interrupt";
    ASSERT_EQ(std::raise(SIGINT), 0);  // would end the test program without the watch
    // Well below what a person notices, far above the watch's own delay.
    EXPECT_TRUE(Noticed(watch, 250ms));
    EXPECT_TRUE(watch.Requested());    // stays
    ASSERT_EQ(std::raise(SIGINT), 0);  // still pending when the watch ends: must not end us
  }
  {
    InterruptWatch next;
    EXPECT_FALSE(Noticed(next, 30ms)) << "the interrupt of the last watch came back";
  }
#ifndef _WIN32
  // A shell starts a script's background job with the interrupt ignored, so that the Ctrl+C meant
  // for the foreground leaves the job running; the watch must not take it up, nor undo it.
  const auto previous = std::signal(SIGINT, SIG_IGN);
  {
    InterruptWatch watch;
    ASSERT_EQ(std::raise(SIGINT), 0);
    EXPECT_FALSE(Noticed(watch, 30ms));
  }
  EXPECT_EQ(std::signal(SIGINT, previous), SIG_IGN) << "the watch took the ignored interrupt up";
#endif
  std::signal(SIGINT, inherited);
}

}  // namespace
}  // namespace pictavue
