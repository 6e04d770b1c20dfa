#include <dlfcn.h>

#include "platform/program_module.h"

namespace pictavue {

void* LoadProgramFunction(const std::string& path, const char* name, std::string& failure) {
  // A name without a slash would be looked for along the library search path instead.
  const std::string file = path.find('/') == std::string::npos ? "./" + path : path;
  void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char* reason = dlerror();
    failure = reason != nullptr ? reason : path + ": the library cannot be loaded";
    return nullptr;
  }
  void* function = dlsym(library, name);
  if (function == nullptr) {
    failure = std::string(path) + " has no " + name;
  }
  return function;
}

}  // namespace pictavue
