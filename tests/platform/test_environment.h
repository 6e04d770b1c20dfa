#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <sys/types.h>
#include <unistd.h>

namespace pictavue::testing {

// Runs a test from another current folder and goes back afterwards.
class CurrentFolderChange {
 public:
  explicit CurrentFolderChange(const std::string& folder)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~CurrentFolderChange() { std::filesystem::current_path(previous_); }
  CurrentFolderChange(const CurrentFolderChange&) = delete;
  CurrentFolderChange& operator=(const CurrentFolderChange&) = delete;

 private:
  std::filesystem::path previous_;
};

// Sets or unsets an environment variable for one test.
class EnvironmentChange {
 public:
  EnvironmentChange(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) {
      previous_ = old;
    }
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~EnvironmentChange() {
    if (previous_) {
      setenv(name_, previous_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  EnvironmentChange(const EnvironmentChange&) = delete;
  EnvironmentChange& operator=(const EnvironmentChange&) = delete;

 private:
  const char* name_;
  std::optional<std::string> previous_;
};

// Drops root's right to read every folder for one test, so that a folder without access behaves
// as it does for a user. Does nothing for a process that is not root.
class UnprivilegedScope {
 public:
  UnprivilegedScope() {
    if (geteuid() == 0) {
      dropped_ = seteuid(kNobody) == 0;
      failed_ = !dropped_;
    }
  }
  ~UnprivilegedScope() {
    if (dropped_) {
      [[maybe_unused]] const int ignored = seteuid(0);
    }
  }
  UnprivilegedScope(const UnprivilegedScope&) = delete;
  UnprivilegedScope& operator=(const UnprivilegedScope&) = delete;

  // True when the process is root and could not give up its rights: access tests cannot run.
  bool failed() const { return failed_; }

 private:
  static constexpr uid_t kNobody = 65534;
  bool dropped_ = false;
  bool failed_ = false;
};

}  // namespace pictavue::testing
