#include <dlfcn.h>

#include "support/library_exports.h"

namespace pictavue::testing {

std::optional<std::vector<bool>> LookUpExports(const std::string& path,
                                               const std::vector<std::string>& names) {
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    return std::nullopt;
  }
  std::vector<bool> exported;
  for (const std::string& name : names) {
    exported.push_back(dlsym(library, name.c_str()) != nullptr);
  }
  dlclose(library);
  return exported;
}

}  // namespace pictavue::testing
