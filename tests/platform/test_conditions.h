#pragma once

#include <optional>
#include <string>

#include <sys/resource.h>

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
  explicit FileSizeLimit(rlim_t max_bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_limit_{};
  void (*old_handler_)(int) = nullptr;
};

// Permission bits do not stop root; tests that rely on them are skipped then.
bool PermissionsAreEnforced();

}  // namespace pictavue::testing
