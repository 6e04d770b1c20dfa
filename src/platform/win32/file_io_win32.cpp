#include <algorithm>
#include <optional>
#include <random>
#include <string>

#include <windows.h>

#include "platform/file_io.h"
#include "platform/paths.h"
#include "platform/win32/system_text.h"

namespace pictavue {
namespace {

// One WriteFile or ReadFile moves at most a DWORD's worth; large transfers go in pieces.
constexpr std::size_t kMaxTransfer = std::size_t{1} << 30;

Status Failure(DWORD error) {
  return Status::Failure(win32::ErrorText(error));
}

Status LastFailure() {
  return Failure(GetLastError());
}

// A path the system cannot be handed faithfully names no file that the program could reach.
Status UnreachablePath() {
  return Failure(ERROR_INVALID_NAME);
}

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (ok()) {
      CloseHandle(handle_);
    }
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

  // Closes now and reports it: a failing close can mean that written data never arrived.
  Status Close() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return CloseHandle(handle) != 0 ? Status::Ok() : LastFailure();
  }

 private:
  HANDLE handle_;
};

Status WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const auto chunk = static_cast<DWORD>(std::min(bytes.size(), kMaxTransfer));
    DWORD written = 0;
    if (WriteFile(file, bytes.data(), chunk, &written, nullptr) == 0) {
      return LastFailure();
    }
    if (written == 0) {
      return Failure(ERROR_WRITE_FAULT);
    }
    bytes.remove_prefix(written);
  }
  return Status::Ok();
}

// The temporary file's name beside the target: the target's own name, so a person who finds
// one left over knows what it was, and a random part, so two writers never meet.
std::string TemporaryName(const std::string& target) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device device;
  std::uniform_int_distribution<std::size_t> pick(0, sizeof(kLetters) - 2);
  std::string suffix(8, 'x');
  for (char& letter : suffix) {
    letter = kLetters[pick(device)];
  }
  const std::string name = LastComponent(target, PathStyle::kWindows);
  return target.substr(0, target.size() - name.size()) + "." + name + "." + suffix + ".tmp";
}

HANDLE CreateNewFile(const std::string& ansi_path) {
  return CreateFileA(ansi_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

ReadResult ReadFileBounded(const std::string& path, std::size_t max_bytes) {
  ReadResult result;
  const std::optional<std::string> ansi = win32::SystemPath(path);
  if (!ansi) {
    result.status = UnreachablePath();
    return result;
  }
  FileHandle file(CreateFileA(ansi->c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.ok()) {
    result.status = LastFailure();
    return result;
  }
  // A device or a pipe could block or never end; only a file on a disk is read.
  if (GetFileType(file.get()) != FILE_TYPE_DISK) {
    result.status = Failure(ERROR_BAD_FILE_TYPE);
    return result;
  }
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file.get(), &size) != 0 && size.QuadPart > 0) {
    result.bytes.reserve(
        static_cast<std::size_t>(std::min<std::uint64_t>(size.QuadPart, max_bytes)));
  }
  constexpr std::size_t kChunk = 64 * 1024;
  for (;;) {
    // One byte beyond the limit tells a file of exactly max_bytes from a longer one.
    const std::size_t want = std::min(kChunk, max_bytes - result.bytes.size() + 1);
    const std::size_t old_size = result.bytes.size();
    result.bytes.resize(old_size + want);
    DWORD got = 0;
    const bool ok = ReadFile(file.get(), result.bytes.data() + old_size, static_cast<DWORD>(want),
                             &got, nullptr) != 0;
    result.bytes.resize(old_size + got);
    if (!ok) {
      result.status = LastFailure();
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
  const std::optional<std::string> target = win32::SystemPath(path);
  if (!target) {
    return UnreachablePath();
  }
  const DWORD old_attributes = GetFileAttributesA(target->c_str());
  const bool exists = old_attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (old_attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return Failure(ERROR_ACCESS_DENIED);
  }
  // A file made read-only by its owner is not ours to replace, even though its folder would let
  // a rename do it.
  if (exists && (old_attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    return Failure(ERROR_ACCESS_DENIED);
  }
  std::optional<std::string> temp_path;
  HANDLE temp_handle = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 16 && temp_handle == INVALID_HANDLE_VALUE; ++attempt) {
    temp_path = win32::SystemPath(TemporaryName(path));
    if (!temp_path) {
      return UnreachablePath();
    }
    temp_handle = CreateNewFile(*temp_path);
    if (temp_handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
      break;
    }
  }
  FileHandle temp(temp_handle);
  if (!temp.ok()) {
    return LastFailure();
  }
  Status status = WriteAll(temp.get(), bytes);
  // Without the flush a crash soon after the rename could leave an empty file in place of both.
  if (status.ok() && FlushFileBuffers(temp.get()) == 0) {
    status = LastFailure();
  }
  const Status closed = temp.Close();
  if (status.ok()) {
    status = closed;
  }
  if (status.ok()) {
    // ReplaceFile keeps the old file's attributes and security; a new file is simply moved in.
    const bool replaced =
        exists ? ReplaceFileA(target->c_str(), temp_path->c_str(), nullptr,
                              REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0
               : MoveFileExA(temp_path->c_str(), target->c_str(), MOVEFILE_WRITE_THROUGH) != 0;
    if (!replaced) {
      status = LastFailure();
    }
  }
  if (!status.ok()) {
    DeleteFileA(temp_path->c_str());
  }
  return status;
}

std::string NativeFileName(const std::string& path) {
  return win32::SystemPath(path).value_or(std::string());
}

Status WriteFileReplacing(const std::string& path, std::string_view bytes) {
  const std::optional<std::string> ansi = win32::SystemPath(path);
  if (!ansi) {
    return UnreachablePath();
  }
  FileHandle file(CreateFileA(ansi->c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.ok()) {
    return LastFailure();
  }
  Status status = WriteAll(file.get(), bytes);
  const Status closed = file.Close();
  return status.ok() ? closed : status;
}

}  // namespace pictavue
