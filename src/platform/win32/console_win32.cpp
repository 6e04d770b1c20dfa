#include <atomic>
#include <csignal>

#include <windows.h>

#include "platform/console.h"
#include "platform/win32/system_text.h"

namespace pictavue {
namespace {

// The console calls its handler on a thread of its own and hands it nothing but the event, so
// the one flag it sets cannot belong to the watch object. Only one watch exists at a time; it
// clears the flag when it starts.
std::atomic<bool>& InterruptFlag() {
  static std::atomic<bool> flag{false};
  return flag;
}

// The C library's own interrupt (raise, and Ctrl+C where it installed a console handler of its
// own before ours) arrives as the signal. The library resets the handler before calling it.
void OnInterruptSignal(int /*signal*/) {
  std::signal(SIGINT, OnInterruptSignal);
  InterruptFlag().store(true);
}

BOOL WINAPI OnConsoleControl(DWORD event) {
  if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
    InterruptFlag().store(true);
    return TRUE;
  }
  return FALSE;  // closing the console or logging off still ends the process
}

}  // namespace

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) {
    arguments.push_back(win32::ProgramText(argv[i]));
  }
  return arguments;
}

CodePage ConsoleCodePage() {
  return CodePage::System();
}

void IgnoreWriteSignals() {}

bool StandardErrorIsTerminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

class InterruptWatch::Impl {
 public:
  Impl() {
    InterruptFlag().store(false);
    previous_signal_ = std::signal(SIGINT, OnInterruptSignal);
    installed_ = SetConsoleCtrlHandler(OnConsoleControl, TRUE) != 0;
  }
  ~Impl() {
    if (installed_) {
      SetConsoleCtrlHandler(OnConsoleControl, FALSE);
    }
    std::signal(SIGINT, previous_signal_ == SIG_ERR ? SIG_DFL : previous_signal_);
  }
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

  bool Requested() const { return InterruptFlag().load(); }

 private:
  bool installed_ = false;
  void (*previous_signal_)(int) = SIG_DFL;
};

InterruptWatch::InterruptWatch() : impl_(std::make_unique<Impl>()) {}
InterruptWatch::~InterruptWatch() = default;

bool InterruptWatch::Requested() {
  return impl_->Requested();
}

}  // namespace pictavue
