#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include "platform/path_kind.h"
#include "platform/paths.h"
#include "platform/win32/system_text.h"

namespace pictavue {
namespace {

// FindFirstFileA on one path: the stored name of the entry it names. A wildcard would make it
// the first of several entries instead, so a path with one names nothing here.
std::optional<std::string> FindStoredName(const std::string& path) {
  if (path.find_first_of("*?") != std::string::npos) {
    return std::nullopt;
  }
  const std::optional<std::string> ansi = win32::SystemPath(path);
  if (!ansi) {
    return std::nullopt;
  }
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA(ansi->c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    return std::nullopt;
  }
  FindClose(search);
  return win32::ProgramText(found.cFileName);
}

// A text the system reports through a buffer the caller sizes: asked again with the size it
// says it needs.
template <typename Call>
std::string AskSystem(Call call) {
  std::vector<char> buffer(MAX_PATH + 1);
  for (int attempt = 0; attempt < 4; ++attempt) {
    const DWORD length = call(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) {
      return {};
    }
    if (length < buffer.size()) {
      return win32::ProgramText(std::string_view(buffer.data(), length));
    }
    buffer.resize(static_cast<std::size_t>(length) + 1);
  }
  return {};
}

}  // namespace

FileKind PathKind(std::string_view path) {
  const std::optional<std::string> ansi = win32::SystemPath(path);
  if (path.empty() || !ansi) {
    return FileKind::kMissing;
  }
  const DWORD attributes = GetFileAttributesA(ansi->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    return FileKind::kMissing;
  }
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? FileKind::kFolder : FileKind::kFile;
}

std::string NormalizeFolderPath(std::string_view path) {
  return NormalizeWindowsFolderPath(path, FindStoredName);
}

std::string CurrentFolder() {
  return AskSystem([](char* buffer, DWORD size) { return GetCurrentDirectoryA(size, buffer); });
}

std::string HomeFolder() {
  return AskSystem([](char* buffer, DWORD size) {
    return GetEnvironmentVariableA("USERPROFILE", buffer, size);
  });
}

std::string DefaultSearchFolder() {
  std::vector<char> buffer(MAX_PATH + 1);
  const UINT length = GetWindowsDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
  if (length == 0 || length >= buffer.size()) {
    return {};
  }
  return win32::ProgramText(WindowsDriveRoot(std::string_view(buffer.data(), length)));
}

}  // namespace pictavue
