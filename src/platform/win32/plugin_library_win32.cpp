#include <optional>
#include <string>

#include <windows.h>

#include "platform/paths.h"
#include "platform/plugin_library.h"
#include "platform/win32/system_text.h"

namespace pictavue {
namespace {

// GetProcAddress gives a generic function pointer; the interface says what it really is.
template <typename Function>
Function Export(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

class Win32PluginLibrary final : public PluginLibrary {
 public:
  explicit Win32PluginLibrary(HMODULE module)
      : module_(module),
        plugin_info_(Export<GetPluginInfoFunction>(module, "GetPluginInfo")),
        picture_info_(Export<GetPictureInfoFunction>(module, "GetPictureInfo")) {}
  ~Win32PluginLibrary() override { FreeLibrary(module_); }
  Win32PluginLibrary(const Win32PluginLibrary&) = delete;
  Win32PluginLibrary& operator=(const Win32PluginLibrary&) = delete;

  std::optional<int> GetPluginInfo(int infono, std::span<char> buffer) const override {
    if (plugin_info_ == nullptr) {
      return std::nullopt;
    }
    return plugin_info_(infono, buffer.data(), static_cast<int>(buffer.size()));
  }

  // The interface hands file names over in the system's code page.
  std::optional<int> GetPictureInfo(const std::string& path, PictureInfo& info) const override {
    if (picture_info_ == nullptr) {
      return std::nullopt;
    }
    const std::optional<std::string> ansi = win32::SystemPath(path);
    if (!ansi) {
      return kPluginReadError;  // no name the plug-in could open
    }
    return picture_info_(ansi->c_str(), 0, kPluginFileInput, &info);
  }

 private:
  HMODULE module_;
  GetPluginInfoFunction plugin_info_;
  GetPictureInfoFunction picture_info_;
};

// Keeps the system from asking the user about a library it cannot load ("insert a disk",
// "entry point not found"): a plug-in that fails to load is simply absent.
class QuietErrors {
 public:
  QuietErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_); }
  ~QuietErrors() { SetThreadErrorMode(previous_, nullptr); }
  QuietErrors(const QuietErrors&) = delete;
  QuietErrors& operator=(const QuietErrors&) = delete;

 private:
  DWORD previous_ = 0;
};

}  // namespace

std::unique_ptr<PluginLibrary> PluginLibrary::Load(const std::string& path) {
  // A bare name would be looked for along the system's search path instead.
  const bool has_folder = path.find_first_of("\\/:") != std::string::npos;
  const std::optional<std::string> ansi =
      win32::SystemPath(has_folder ? path : JoinPath(".", path, PathStyle::kWindows));
  if (path.empty() || !ansi) {
    return nullptr;
  }
  const QuietErrors quiet;
  // The libraries a plug-in needs are looked for in its own folder first.
  const HMODULE module = LoadLibraryExA(ansi->c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (module == nullptr) {
    return nullptr;
  }
  return std::make_unique<Win32PluginLibrary>(module);
}

}  // namespace pictavue
