#include <windows.h>

#include "support/library_exports.h"

namespace pictavue::testing {

std::optional<std::vector<bool>> LookUpExports(const std::string& path,
                                               const std::vector<std::string>& names) {
  const HMODULE library = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (library == nullptr) {
    return std::nullopt;
  }
  std::vector<bool> exported;
  for (const std::string& name : names) {
    exported.push_back(GetProcAddress(library, name.c_str()) != nullptr);
  }
  FreeLibrary(library);
  return exported;
}

}  // namespace pictavue::testing
