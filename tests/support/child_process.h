#pragma once

// Runs a program under test as a process (POSIX): arguments, environment, a time limit, both
// streams collected, the exit status or the signal that ended it.

#include <chrono>
#include <map>
#include <string>
#include <vector>

#include <sys/types.h>

namespace pictavue::testing {

struct ChildRequest {
  std::vector<std::string> argv;         // argv[0] is the program's path
  std::vector<std::string> environment;  // "NAME=value" entries, the whole environment
  std::chrono::seconds time_limit{60};   // killed (with its process group) when it runs longer
};

struct ChildResult {
  bool started = false;
  bool timed_out = false;
  int exit_code = -1;  // -1 when it did not exit normally
  int signal = 0;      // the signal that ended it, 0 when it exited
  std::string out;
  std::string err;

  // "exit 0", "ended by signal 11 (...)", "timed out", ... for test messages.
  std::string Describe() const;
};

// A started program, for tests that act on it while it runs (a signal); Wait() collects its
// streams and ends it when the time limit passes. Standard input is closed.
class Child {
 public:
  explicit Child(const ChildRequest& request);
  ~Child() {  // a test that gave up on the child ends it
    time_limit_ = {};
    Wait();
  }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  pid_t pid() const { return pid_; }
  ChildResult Wait();

 private:
  std::chrono::seconds time_limit_;
  pid_t pid_ = -1;
  int out_fd_ = -1;
  int err_fd_ = -1;
};

inline ChildResult RunChild(const ChildRequest& request) {
  return Child(request).Wait();
}

// This process's environment without a display (batch mode must not need one), with the given
// variables set over it: for ChildRequest::environment.
std::vector<std::string> HeadlessEnvironment(const std::map<std::string, std::string>& set);

}  // namespace pictavue::testing
