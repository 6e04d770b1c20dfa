#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace pictavue::testing {

// Sets (or with nullptr removes) an environment variable for the life of the object.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_value_;
};

// Limits the size of files this process may write (RLIMIT_FSIZE), so that a write fails with
// "File too large" part-way even for root, for whom read-only folders do not exist.
class FileSizeLimit {
 public:
  // Whether the system can limit a process's file sizes at all (Windows cannot); the tests that
  // need a write to fail part-way are skipped where it cannot.
  static bool Supported();

  explicit FileSizeLimit(std::uint64_t max_bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  std::uint64_t old_current_ = 0;
  std::uint64_t old_maximum_ = 0;
  void (*old_handler_)(int) = nullptr;
};

// Permission bits do not stop root, and Windows has none; tests that rely on them are skipped
// then.
bool PermissionsAreEnforced();

// Makes a named pipe at path; false where the file system holds none (Windows).
bool MakeFifo(const std::string& path);

}  // namespace pictavue::testing
