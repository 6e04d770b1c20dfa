#include <windows.h>

#include "platform/regular_file.h"

namespace pictavue::picture_file_detail {

// fopen takes the system code page, and so does CreateFileA; std::filesystem would read the same
// bytes as UTF-8. Opened without access rights, even a device answers at once.
bool IsRegularFile(const std::string& path) {
  if (path.empty()) {
    return false;
  }
  const HANDLE file =
      CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return false;
  }
  BY_HANDLE_FILE_INFORMATION information{};
  const bool regular = GetFileType(file) == FILE_TYPE_DISK &&
                       GetFileInformationByHandle(file, &information) != 0 &&
                       (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  CloseHandle(file);
  return regular;
}

}  // namespace pictavue::picture_file_detail
