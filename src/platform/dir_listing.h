#pragma once

#include <compare>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace pictavue {

// Tells one folder from another however it was reached (device and inode on POSIX, volume and
// file id on Windows), so that a walk can notice a link back to a folder it has already seen.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  auto operator<=>(const FileIdentity&) const = default;
};

// One open search of a folder, as FindFirstFileA / FindNextFileA / FindClose play it: the
// entries whose names match the search's pattern, one at a time. Destroying the search closes
// it. Questions about the current entry that need the file system (folder or not, size,
// identity) are asked only when the caller asks them, so a walk pays only for the entries it
// keeps.
class DirectorySearch {
 public:
  virtual ~DirectorySearch() = default;

  // Moves to the next matching entry; false when there is none left.
  virtual bool Next() = 0;

  // The current entry's name as the file system stores it.
  virtual const std::string& Name() const = 0;

  // Whether the current entry is a folder, symbolic links followed (a link to a folder is a
  // folder; a broken link is not).
  virtual bool IsFolder() = 0;

  // Whether the current entry is a symbolic link (a junction on Windows).
  virtual bool IsLink() = 0;

  // The current entry's size in bytes, links followed; 0 when it cannot be examined.
  virtual std::int64_t ByteSize() = 0;
};

class DirectoryLister {
 public:
  virtual ~DirectoryLister() = default;

  // Opens a search of folder (with or without its trailing separator) for the names that match
  // pattern (see PatternMatches). Nullptr when the folder cannot be listed (missing, not a
  // folder, no access, path too long); an empty folder gives a search without entries.
  virtual std::unique_ptr<DirectorySearch> Open(std::string_view folder,
                                                std::string_view pattern) = 0;

  // The identity of the folder that folder names, links followed; nothing when it cannot be
  // examined.
  virtual std::optional<FileIdentity> FolderIdentity(std::string_view folder) = 0;
};

// The lister of the system the program runs on.
std::unique_ptr<DirectoryLister> MakeSystemDirectoryLister();

// Whether name matches a listing pattern the way the system's directory search matches it:
// '*' stands for any run of characters, '?' for one, letters match without regard to case
// ("X.GIF" matches "*.gif"), and "*.*" matches every name, also names without a dot.
bool PatternMatches(std::string_view name, std::string_view pattern);

}  // namespace pictavue
