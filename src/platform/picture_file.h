#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// What FileSource asks of the system, one file per system (posix/, win32/): the header readers
// around it use nothing but the standard library.
namespace pictavue::picture_file_detail {

// A regular file open for reading at any offset.
class PictureFile {
 public:
  // Opens path, spelled as the C library takes it, when it names a regular file (links
  // followed). Anything else is refused after an open that cannot wait: a pipe or a device named
  // like a picture would block a read or never end, and a folder cannot be read as one.
  explicit PictureFile(const std::string& path);
  ~PictureFile();
  PictureFile(const PictureFile&) = delete;
  PictureFile& operator=(const PictureFile&) = delete;

  bool is_open() const { return handle_ != kNoHandle; }

  // The file's length when it was opened.
  std::uint64_t size() const { return size_; }

  // Fills out with the bytes from offset, fewer where the file ends; nothing when the system
  // cannot read. The length known from the open ends the read, so that a file shorter than out
  // costs one read rather than a second one that only confirms the end.
  std::optional<std::size_t> ReadAt(std::uint64_t offset, std::span<std::uint8_t> out);

 private:
  static constexpr std::intptr_t kNoHandle = -1;

  std::intptr_t handle_ = kNoHandle;  // a file descriptor, or a HANDLE on Windows
  std::uint64_t size_ = 0;
};

}  // namespace pictavue::picture_file_detail
