#include <cerrno>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_io.h"
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
  // Never through a link: the page will replace the link, and what it leads to is not ours.
  const int fd =
      ::open(text.c_str(),
             O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd >= 0) {
    ::close(fd);
    ::unlink(text.c_str());
    return true;
  }
  struct stat entry {};
  if (errno != ELOOP || ::lstat(text.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode)) {
    return false;
  }
  // A link: a file of another name beside it tells whether the folder takes the page; then the
  // link goes, as an emptied first page would.
  const std::string probe = TemporaryPathBeside(text);
  const int probe_fd =
      ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
  if (probe_fd < 0) {
    return false;
  }
  ::close(probe_fd);
  ::unlink(probe.c_str());
  ::unlink(text.c_str());
  return true;
}

}  // namespace pictavue
