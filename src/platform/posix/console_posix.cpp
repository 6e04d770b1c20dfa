#include <csignal>
#include <ctime>

#include <pthread.h>
#include <unistd.h>

#include "platform/console.h"

namespace pictavue {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
}

CodePage ConsoleCodePage() {
  return CodePage("UTF-8");
}

bool StandardErrorIsTerminal() {
  return isatty(STDERR_FILENO) == 1;
}

// The interrupt signal is blocked and then collected when asked for, so no handler and no
// global flag are needed.
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
    if (Collect()) {
      requested_ = true;
    }
    return requested_;
  }

 private:
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
};

InterruptWatch::InterruptWatch() : impl_(std::make_unique<Impl>()) {}
InterruptWatch::~InterruptWatch() = default;

bool InterruptWatch::Requested() {
  return impl_->Requested();
}

}  // namespace pictavue
