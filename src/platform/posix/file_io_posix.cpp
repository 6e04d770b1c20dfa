#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_io.h"

namespace pictavue {
namespace {

// Large writes are split so that one call never exceeds what a single write may transfer.
constexpr std::size_t kMaxWriteChunk = std::size_t{1} << 30;

Status Failure(int error) {
  return Status::Failure(std::generic_category().message(error));
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }

  // Closes now and reports it: a failing close can mean that written data never arrived.
  Status Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 ? Status::Ok() : Failure(errno);
  }

 private:
  int fd_;
};

Status WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), std::min(bytes.size(), kMaxWriteChunk));
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return Failure(errno);
    }
    if (written == 0) {
      return Failure(EIO);
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return Status::Ok();
}

// The file a link points to, so that replacing it keeps the link; path itself otherwise.
std::string ReplacementTarget(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
    return path;
  }
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) {
    return path;  // a dangling link holds no content to keep
  }
  std::string target = resolved;
  std::free(resolved);
  return target;
}

std::string TemporaryName(const std::string& target) {
  const std::size_t slash = target.rfind('/');
  const std::size_t name_start = slash == std::string::npos ? 0 : slash + 1;
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device device;
  std::uniform_int_distribution<std::size_t> pick(0, sizeof(kLetters) - 2);
  std::string suffix(8, 'x');
  for (char& letter : suffix) {
    letter = kLetters[pick(device)];
  }
  return target.substr(0, name_start) + "." + target.substr(name_start) + "." + suffix + ".tmp";
}

// A new file of our own, created with the usual permissions (the user's umask applies).
int CreateTemporaryFile(const std::string& target, std::string& temp_path) {
  constexpr int kAttempts = 16;
  int fd = -1;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    temp_path = TemporaryName(target);
    fd = ::open(temp_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) {
      break;
    }
  }
  return fd;
}

Status WriteTemporaryFile(int fd, std::string_view bytes, const struct stat* old_info) {
  Status status = WriteAll(fd, bytes);
  if (status.ok() && old_info != nullptr && ::fchmod(fd, old_info->st_mode & 07777) != 0) {
    status = Failure(errno);
  }
  // Without the flush a crash soon after the rename could leave an empty file in place of both.
  if (status.ok() && ::fsync(fd) != 0 && errno != EINVAL) {
    status = Failure(errno);
  }
  return status;
}

}  // namespace

ReadResult ReadFileBounded(const std::string& path, std::size_t max_bytes) {
  ReadResult result;
  // O_NONBLOCK: opening a pipe without a writer must not wait for one.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (file.get() < 0) {
    result.status = Failure(errno);
    return result;
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) {
    result.status = Failure(errno);
    return result;
  }
  if (!S_ISREG(info.st_mode)) {
    result.status = Failure(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    return result;
  }
  result.bytes.reserve(static_cast<std::size_t>(
      std::min<std::uint64_t>(info.st_size > 0 ? info.st_size : 0, max_bytes)));
  constexpr std::size_t kChunk = 64 * 1024;
  for (;;) {
    // One byte beyond the limit tells a file of exactly max_bytes from a longer one.
    const std::size_t want = std::min(kChunk, max_bytes - result.bytes.size() + 1);
    const std::size_t old_size = result.bytes.size();
    result.bytes.resize(old_size + want);
    const ssize_t got = ::read(file.get(), result.bytes.data() + old_size, want);
    result.bytes.resize(old_size + (got > 0 ? static_cast<std::size_t>(got) : 0));
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      result.status = Failure(errno);
      result.bytes.clear();
      return result;
    }
    if (got == 0) {
      break;
    }
    if (result.bytes.size() > max_bytes) {
      result.bytes.resize(max_bytes);
      result.truncated = true;
      break;
    }
  }
  return result;
}

Status WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string target = ReplacementTarget(path);
  struct stat old_info {};
  const bool exists = ::stat(target.c_str(), &old_info) == 0;
  // A file made read-only by its owner is not ours to replace, even though its folder would
  // let a rename do it.
  if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    return Failure(errno);
  }
  std::string temp_path;
  FileDescriptor temp(CreateTemporaryFile(target, temp_path));
  if (temp.get() < 0) {
    return Failure(errno);
  }
  Status status = WriteTemporaryFile(temp.get(), bytes, exists ? &old_info : nullptr);
  const Status closed = temp.Close();
  if (status.ok()) {
    status = closed;
  }
  if (status.ok() && ::rename(temp_path.c_str(), target.c_str()) != 0) {
    status = Failure(errno);
  }
  if (!status.ok()) {
    ::unlink(temp_path.c_str());
  }
  return status;
}

std::string NativeFileName(const std::string& path) {
  return path;
}

Status WriteFileReplacing(const std::string& path, std::string_view bytes) {
  // O_NONBLOCK: a pipe without a reader under the page's name fails at once instead of waiting.
  FileDescriptor file(
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666));
  if (file.get() < 0) {
    return Failure(errno);
  }
  Status status = WriteAll(file.get(), bytes);
  const Status closed = file.Close();
  return status.ok() ? closed : status;
}

}  // namespace pictavue
