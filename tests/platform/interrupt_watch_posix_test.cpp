// The interrupt as POSIX delivers it: to the process, and so to whichever of its threads does not
// hold it back.

#include <atomic>
#include <chrono>
#include <csignal>
#include <thread>

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include "platform/console.h"

namespace pictavue {
namespace {

// The process's interrupt may be taken by any of its threads, also one that was running before
// the watch began: it must become a request all the same, never the end of the process.
TEST(InterruptWatchTest, AThreadStartedBeforeTheWatchDoesNotLetTheInterruptEndTheProcess) {
  std::atomic<bool> running{false};
  std::atomic<bool> stop{false};
  std::thread worker([&running, &stop] {
    running.store(true);  // a new thread takes its signal mask over only once it runs
    while (!stop.load()) {
      std::this_thread::sleep_for(std::chrono::milliseconds{1});
    }
  });
  while (!running.load()) {
    std::this_thread::yield();
  }
  {
    InterruptWatch watch;
    for (int i = 0; i < 20; ++i) {
      ASSERT_EQ(kill(getpid(), SIGINT), 0);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds{5};
    while (!watch.Requested() && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds{1});
    }
    EXPECT_TRUE(watch.Requested());
  }
  stop.store(true);
  worker.join();
}

// A shell starts a script's background job with the interrupt ignored, so that the Ctrl+C meant
// for the script in the foreground leaves the job running; the watch must not take it up.
TEST(InterruptWatchTest, AnInterruptTheProcessIgnoresStaysIgnored) {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  struct sigaction before {};
  ASSERT_EQ(sigaction(SIGINT, &ignore, &before), 0);
  {
    InterruptWatch watch;
    ASSERT_EQ(std::raise(SIGINT), 0);
    EXPECT_FALSE(watch.Requested());
  }
  struct sigaction after {};
  ASSERT_EQ(sigaction(SIGINT, &before, &after), 0);
  EXPECT_EQ(after.sa_handler, SIG_IGN) << "the watch left the interrupt ignored";
}

}  // namespace
}  // namespace pictavue
