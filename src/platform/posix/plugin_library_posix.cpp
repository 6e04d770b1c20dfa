#include <dlfcn.h>

#include "platform/plugin_library.h"

namespace pictavue {
namespace {

class PosixPluginLibrary final : public PluginLibrary {
 public:
  explicit PosixPluginLibrary(void* handle)
      : handle_(handle),
        plugin_info_(reinterpret_cast<GetPluginInfoFunction>(dlsym(handle, "GetPluginInfo"))),
        picture_info_(reinterpret_cast<GetPictureInfoFunction>(dlsym(handle, "GetPictureInfo"))) {}
  ~PosixPluginLibrary() override { dlclose(handle_); }
  PosixPluginLibrary(const PosixPluginLibrary&) = delete;
  PosixPluginLibrary& operator=(const PosixPluginLibrary&) = delete;

  std::optional<int> GetPluginInfo(int infono, std::span<char> buffer) const override {
    if (plugin_info_ == nullptr) {
      return std::nullopt;
    }
    return plugin_info_(infono, buffer.data(), static_cast<int>(buffer.size()));
  }

  // A POSIX file name is a string of bytes, which the program's text already is.
  std::optional<int> GetPictureInfo(const std::string& path, PictureInfo& info) const override {
    if (picture_info_ == nullptr) {
      return std::nullopt;
    }
    return picture_info_(path.c_str(), 0, kPluginFileInput, &info);
  }

 private:
  void* handle_;
  GetPluginInfoFunction plugin_info_;
  GetPictureInfoFunction picture_info_;
};

}  // namespace

std::unique_ptr<PluginLibrary> PluginLibrary::Load(const std::string& path) {
  // A name without a slash would be looked for along the library search path instead.
  const std::string file = path.find('/') == std::string::npos ? "./" + path : path;
  void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    return nullptr;
  }
  return std::make_unique<PosixPluginLibrary>(handle);
}

}  // namespace pictavue
