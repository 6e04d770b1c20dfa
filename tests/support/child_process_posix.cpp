#include <array>
#include <cstring>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/child_process.h"

extern char** environ;

namespace pictavue::testing {
namespace {

std::vector<char*> PointersOf(const std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (const std::string& text : texts) {
    pointers.push_back(const_cast<char*>(text.c_str()));
  }
  pointers.push_back(nullptr);
  return pointers;
}

// An unnamed file for one of the child's streams: unlike a pipe it never fills up, and it is read
// once the child has ended.
int StreamFile() {
  char name[] = "/tmp/pictavue-child-XXXXXX";
  const int fd = mkostemp(name, O_CLOEXEC);
  unlink(name);
  return fd;
}

std::string ReadBack(int fd) {
  std::string text;
  if (fd < 0) {
    return text;
  }
  std::array<char, 4096> buffer{};
  for (ssize_t got;
       (got = pread(fd, buffer.data(), buffer.size(), static_cast<off_t>(text.size()))) > 0;) {
    text.append(buffer.data(), static_cast<std::size_t>(got));
  }
  close(fd);
  return text;
}

}  // namespace

std::string ChildResult::Describe() const {
  if (!started || timed_out) {
    return started ? "timed out" : "not started";
  }
  if (signal != 0) {
    return "ended by signal " + std::to_string(signal) + " (" + strsignal(signal) + ")";
  }
  return "exit " + std::to_string(exit_code);
}

Child::Child(const ChildRequest& request)
    : time_limit_(request.time_limit), out_fd_(StreamFile()), err_fd_(StreamFile()) {
  const std::vector<char*> argv = PointersOf(request.argv);
  const std::vector<char*> envp = PointersOf(request.environment);
  if (request.argv.empty() || out_fd_ < 0 || err_fd_ < 0 || (pid_ = fork()) != 0) {
    return;
  }
  // In the child: only async-signal-safe calls until exec.
  setpgid(0, 0);
  const int null_fd = open("/dev/null", O_RDONLY);
  if (null_fd >= 0 && dup2(null_fd, 0) >= 0 && dup2(out_fd_, 1) >= 0 && dup2(err_fd_, 2) >= 0) {
    execve(argv[0], argv.data(), envp.data());
  }
  _exit(127);
}

ChildResult Child::Wait() {
  ChildResult result;
  result.started = pid_ > 0;
  if (pid_ > 0) {
    const auto deadline = std::chrono::steady_clock::now() + time_limit_;
    int status = 0;
    pid_t done = 0;
    while ((done = waitpid(pid_, &status, WNOHANG)) == 0 &&
           std::chrono::steady_clock::now() < deadline) {
      usleep(10000);
    }
    if (done == 0) {
      result.timed_out = true;
      kill(-pid_, SIGKILL);
      kill(pid_, SIGKILL);
      done = waitpid(pid_, &status, 0);
    }
    result.exit_code = done == pid_ && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.signal = done == pid_ && WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    pid_ = -1;
  }
  result.out = ReadBack(out_fd_);
  result.err = ReadBack(err_fd_);
  out_fd_ = err_fd_ = -1;
  return result;
}

std::vector<std::string> HeadlessEnvironment(const std::map<std::string, std::string>& set) {
  std::vector<std::string> pairs;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    const std::string name = text.substr(0, text.find('='));
    if (name != "DISPLAY" && name != "WAYLAND_DISPLAY" && !set.contains(name)) {
      pairs.push_back(text);
    }
  }
  for (const auto& [name, value] : set) {
    pairs.push_back(name + "=" + value);
  }
  return pairs;
}

}  // namespace pictavue::testing
