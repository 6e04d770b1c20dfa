#pragma once

#include <filesystem>
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
