#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <system_error>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
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

// A new temporary file of our own beside target, locked for as long as it is open: the lock is
// what tells a stale file that RemoveStaleTemporaryFiles may take from one still being written.
// Created with the usual permissions (the user's umask applies).
int CreateTemporaryFile(const std::string& target, std::string& temp_path) {
  constexpr int kAttempts = 16;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    temp_path = TemporaryPathBeside(target);
    const int fd = ::open(temp_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) {
        continue;
      }
      return -1;
    }
    struct stat info {};
    // A cleaner may have taken the new file in the moment before the lock: then it has no name.
    if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &info) == 0 && info.st_nlink > 0) {
      return fd;
    }
    ::close(fd);
  }
  errno = EEXIST;
  return -1;
}

// The owner, group and permission bits of the file being replaced, given to its replacement.
Status KeepOwnerAndMode(int fd, const struct stat& old_info) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    return Failure(errno);
  }
  if ((info.st_uid != old_info.st_uid || info.st_gid != old_info.st_gid) &&
      ::fchown(fd, old_info.st_uid, old_info.st_gid) != 0) {
    return Failure(errno);
  }
  // After the owner: a change of owner clears the set-user and set-group bits.
  return ::fchmod(fd, old_info.st_mode & 07777) == 0 ? Status::Ok() : Failure(errno);
}

Status WriteTemporaryFile(int fd, std::string_view bytes, const struct stat* old_info,
                          Flush flush) {
  Status status = WriteAll(fd, bytes);
  if (status.ok() && old_info != nullptr) {
    status = KeepOwnerAndMode(fd, *old_info);
  }
  // Without the flush a crash soon after the rename could leave an empty file in place of both.
  if (status.ok() && flush == Flush::kToDisk && ::fsync(fd) != 0 && errno != EINVAL) {
    status = Failure(errno);
  }
  return status;
}

// Removes the entry name of folder when it is a temporary file nobody writes any more: ours by its
// name and owner, a regular file with no other name, and free of the lock its writer holds.
void RemoveIfStale(int folder_fd, const char* name) {
  const int fd =
      ::openat(folder_fd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    return;
  }
  FileDescriptor file(fd);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid() ||
      info.st_nlink != 1 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    return;
  }
  // Still the same file under that name: names are never reused, so nothing can take its place.
  struct stat named {};
  if (::fstatat(folder_fd, name, &named, AT_SYMLINK_NOFOLLOW) != 0 || named.st_dev != info.st_dev ||
      named.st_ino != info.st_ino) {
    return;
  }
  ::unlinkat(folder_fd, name, 0);
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

Status WriteFileAtomically(const std::string& path, std::string_view bytes, LinkAtPath link,
                           Flush flush) {
  const std::string target = link == LinkAtPath::kFollow ? ReplacementTarget(path) : path;
  struct stat old_info {};
  const bool exists = ::lstat(target.c_str(), &old_info) == 0;
  const bool replaces_file = exists && S_ISREG(old_info.st_mode);
  // A file made read-only by its owner is not ours to replace, even though its folder would
  // let a rename do it.
  if (replaces_file && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    return Failure(errno);
  }
  std::string temp_path;
  FileDescriptor temp(CreateTemporaryFile(target, temp_path));
  if (temp.get() < 0) {
    return Failure(errno);
  }
  Status status = WriteTemporaryFile(temp.get(), bytes, replaces_file ? &old_info : nullptr, flush);
  // Renamed while still open, and so locked: a cleaner never sees a finished file unlocked.
  if (status.ok() && ::rename(temp_path.c_str(), target.c_str()) != 0) {
    status = Failure(errno);
  }
  if (!status.ok()) {
    ::unlink(temp_path.c_str());
  }
  const Status closed = temp.Close();
  return status.ok() ? closed : status;
}

void RemoveStaleTemporaryFiles(const std::string& folder) {
  const int folder_fd =
      ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder_fd < 0) {
    return;
  }
  DIR* listing = ::fdopendir(folder_fd);
  if (listing == nullptr) {
    ::close(folder_fd);
    return;
  }
  while (const dirent* entry = ::readdir(listing)) {
    if (IsTemporaryFileName(entry->d_name)) {
      RemoveIfStale(folder_fd, entry->d_name);
    }
  }
  ::closedir(listing);
}

std::string NativeFileName(const std::string& path) {
  return path;
}

}  // namespace pictavue
