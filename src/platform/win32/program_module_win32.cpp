#include <optional>
#include <string>

#include <windows.h>

#include "platform/program_module.h"
#include "platform/win32/system_text.h"

namespace pictavue {

// LoadLibraryA takes the ANSI code page; a full path keeps the system from searching elsewhere.
void* LoadProgramFunction(const std::string& path, const char* name, std::string& failure) {
  const std::optional<std::string> system_path = win32::SystemPath(path);
  if (!system_path) {
    failure = path + ": the name cannot be given to the system";
    return nullptr;
  }
  const HMODULE library = LoadLibraryA(system_path->c_str());
  if (library == nullptr) {
    failure = path + ": " + win32::ErrorText(GetLastError());
    return nullptr;
  }
  void* function = reinterpret_cast<void*>(GetProcAddress(library, name));
  if (function == nullptr) {
    failure = path + " has no " + name;
  }
  return function;
}

}  // namespace pictavue
