#include <windows.h>

#include "support/test_conditions.h"

namespace pictavue::testing {

// _putenv_s keeps the C library's copy (getenv) and the process's in step; "" removes.
void ScopedEnvironment::Set(const char* name, const char* value) {
  _putenv_s(name, value != nullptr ? value : "");
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
