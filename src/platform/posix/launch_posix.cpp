#include <cerrno>
#include <csignal>
#include <optional>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/launch.h"

extern char** environ;

namespace pictavue {
namespace {

constexpr std::chrono::milliseconds kPollInterval{20};

class SpawnAttributes {
 public:
  SpawnAttributes() {
    ok_ = posix_spawnattr_init(&attributes_) == 0;
    if (!ok_) {
      return;
    }
    // The child starts clean: a caller that holds Ctrl+C back (batch mode) or ignores signals
    // must not pass that on. Its own process group keeps a later Ctrl+C in our terminal from
    // reaching a browser that the user wants to keep.
    sigset_t no_signals;
    sigemptyset(&no_signals);
    sigset_t reset;
    sigemptyset(&reset);
    for (const int signal_number : {SIGINT, SIGQUIT, SIGPIPE, SIGXFSZ, SIGTERM, SIGHUP, SIGCHLD}) {
      sigaddset(&reset, signal_number);
    }
    ok_ = posix_spawnattr_setsigmask(&attributes_, &no_signals) == 0 &&
          posix_spawnattr_setsigdefault(&attributes_, &reset) == 0 &&
          posix_spawnattr_setpgroup(&attributes_, 0) == 0 &&
          posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF |
                                                     POSIX_SPAWN_SETPGROUP) == 0;
  }
  ~SpawnAttributes() { posix_spawnattr_destroy(&attributes_); }
  SpawnAttributes(const SpawnAttributes&) = delete;
  SpawnAttributes& operator=(const SpawnAttributes&) = delete;

  bool ok() const { return ok_; }
  const posix_spawnattr_t* get() const { return &attributes_; }

 private:
  posix_spawnattr_t attributes_{};
  bool ok_ = false;
};

class SpawnFileActions {
 public:
  SpawnFileActions() {
    ok_ = posix_spawn_file_actions_init(&actions_) == 0;
    // A browser outlives us: holding our output open would keep a reader of our standard
    // output (a script, a test) waiting for it, and its chatter does not belong there.
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
      ok_ =
          ok_ && posix_spawn_file_actions_addopen(&actions_, fd, "/dev/null",
                                                  fd == STDIN_FILENO ? O_RDONLY : O_WRONLY, 0) == 0;
    }
  }
  ~SpawnFileActions() { posix_spawn_file_actions_destroy(&actions_); }
  SpawnFileActions(const SpawnFileActions&) = delete;
  SpawnFileActions& operator=(const SpawnFileActions&) = delete;

  bool ok() const { return ok_; }
  const posix_spawn_file_actions_t* get() const { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_{};
  bool ok_ = false;
};

enum class Lookup { kExactPath, kSearchPath };

// Starts program with arguments, no shell in between. The process id, or nothing.
std::optional<pid_t> Spawn(const std::string& program, const std::vector<std::string>& arguments,
                           Lookup lookup) {
  if (program.empty()) {
    return std::nullopt;
  }
  std::vector<std::string> texts;
  texts.reserve(arguments.size() + 1);
  texts.push_back(program);
  texts.insert(texts.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& text : texts) {
    if (text.find('\0') != std::string::npos) {
      return std::nullopt;  // would reach the program cut short
    }
    argv.push_back(text.data());
  }
  argv.push_back(nullptr);

  const SpawnAttributes attributes;
  const SpawnFileActions actions;
  if (!attributes.ok() || !actions.ok()) {
    return std::nullopt;
  }
  pid_t pid = 0;
  const int error = lookup == Lookup::kSearchPath
                        ? posix_spawnp(&pid, program.c_str(), actions.get(), attributes.get(),
                                       argv.data(), environ)
                        : posix_spawn(&pid, program.c_str(), actions.get(), attributes.get(),
                                      argv.data(), environ);
  if (error != 0 || pid <= 0) {
    return std::nullopt;
  }
  return pid;
}

// Collects the exit of a child we do not wait for, so that it does not linger as a zombie for
// as long as we run.
void ReapLater(pid_t pid) {
  try {
    std::thread([pid] {
      int status = 0;
      while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
    }).detach();
  } catch (const std::system_error&) {
    // Without a thread the child stays a zombie until we end; nothing worse.
  }
}

// The child's exit status when it ends within wait; nothing when it is still running then.
std::optional<int> WaitForExit(pid_t pid, std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    int status = 0;
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) {
      // Killed by a signal: it did not do its job.
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    if (done < 0 && errno != EINTR) {
      return std::nullopt;
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      ReapLater(pid);
      return std::nullopt;
    }
    std::this_thread::sleep_for(kPollInterval);
  }
}

// A relative path that starts with "-" would be read as an option.
std::string AsPathArgument(const std::string& path) {
  return !path.empty() && path.front() == '-' ? "./" + path : path;
}

class PosixLauncher final : public Launcher {
 public:
  explicit PosixLauncher(std::chrono::milliseconds association_wait)
      : association_wait_(association_wait) {}

  std::int64_t StartProgram(const ProgramCommand& command) override {
    const std::optional<pid_t> pid = Spawn(command.program, command.arguments, Lookup::kExactPath);
    if (!pid) {
      return 0;
    }
    ReapLater(*pid);
    return *pid;
  }

  int OpenDocument(const std::string& path) override {
    const std::optional<pid_t> pid = Spawn("xdg-open", {AsPathArgument(path)}, Lookup::kSearchPath);
    if (!pid) {
      return kOpenNoAssociation;
    }
    const std::optional<int> exit_status = WaitForExit(*pid, association_wait_);
    return exit_status ? AssociationResultForExitStatus(*exit_status) : kOpenSucceeded;
  }

 private:
  std::chrono::milliseconds association_wait_;
};

}  // namespace

std::unique_ptr<Launcher> MakeSystemLauncher(std::chrono::milliseconds association_wait) {
  return std::make_unique<PosixLauncher>(association_wait);
}

}  // namespace pictavue
