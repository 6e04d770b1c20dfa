#include <chrono>
#include <csignal>
#include <ctime>

#include <pthread.h>
#include <unistd.h>

#include "platform/console.h"

namespace pictavue {

bool StandardErrorIsTerminal() {
  return isatty(STDERR_FILENO) == 1;
}

// The interrupt signal is blocked and then collected when asked for, so no handler and no
// global flag are needed.
//
// The run asks at every poll point, several times per picture, and a look at the pending
// signals is a system call that costs more than the work between two points. The answer is
// therefore looked up again only when kLookInterval has passed since the last look (a steady
// clock read stays in user space): a Ctrl+C is noticed a few milliseconds late at worst.
class InterruptWatch::Impl {
 public:
  Impl() {
    sigemptyset(&interrupt_);
    sigaddset(&interrupt_, SIGINT);
    pthread_sigmask(SIG_BLOCK, &interrupt_, &previous_);
  }
  ~Impl() {
    // An interrupt still pending would end the process the moment it is unblocked.
    Collect();
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
  }
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

  bool Requested() {
    if (requested_) {
      return true;
    }
    const Clock::time_point now = Clock::now();
    if (now - last_look_ < kLookInterval) {
      return false;
    }
    last_look_ = now;
    requested_ = Collect();
    return requested_;
  }

 private:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds kLookInterval{5};

  bool Collect() {
    sigset_t pending;
    sigemptyset(&pending);
    if (sigpending(&pending) != 0 || sigismember(&pending, SIGINT) != 1) {
      return false;
    }
    const timespec no_wait{};
    return sigtimedwait(&interrupt_, nullptr, &no_wait) == SIGINT;
  }

  sigset_t interrupt_{};
  sigset_t previous_{};
  bool requested_ = false;
  Clock::time_point last_look_{};  // the clock's epoch: the first question looks at once
};

InterruptWatch::InterruptWatch() : impl_(std::make_unique<Impl>()) {}
InterruptWatch::~InterruptWatch() = default;

bool InterruptWatch::Requested() {
  return impl_->Requested();
}

}  // namespace pictavue
