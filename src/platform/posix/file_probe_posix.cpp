#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_probe.h"

namespace pictavue {
namespace {

bool IsUsablePath(std::string_view path) {
  return !path.empty() && path.find('\0') == std::string_view::npos;
}

}  // namespace

bool IsNonFolderEntry(std::string_view path) {
  if (!IsUsablePath(path)) {
    return false;
  }
  const std::string text(path);
  struct stat entry {};
  if (::lstat(text.c_str(), &entry) != 0) {
    return false;
  }
  struct stat target {};
  // A link that leads nowhere is still an entry that creating the file would go through.
  return ::stat(text.c_str(), &target) != 0 || !S_ISDIR(target.st_mode);
}

bool ProbeFileCreation(std::string_view path) {
  if (!IsUsablePath(path)) {
    return false;
  }
  const std::string text(path);
  const int fd =
      ::open(text.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd < 0) {
    return false;
  }
  ::close(fd);
  ::unlink(text.c_str());
  return true;
}

}  // namespace pictavue
