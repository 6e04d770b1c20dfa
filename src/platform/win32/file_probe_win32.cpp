#include <optional>
#include <string>

#include <windows.h>

#include "platform/file_io.h"
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
  const DWORD attributes = GetFileAttributesA(ansi->c_str());
  const bool is_link =
      attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  // Never through a link: a file of another name beside it tells whether the folder takes the
  // page, then the link goes, as an emptied first page would.
  std::optional<std::string> probe = ansi;
  if (is_link) {
    probe = win32::SystemPath(TemporaryPathBeside(std::string(path)));
    if (!probe) {
      return false;
    }
  }
  const HANDLE file =
      CreateFileA(probe->c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                  is_link ? CREATE_NEW : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return false;
  }
  CloseHandle(file);
  DeleteFileA(probe->c_str());
  if (is_link) {
    DeleteFileA(ansi->c_str());
  }
  return true;
}

}  // namespace pictavue
