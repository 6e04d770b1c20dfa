#pragma once

#include <filesystem>
#include <string>

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
// as it does for a user. Does nothing for a process that is not root. (test_conditions.cpp)
class UnprivilegedScope {
 public:
  UnprivilegedScope();
  ~UnprivilegedScope();
  UnprivilegedScope(const UnprivilegedScope&) = delete;
  UnprivilegedScope& operator=(const UnprivilegedScope&) = delete;

  // True when the rights could not be given up (root without the means, or a system without
  // POSIX permission bits): access tests cannot run.
  bool failed() const { return failed_; }

 private:
  bool dropped_ = false;
  bool failed_ = false;
};

}  // namespace pictavue::testing
