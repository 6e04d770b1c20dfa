#include <algorithm>
#include <optional>
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

// The file a link leads to, so that replacing it keeps the link; nothing when it cannot be found.
std::optional<std::string> LinkTarget(const std::string& ansi_path) {
  FileHandle file(CreateFileA(ansi_path.c_str(), 0,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.ok()) {
    return std::nullopt;
  }
  std::string target(MAX_PATH, '\0');
  const DWORD length =
      GetFinalPathNameByHandleA(file.get(), target.data(), static_cast<DWORD>(target.size()), 0);
  if (length == 0 || length >= target.size()) {
    return std::nullopt;
  }
  target.resize(length);
  return target;
}

// Held open without sharing from its creation until it is renamed, the temporary file cannot be
// taken by RemoveStaleTemporaryFiles while it is written.
HANDLE CreateNewFile(const std::string& ansi_path) {
  return CreateFileA(ansi_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Removes the file when nobody holds it open: a writer keeps its temporary file open without
// sharing, so the open below fails while it writes. Only a regular file with no other name goes.
void RemoveIfStale(const std::string& ansi_path) {
  FileHandle file(CreateFileA(ansi_path.c_str(), DELETE | FILE_READ_ATTRIBUTES, 0, nullptr,
                              OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  if (!file.ok() || GetFileInformationByHandle(file.get(), &info) == 0 ||
      (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0 ||
      info.nNumberOfLinks != 1) {
    return;
  }
  FILE_DISPOSITION_INFO disposition{};
  disposition.DeleteFile = TRUE;
  SetFileInformationByHandle(file.get(), FileDispositionInfo, &disposition, sizeof disposition);
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

Status WriteFileAtomically(const std::string& path, std::string_view bytes, LinkAtPath link,
                           Flush flush) {
  std::optional<std::string> target = win32::SystemPath(path);
  if (!target) {
    return UnreachablePath();
  }
  DWORD old_attributes = GetFileAttributesA(target->c_str());
  bool is_link = old_attributes != INVALID_FILE_ATTRIBUTES &&
                 (old_attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  if (is_link && link == LinkAtPath::kFollow) {
    if (std::optional<std::string> followed = LinkTarget(*target)) {
      target = std::move(followed);
      old_attributes = GetFileAttributesA(target->c_str());
      is_link = false;
    }
  }
  const bool exists = old_attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && !is_link && (old_attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return Failure(ERROR_ACCESS_DENIED);
  }
  // A file made read-only by its owner is not ours to replace, even though its folder would let
  // a rename do it.
  if (exists && !is_link && (old_attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    return Failure(ERROR_ACCESS_DENIED);
  }
  std::optional<std::string> temp_path;
  HANDLE temp_handle = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 16 && temp_handle == INVALID_HANDLE_VALUE; ++attempt) {
    temp_path = win32::SystemPath(TemporaryPathBeside(path));
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
  if (status.ok() && flush == Flush::kToDisk && FlushFileBuffers(temp.get()) == 0) {
    status = LastFailure();
  }
  const Status closed = temp.Close();
  if (status.ok()) {
    status = closed;
  }
  if (status.ok()) {
    // ReplaceFile keeps the old file's attributes and security; a new file, or one in place of
    // a link (which the rename replaces rather than follows), is simply moved in.
    const bool replaced =
        exists && !is_link ? ReplaceFileA(target->c_str(), temp_path->c_str(), nullptr,
                                          REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0
                           : MoveFileExA(temp_path->c_str(), target->c_str(),
                                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!replaced) {
      status = LastFailure();
    }
  }
  if (!status.ok()) {
    DeleteFileA(temp_path->c_str());
  }
  return status;
}

void RemoveStaleTemporaryFiles(const std::string& folder) {
  const std::optional<std::string> ansi_folder =
      win32::SystemPath(WithTrailingSeparator(folder.empty() ? "." : folder, PathStyle::kWindows));
  if (!ansi_folder) {
    return;
  }
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA((*ansi_folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    return;
  }
  do {
    if (IsTemporaryFileName(found.cFileName)) {
      RemoveIfStale(*ansi_folder + found.cFileName);
    }
  } while (FindNextFileA(search, &found) != 0);
  FindClose(search);
}

std::string NativeFileName(const std::string& path) {
  return win32::SystemPath(path).value_or(std::string());
}

}  // namespace pictavue
