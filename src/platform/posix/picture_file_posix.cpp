#include <cerrno>
#include <cstdint>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/picture_file.h"

namespace pictavue::picture_file_detail {

// One open and a status of the open file: asking about the path first would cost a second
// lookup of every name and still leave a moment in which a pipe could take the file's place.
// O_NONBLOCK lets the open of a pipe without a writer return at once; O_NOCTTY keeps a terminal
// from becoming the program's own.
PictureFile::PictureFile(const std::string& path) {
  if (path.empty() || path.find('\0') != std::string::npos) {
    return;
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    return;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return;
  }
  handle_ = fd;
  size_ = static_cast<std::uint64_t>(info.st_size);
}

PictureFile::~PictureFile() {
  if (is_open()) {
    ::close(static_cast<int>(handle_));
  }
}

std::optional<std::size_t> PictureFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) {
  if (!is_open()) {
    return std::nullopt;
  }
  constexpr auto kLastOffset = static_cast<std::uint64_t>(std::numeric_limits<off_t>::max());
  std::size_t total = 0;
  while (total < out.size()) {
    const std::uint64_t at = offset + total;
    if (offset > kLastOffset || at > kLastOffset) {
      break;  // no file reaches that far
    }
    const ssize_t got = ::pread(static_cast<int>(handle_), out.data() + total, out.size() - total,
                                static_cast<off_t>(at));
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      return std::nullopt;
    }
    if (got == 0) {
      break;
    }
    total += static_cast<std::size_t>(got);
    // A file of the system's own making (/proc) may say 0 and still give bytes: the length only
    // ends a read that has reached it, it never stops one from being tried.
    if (offset + total >= size_) {
      break;
    }
  }
  return total;
}

}  // namespace pictavue::picture_file_detail
