#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dir_listing.h"
#include "platform/paths.h"

namespace pictavue::testing {

// A Windows-style folder tree in memory ("D:\RECYCLED\x.gif", "\\SERVER\SHARE\Pics"), listed as
// the system lists one: names matched without regard to case, "." and ".." in every folder but
// a root, entries in the order they were added. Folders on the way are made as needed, spelled
// as first given.
class MemoryDirectory final : public DirectoryLister {
 public:
  void AddFile(std::string_view path, std::int64_t byte_size = 0) {
    nodes_[MakePath(path, false)].byte_size = byte_size;
  }
  void AddFolder(std::string_view path) { MakePath(path, true); }
  // A folder link (a junction) at path that leads to the folder target.
  void AddLink(std::string_view path, std::string_view target) {
    nodes_[MakePath(path, true)].link_target = std::string(target);
  }
  // The folder exists but cannot be listed, like a folder without access.
  void MakeUnreadable(std::string_view path) { nodes_[MakePath(path, true)].unreadable = true; }

  // Plays FindFirstFileA on a path without wildcards: the last entry's stored name, or nothing
  // for a missing path, a root, or a path ending in a separator.
  std::optional<std::string> StoredName(const std::string& path) const;
  StoredNameLookup Lookup() const {
    return [this](const std::string& path) { return StoredName(path); };
  }

  // Searches opened and not yet closed.
  int OpenSearches() const { return *open_searches_; }

  std::unique_ptr<DirectorySearch> Open(std::string_view folder, std::string_view pattern) override;
  std::optional<FileIdentity> FolderIdentity(std::string_view folder) override;

 private:
  struct Node {
    Node(std::string_view given_name, bool folder) : name(given_name), is_folder(folder) {}
    std::string name;
    bool is_folder = false;
    bool unreadable = false;
    std::int64_t byte_size = 0;
    std::string link_target;                           // a folder link when not empty
    std::vector<std::size_t> children;                 // in the order they were added
    std::map<std::string, std::size_t> by_upper_name;  // the same, for look-ups
  };

  static constexpr int kMaxLinkHops = 40;

  std::optional<std::size_t> Find(std::string_view path, bool follow_last, int depth) const;
  std::optional<std::size_t> Follow(std::size_t node, int depth) const;
  std::size_t MakePath(std::string_view path, bool last_is_folder);

  // nodes_[0] holds the roots ("D:", "\\SERVER\SHARE") as its folders.
  std::vector<Node> nodes_{Node("", true)};
  std::shared_ptr<int> open_searches_ = std::make_shared<int>(0);
};

}  // namespace pictavue::testing
