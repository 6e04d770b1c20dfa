#include <optional>
#include <string>

#include <windows.h>

#include "platform/dir_listing.h"
#include "platform/paths.h"
#include "platform/win32/system_text.h"

namespace pictavue {
namespace {

std::int64_t CombinedSize(DWORD high, DWORD low) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(high) << 32) | low);
}

// What the file system says about the entry that path leads to, links followed.
std::optional<BY_HANDLE_FILE_INFORMATION> FollowedInformation(const std::string& ansi_path) {
  // No access rights are asked for: the question is about the entry, not its content. Backup
  // semantics let a folder be opened at all.
  const HANDLE file =
      CreateFileA(ansi_path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return std::nullopt;
  }
  BY_HANDLE_FILE_INFORMATION information{};
  const bool ok = GetFileInformationByHandle(file, &information) != 0;
  CloseHandle(file);
  if (!ok) {
    return std::nullopt;
  }
  return information;
}

class Win32DirectorySearch final : public DirectorySearch {
 public:
  // handle is INVALID_HANDLE_VALUE for a folder without a matching entry.
  Win32DirectorySearch(HANDLE handle, const WIN32_FIND_DATAA& first, std::string ansi_folder)
      : handle_(handle), data_(first), ansi_folder_(std::move(ansi_folder)) {}
  ~Win32DirectorySearch() override {
    if (handle_ != INVALID_HANDLE_VALUE) {
      FindClose(handle_);
    }
  }
  Win32DirectorySearch(const Win32DirectorySearch&) = delete;
  Win32DirectorySearch& operator=(const Win32DirectorySearch&) = delete;

  bool Next() override {
    if (handle_ == INVALID_HANDLE_VALUE) {
      return false;
    }
    if (first_pending_) {
      first_pending_ = false;
    } else if (FindNextFileA(handle_, &data_) == 0) {
      return false;
    }
    name_ = win32::ProgramText(data_.cFileName);
    followed_.reset();
    followed_looked_ = false;
    return true;
  }

  const std::string& Name() const override { return name_; }

  bool IsFolder() override {
    if (!IsReparsePoint()) {
      return (data_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }
    const auto* information = Followed();
    return information != nullptr &&
           (information->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }

  bool IsLink() override {
    return IsReparsePoint() && (data_.dwReserved0 == IO_REPARSE_TAG_SYMLINK ||
                                data_.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT);
  }

  std::int64_t ByteSize() override {
    if (!IsReparsePoint()) {
      return CombinedSize(data_.nFileSizeHigh, data_.nFileSizeLow);
    }
    const auto* information = Followed();
    return information == nullptr
               ? 0
               : CombinedSize(information->nFileSizeHigh, information->nFileSizeLow);
  }

 private:
  bool IsReparsePoint() const {
    return (data_.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  }

  // One look per entry at most, and only for links the caller asks about.
  const BY_HANDLE_FILE_INFORMATION* Followed() {
    if (!followed_looked_) {
      followed_looked_ = true;
      followed_ = FollowedInformation(ansi_folder_ + data_.cFileName);
    }
    return followed_ ? &*followed_ : nullptr;
  }

  HANDLE handle_;
  WIN32_FIND_DATAA data_;
  std::string ansi_folder_;  // ends in a separator
  bool first_pending_ = true;
  std::string name_;
  bool followed_looked_ = false;
  std::optional<BY_HANDLE_FILE_INFORMATION> followed_;
};

bool IsExistingFolder(const std::string& ansi_path) {
  const DWORD attributes = GetFileAttributesA(ansi_path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

class Win32DirectoryLister final : public DirectoryLister {
 public:
  std::unique_ptr<DirectorySearch> Open(std::string_view folder,
                                        std::string_view pattern) override {
    // The separator is added to the UTF-8 text: in a double-byte code page the second byte of a
    // character can be the byte of a backslash.
    const std::optional<std::string> ansi_folder =
        win32::SystemPath(WithTrailingSeparator(folder, PathStyle::kWindows));
    const std::optional<std::string> ansi_pattern = win32::SystemPath(pattern);
    if (folder.empty() || !ansi_folder || !ansi_pattern) {
      return nullptr;
    }
    const std::string& with_separator = *ansi_folder;
    const std::string search = with_separator + *ansi_pattern;
    WIN32_FIND_DATAA first{};
    const HANDLE handle = FindFirstFileA(search.c_str(), &first);
    if (handle == INVALID_HANDLE_VALUE) {
      const DWORD error = GetLastError();
      // A drive's root has no "." and "..": a pattern that matches nothing there is an empty
      // listing, not a folder that cannot be listed.
      if ((error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES) &&
          IsExistingFolder(with_separator)) {
        return std::make_unique<Win32DirectorySearch>(INVALID_HANDLE_VALUE, first, with_separator);
      }
      return nullptr;
    }
    return std::make_unique<Win32DirectorySearch>(handle, first, with_separator);
  }

  std::optional<FileIdentity> FolderIdentity(std::string_view folder) override {
    const std::optional<std::string> ansi_folder = win32::SystemPath(folder);
    if (folder.empty() || !ansi_folder) {
      return std::nullopt;
    }
    const std::optional<BY_HANDLE_FILE_INFORMATION> information = FollowedInformation(*ansi_folder);
    if (!information || (information->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      return std::nullopt;
    }
    return FileIdentity{information->dwVolumeSerialNumber,
                        (static_cast<std::uint64_t>(information->nFileIndexHigh) << 32) |
                            information->nFileIndexLow};
  }
};

}  // namespace

std::unique_ptr<DirectoryLister> MakeSystemDirectoryLister() {
  return std::make_unique<Win32DirectoryLister>();
}

}  // namespace pictavue
