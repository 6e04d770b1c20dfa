#include <csignal>

#include <signal.h>
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

void IgnoreWriteSignals() {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
}

namespace {

// The program's one process-wide mutable value. A signal handler is given nothing but the
// signal's number, so what it sets cannot belong to the watch, and a volatile std::sig_atomic_t
// is the one kind of object the language lets a handler write. The run asks at every poll point,
// several times per picture; reading this costs nothing, where asking the system for pending
// signals cost a system call each time. Only one watch exists at a time, and it clears the flag
// when it starts.
volatile std::sig_atomic_t interrupt_seen = 0;

extern "C" void OnInterrupt(int /*signal_number*/) {
  interrupt_seen = 1;
}

}  // namespace

class InterruptWatch::Impl {
 public:
  Impl() {
    interrupt_seen = 0;
    // A process started to ignore the interrupt (a job that a script put in the background
    // shares the terminal's Ctrl+C with the script) keeps ignoring it, as before the watch.
    struct sigaction current {};
    if (sigaction(SIGINT, nullptr, &current) == 0 && (current.sa_flags & SA_SIGINFO) == 0 &&
        current.sa_handler == SIG_IGN) {
      return;
    }
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    // A system call that the interrupt meets carries on; the run stops at its next poll point.
    action.sa_flags = SA_RESTART;
    installed_ = sigaction(SIGINT, &action, &previous_) == 0;
  }
  ~Impl() {
    if (installed_) {
      sigaction(SIGINT, &previous_, nullptr);
    }
  }
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

  bool Requested() const { return interrupt_seen != 0; }

 private:
  struct sigaction previous_ {};
  bool installed_ = false;
};

InterruptWatch::InterruptWatch() : impl_(std::make_unique<Impl>()) {}
InterruptWatch::~InterruptWatch() = default;

bool InterruptWatch::Requested() {
  return impl_->Requested();
}

}  // namespace pictavue
