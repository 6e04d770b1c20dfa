#include <optional>
#include <string>

#include <windows.h>

#include "platform/file_probe.h"
#include "platform/win32/system_text.h"

namespace pictavue {

bool IsNonFolderEntry(std::string_view path) {
  const std::optional<std::string> ansi = win32::SystemPath(path);
  if (path.empty() || !ansi) {
    return false;
  }
  const DWORD attributes = GetFileAttributesA(ansi->c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool ProbeFileCreation(std::string_view path) {
  const std::optional<std::string> ansi = win32::SystemPath(path);
  if (path.empty() || !ansi) {
    return false;
  }
  const HANDLE file = CreateFileA(ansi->c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return false;
  }
  CloseHandle(file);
  DeleteFileA(ansi->c_str());
  return true;
}

}  // namespace pictavue
