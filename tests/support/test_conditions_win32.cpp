#include <cstdlib>

#include <windows.h>

#include "support/test_conditions.h"

namespace pictavue::testing {

ScopedEnvironment::ScopedEnvironment(const char* name, const char* value) : name_(name) {
  if (const char* old = std::getenv(name)) {
    old_value_ = old;
  }
  // _putenv_s keeps the C library's copy (getenv) and the process's in step; "" removes.
  _putenv_s(name, value != nullptr ? value : "");
}

ScopedEnvironment::~ScopedEnvironment() {
  _putenv_s(name_.c_str(), old_value_ ? old_value_->c_str() : "");
}

bool PermissionsAreEnforced() {
  return false;
}

bool MakeFifo(const std::string& /*path*/) {
  return false;
}

HeldFile::HeldFile(const std::string& path)
    : handle_(reinterpret_cast<std::intptr_t>(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                                          nullptr))) {}

HeldFile::~HeldFile() {
  CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

UnprivilegedScope::UnprivilegedScope() : failed_(true) {}
UnprivilegedScope::~UnprivilegedScope() = default;

}  // namespace pictavue::testing
