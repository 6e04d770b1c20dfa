#pragma once

// Scopes that change the test process's conditions (environment, current folder, rights) and
// put them back. One implementation per system: test_conditions_posix.cpp,
// test_conditions_win32.cpp.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace pictavue::testing {

// Sets (or with nullptr removes) an environment variable for the life of the object.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) {
      old_value_ = old;
    }
    Set(name, value);
  }
  ~ScopedEnvironment() { Set(name_.c_str(), old_value_ ? old_value_->c_str() : nullptr); }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  static void Set(const char* name, const char* value);
  std::string name_;
  std::optional<std::string> old_value_;
};

// Runs a test from another current folder and goes back afterwards.
class CurrentFolderChange {
 public:
  explicit CurrentFolderChange(const std::filesystem::path& folder)
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

// Permission bits do not stop root, and Windows has none; tests that rely on them are skipped
// then.
bool PermissionsAreEnforced();

// Makes a named pipe at path; false where the file system holds none (Windows).
bool MakeFifo(const std::string& path);

// Holds a file open as a write in progress does (a lock on POSIX, no sharing under Windows), so
// that the cleaning of stale temporary files leaves it.
class HeldFile {
 public:
  explicit HeldFile(const std::string& path);
  ~HeldFile();
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

 private:
  std::intptr_t handle_;
};

}  // namespace pictavue::testing
