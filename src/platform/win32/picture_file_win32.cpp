#include <algorithm>
#include <cstdint>

#include <windows.h>

#include "platform/picture_file.h"

namespace pictavue::picture_file_detail {
namespace {

HANDLE HandleOf(std::intptr_t handle) {
  return reinterpret_cast<HANDLE>(handle);
}

}  // namespace

// fopen takes the system code page, and so does CreateFileA. A folder cannot be opened without
// backup semantics; a pipe or a device (CON, COM1 in any folder) opens but is no disk file.
PictureFile::PictureFile(const std::string& path) {
  if (path.empty() || path.find('\0') != std::string::npos) {
    return;
  }
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return;
  }
  BY_HANDLE_FILE_INFORMATION information{};
  if (GetFileType(file) != FILE_TYPE_DISK || GetFileInformationByHandle(file, &information) == 0 ||
      (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    CloseHandle(file);
    return;
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
  size_ = (static_cast<std::uint64_t>(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
}

PictureFile::~PictureFile() {
  if (is_open()) {
    CloseHandle(HandleOf(handle_));
  }
}

std::optional<std::size_t> PictureFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) {
  if (!is_open()) {
    return std::nullopt;
  }
  constexpr std::uint64_t kLastOffset = INT64_MAX;
  std::size_t total = 0;
  while (total < out.size()) {
    const std::uint64_t at = offset + total;
    if (offset > kLastOffset || at > kLastOffset) {
      break;  // no file reaches that far
    }
    // The offset travels with the call, as with pread: nothing depends on a file position.
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(at & 0xFFFFFFFF);
    where.OffsetHigh = static_cast<DWORD>(at >> 32);
    const auto want = static_cast<DWORD>(std::min<std::size_t>(out.size() - total, 1u << 30));
    DWORD got = 0;
    if (ReadFile(HandleOf(handle_), out.data() + total, want, &got, &where) == 0) {
      if (GetLastError() == ERROR_HANDLE_EOF) {
        break;
      }
      return std::nullopt;
    }
    if (got == 0) {
      break;
    }
    total += got;
    if (offset + total >= size_) {
      break;
    }
  }
  return total;
}

}  // namespace pictavue::picture_file_detail
