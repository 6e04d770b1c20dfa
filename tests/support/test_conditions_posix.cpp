#include <csignal>
#include <cstdlib>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/test_conditions.h"

namespace pictavue::testing {

ScopedEnvironment::ScopedEnvironment(const char* name, const char* value) : name_(name) {
  if (const char* old = std::getenv(name)) {
    old_value_ = old;
  }
  if (value != nullptr) {
    ::setenv(name, value, 1);
  } else {
    ::unsetenv(name);
  }
}

ScopedEnvironment::~ScopedEnvironment() {
  if (old_value_) {
    ::setenv(name_.c_str(), old_value_->c_str(), 1);
  } else {
    ::unsetenv(name_.c_str());
  }
}

bool FileSizeLimit::Supported() {
  return true;
}

FileSizeLimit::FileSizeLimit(std::uint64_t max_bytes) {
  // Exceeding the limit raises SIGXFSZ, which would end the test program; ignored, the write
  // fails with EFBIG instead.
  old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  old_current_ = limit.rlim_cur;
  old_maximum_ = limit.rlim_max;
  limit.rlim_cur = static_cast<rlim_t>(max_bytes);
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  const rlimit old_limit{static_cast<rlim_t>(old_current_), static_cast<rlim_t>(old_maximum_)};
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler_);
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
