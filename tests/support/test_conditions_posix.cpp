#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/test_conditions.h"

namespace pictavue::testing {

void ScopedEnvironment::Set(const char* name, const char* value) {
  if (value != nullptr) {
    ::setenv(name, value, 1);
  } else {
    ::unsetenv(name);
  }
}

bool PermissionsAreEnforced() {
  return ::geteuid() != 0;
}

bool MakeFifo(const std::string& path) {
  return ::mkfifo(path.c_str(), 0600) == 0;
}

HeldFile::HeldFile(const std::string& path) : handle_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
  ::flock(static_cast<int>(handle_), LOCK_EX);
}

HeldFile::~HeldFile() {
  ::close(static_cast<int>(handle_));
}

namespace {
constexpr uid_t kNobody = 65534;
}  // namespace

UnprivilegedScope::UnprivilegedScope() {
  if (geteuid() == 0) {
    dropped_ = seteuid(kNobody) == 0;
    failed_ = !dropped_;
  }
}

UnprivilegedScope::~UnprivilegedScope() {
  if (dropped_) {
    [[maybe_unused]] const int ignored = seteuid(0);
  }
}

}  // namespace pictavue::testing
