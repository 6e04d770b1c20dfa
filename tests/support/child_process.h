#pragma once

// Runs a program under test as a process (POSIX): arguments, environment, working folder, user,
// a time limit, both streams collected, the exit status or the signal that ended it.

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace pictavue::testing {

// How to start a program for an end-to-end test.
struct ChildRequest {
  std::vector<std::string> argv;         // argv[0] is the program's path
  std::vector<std::string> environment;  // "NAME=value" entries, the whole environment
  std::string working_folder;            // empty: the caller's
  std::chrono::seconds time_limit{60};   // killed (with its process group) when it runs longer
  std::optional<unsigned> user_id;       // run as this user and group (needs root)
  std::optional<unsigned> group_id;
};

struct ChildResult {
  bool started = false;
  bool timed_out = false;
  int exit_code = -1;   // -1 when it did not exit normally
  int signal = 0;       // the signal that ended it, 0 when it exited
  std::string out;      // standard output
  std::string err;      // standard error
  std::string failure;  // why it could not be started

  // "exit 0", "ended by signal 11 (...)", "timed out", ... for test messages.
  std::string Describe() const;
};

// A started program, for tests that act on it while it runs (a signal); Wait() collects its
// streams and ends it when the time limit passes. Standard input is closed.
class Child {
 public:
  explicit Child(const ChildRequest& request);
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  pid_t pid() const { return pid_; }
  ChildResult Wait();

 private:
  ChildResult result_;
  std::chrono::seconds time_limit_;
  pid_t pid_ = -1;
  int out_fd_ = -1;
  int err_fd_ = -1;
};

// Runs the program to its end.
ChildResult RunChild(const ChildRequest& request);

// This process's environment without a display (batch mode must not need one), with the given
// variables set over it: for ChildRequest::environment.
std::vector<std::string> HeadlessEnvironment(const std::map<std::string, std::string>& set);

// The numeric user and group of an account, when the system has it.
struct Account {
  unsigned user_id = 0;
  unsigned group_id = 0;
};
std::optional<Account> FindAccount(const std::string& name);

}  // namespace pictavue::testing
