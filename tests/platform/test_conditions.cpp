#include "platform/test_conditions.h"

#include <csignal>
#include <cstdlib>

#include <unistd.h>

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

FileSizeLimit::FileSizeLimit(rlim_t max_bytes) {
  // Exceeding the limit raises SIGXFSZ, which would end the test program; ignored, the write
  // fails with EFBIG instead.
  old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
  ::getrlimit(RLIMIT_FSIZE, &old_limit_);
  rlimit limit = old_limit_;
  limit.rlim_cur = max_bytes;
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  ::setrlimit(RLIMIT_FSIZE, &old_limit_);
  std::signal(SIGXFSZ, old_handler_);
}

bool PermissionsAreEnforced() {
  return ::geteuid() != 0;
}

}  // namespace pictavue::testing
