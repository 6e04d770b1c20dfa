#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

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

  // "exit 0", "signal 11", "timed out after 60 s", ... for test messages.
  std::string Describe() const;
};

// Runs the program to its end with standard input closed, collecting what it writes.
ChildResult RunChild(const ChildRequest& request);

// The numeric user and group of an account, when the system has it.
struct Account {
  unsigned user_id = 0;
  unsigned group_id = 0;
};
std::optional<Account> FindAccount(const std::string& name);

}  // namespace pictavue::testing
