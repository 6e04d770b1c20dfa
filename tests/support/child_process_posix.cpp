#include <array>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <grp.h>
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

// An unnamed file for one of the child's streams: unlike a pipe it never fills up, and it is read
// once the child has ended.
int StreamFile() {
  char name[] = "/tmp/pictavue-child-XXXXXX";
  const int fd = mkostemp(name, O_CLOEXEC);
  if (fd >= 0) {
    unlink(name);
  }
  return fd;
}

std::string ReadBack(int fd) {
  std::string text;
  std::array<char, 4096> buffer{};
  for (ssize_t got;
       (got = pread(fd, buffer.data(), buffer.size(), static_cast<off_t>(text.size()))) > 0;) {
    text.append(buffer.data(), static_cast<std::size_t>(got));
  }
  close(fd);
  return text;
}

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
  out_fd_ = StreamFile();
  err_fd_ = StreamFile();
  if (request.argv.empty() || out_fd_ < 0 || err_fd_ < 0) {
    result_.failure = request.argv.empty() ? "no program" : std::strerror(errno);
    return;
  }
  const std::vector<char*> argv = PointersOf(request.argv);
  const std::vector<char*> envp = PointersOf(request.environment);
  pid_ = fork();
  if (pid_ == 0) {
    StartProgram(request, argv.data(), envp.data(), out_fd_, err_fd_);
  }
  result_.started = pid_ > 0;
  result_.failure = pid_ > 0 ? "" : std::strerror(errno);
}

Child::~Child() {
  if (result_.started && out_fd_ >= 0) {
    time_limit_ = std::chrono::seconds{0};
    Wait();
  }
  for (const int fd : {out_fd_, err_fd_}) {
    if (fd >= 0) {
      close(fd);
    }
  }
}

ChildResult Child::Wait() {
  if (!result_.started || out_fd_ < 0) {
    return result_;
  }
  int status = 0;
  if (!WaitUntil(pid_, Clock::now() + time_limit_, status)) {
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
  result_.out = ReadBack(out_fd_);
  result_.err = ReadBack(err_fd_);
  out_fd_ = err_fd_ = -1;
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
