#include <array>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/child_process.h"

extern char** environ;

namespace pictavue::testing {
namespace {

using Clock = std::chrono::steady_clock;

std::vector<char*> PointersOf(const std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  pointers.reserve(texts.size() + 1);
  for (const std::string& text : texts) {
    pointers.push_back(const_cast<char*>(text.c_str()));
  }
  pointers.push_back(nullptr);
  return pointers;
}

// In the child after fork: only async-signal-safe calls until exec.
[[noreturn]] void StartProgram(const ChildRequest& request, char* const* argv, char* const* envp,
                               int out_fd, int err_fd) {
  setpgid(0, 0);
  const int null_fd = open("/dev/null", O_RDONLY);
  if (null_fd < 0 || dup2(null_fd, 0) < 0 || dup2(out_fd, 1) < 0 || dup2(err_fd, 2) < 0) {
    _exit(126);
  }
  if (!request.working_folder.empty() && chdir(request.working_folder.c_str()) != 0) {
    _exit(126);
  }
  if (request.group_id && (setgroups(0, nullptr) != 0 || setgid(*request.group_id) != 0)) {
    _exit(126);
  }
  if (request.user_id && setuid(*request.user_id) != 0) {
    _exit(126);
  }
  execve(argv[0], argv, envp);
  _exit(127);
}

// Reads whatever the two pipes hold until both are closed or the deadline passes.
bool Collect(int out_fd, int err_fd, Clock::time_point deadline, ChildResult& result) {
  std::array<pollfd, 2> fds{pollfd{out_fd, POLLIN, 0}, pollfd{err_fd, POLLIN, 0}};
  std::array<std::string*, 2> sinks{&result.out, &result.err};
  int open_count = 2;
  std::array<char, 4096> buffer{};
  while (open_count > 0) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) {
      return false;
    }
    // After an interrupted poll the revents are last round's: a read on them could block past
    // the deadline.
    if (poll(fds.data(), fds.size(), static_cast<int>(left)) < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    for (std::size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) {
        continue;
      }
      const ssize_t got = read(fds[i].fd, buffer.data(), buffer.size());
      if (got > 0) {
        sinks[i]->append(buffer.data(), static_cast<std::size_t>(got));
      } else if (got == 0 || errno != EINTR) {
        fds[i].fd = -1;
        --open_count;
      }
    }
  }
  return true;
}

// A child may close its output and still run on.
bool WaitUntil(pid_t pid, Clock::time_point deadline, int& status) {
  for (;;) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) {
      return true;
    }
    if (done < 0 && errno != EINTR) {
      return false;
    }
    if (Clock::now() >= deadline) {
      return false;
    }
    usleep(10000);
  }
}

}  // namespace

std::string ChildResult::Describe() const {
  if (!started) {
    return "not started: " + failure;
  }
  if (timed_out) {
    return "timed out";
  }
  if (signal != 0) {
    return "ended by signal " + std::to_string(signal) + " (" + strsignal(signal) + ")";
  }
  return "exit " + std::to_string(exit_code);
}

Child::Child(const ChildRequest& request) : time_limit_(request.time_limit) {
  if (request.argv.empty()) {
    result_.failure = "no program";
    return;
  }
  std::array<int, 2> out_pipe{};
  std::array<int, 2> err_pipe{};
  if (pipe2(out_pipe.data(), O_CLOEXEC) != 0) {
    result_.failure = std::strerror(errno);
    return;
  }
  if (pipe2(err_pipe.data(), O_CLOEXEC) != 0) {
    result_.failure = std::strerror(errno);
    close(out_pipe[0]);
    close(out_pipe[1]);
    return;
  }
  const std::vector<char*> argv = PointersOf(request.argv);
  const std::vector<char*> envp = PointersOf(request.environment);
  pid_ = fork();
  if (pid_ == 0) {
    StartProgram(request, argv.data(), envp.data(), out_pipe[1], err_pipe[1]);
  }
  close(out_pipe[1]);
  close(err_pipe[1]);
  if (pid_ < 0) {
    result_.failure = std::strerror(errno);
    close(out_pipe[0]);
    close(err_pipe[0]);
    return;
  }
  result_.started = true;
  out_fd_ = out_pipe[0];
  err_fd_ = err_pipe[0];
}

Child::~Child() {
  if (pid_ > 0 && out_fd_ >= 0) {
    time_limit_ = std::chrono::seconds{0};
    Wait();
  }
}

ChildResult Child::Wait() {
  if (!result_.started || out_fd_ < 0) {
    return result_;
  }
  const Clock::time_point deadline = Clock::now() + time_limit_;
  const bool closed = Collect(out_fd_, err_fd_, deadline, result_);
  close(out_fd_);
  close(err_fd_);
  out_fd_ = err_fd_ = -1;
  int status = 0;
  if (!closed || !WaitUntil(pid_, deadline, status)) {
    result_.timed_out = true;
    kill(-pid_, SIGKILL);
    kill(pid_, SIGKILL);
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
  }
  if (WIFEXITED(status)) {
    result_.exit_code = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    result_.signal = WTERMSIG(status);
  }
  return result_;
}

ChildResult RunChild(const ChildRequest& request) {
  return Child(request).Wait();
}

std::vector<std::string> HeadlessEnvironment(const std::map<std::string, std::string>& set) {
  std::map<std::string, std::string> variables;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    const std::size_t equals = text.find('=');
    variables[text.substr(0, equals)] = equals == std::string::npos ? "" : text.substr(equals + 1);
  }
  variables.erase("DISPLAY");
  variables.erase("WAYLAND_DISPLAY");
  for (const auto& [name, value] : set) {
    variables[name] = value;
  }
  std::vector<std::string> pairs;
  for (const auto& [name, value] : variables) {
    pairs.push_back(name + "=" + value);
  }
  return pairs;
}

std::optional<Account> FindAccount(const std::string& name) {
  const passwd* entry = getpwnam(name.c_str());
  if (entry == nullptr) {
    return std::nullopt;
  }
  return Account{entry->pw_uid, entry->pw_gid};
}

}  // namespace pictavue::testing
