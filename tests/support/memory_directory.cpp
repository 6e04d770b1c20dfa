#include "support/memory_directory.h"

#include <stdexcept>
#include <utility>

#include "platform/ascii_case.h"

namespace pictavue::testing {
namespace {

struct SplitPath {
  std::string root;
  std::vector<std::string> names;
  bool trailing_separator = false;
};

bool IsSlash(char ch) {
  return ch == '\\' || ch == '/';
}

// "D:\A\B" -> root "D:", names A, B; "\\S\SH\A" -> root "\\S\SH", names A.
std::optional<SplitPath> Split(std::string_view path) {
  SplitPath split;
  std::size_t at = 0;
  if (path.size() >= 2 && IsSlash(path[0]) && IsSlash(path[1])) {
    std::size_t server_end = 2;
    while (server_end < path.size() && !IsSlash(path[server_end])) {
      ++server_end;
    }
    std::size_t share_end = server_end + 1;
    while (share_end < path.size() && !IsSlash(path[share_end])) {
      ++share_end;
    }
    if (server_end >= path.size() || share_end == server_end + 1) {
      return std::nullopt;
    }
    split.root = std::string(path.substr(0, share_end));
    at = share_end;
  } else if (path.size() >= 2 && path[1] == ':') {
    split.root = std::string(path.substr(0, 2));
    at = 2;
  } else {
    return std::nullopt;
  }
  for (char& ch : split.root) {
    if (ch == '/') {
      ch = '\\';
    }
  }
  split.trailing_separator = !path.empty() && IsSlash(path.back()) && path.size() > at;
  std::string name;
  for (std::size_t i = at; i <= path.size(); ++i) {
    if (i == path.size() || IsSlash(path[i])) {
      if (!name.empty()) {
        split.names.push_back(std::move(name));
      }
      name.clear();
    } else {
      name += path[i];
    }
  }
  return split;
}

class MemorySearch final : public DirectorySearch {
 public:
  struct Item {
    std::string name;
    bool is_folder;
    bool is_link;
    std::int64_t byte_size;
  };

  MemorySearch(std::vector<Item> items, std::shared_ptr<int> open_searches)
      : items_(std::move(items)), open_searches_(std::move(open_searches)) {
    ++*open_searches_;
  }
  ~MemorySearch() override { --*open_searches_; }
  MemorySearch(const MemorySearch&) = delete;
  MemorySearch& operator=(const MemorySearch&) = delete;

  bool Next() override {
    if (next_ >= items_.size()) {
      return false;
    }
    current_ = next_++;
    return true;
  }
  const std::string& Name() const override { return items_[current_].name; }
  bool IsFolder() override { return items_[current_].is_folder; }
  bool IsLink() override { return items_[current_].is_link; }
  std::int64_t ByteSize() override { return items_[current_].byte_size; }

 private:
  std::vector<Item> items_;
  std::shared_ptr<int> open_searches_;
  std::size_t next_ = 0;
  std::size_t current_ = 0;
};

}  // namespace

std::size_t MemoryDirectory::NewNode(std::string name, bool is_folder) {
  Node node;
  node.name = std::move(name);
  node.is_folder = is_folder;
  nodes_.push_back(std::move(node));
  return nodes_.size() - 1;
}

std::size_t MemoryDirectory::MakePath(std::string_view path, bool last_is_folder) {
  const std::optional<SplitPath> split = Split(path);
  if (!split) {
    throw std::invalid_argument("not a Windows path: " + std::string(path));
  }
  const std::string root_key = AsciiUpper(split->root);
  auto root = roots_.find(root_key);
  if (root == roots_.end()) {
    root = roots_.emplace(root_key, NewNode(AsciiUpper(split->root), true)).first;
  }
  std::size_t node = root->second;
  for (std::size_t i = 0; i < split->names.size(); ++i) {
    const std::string& name = split->names[i];
    const bool is_last = i + 1 == split->names.size();
    const std::string key = AsciiUpper(name);
    const auto found = nodes_[node].by_upper_name.find(key);
    if (found != nodes_[node].by_upper_name.end()) {
      node = found->second;
      continue;
    }
    const std::size_t child = NewNode(name, !is_last || last_is_folder);
    nodes_[node].children.push_back(child);
    nodes_[node].by_upper_name.emplace(key, child);
    node = child;
  }
  return node;
}

void MemoryDirectory::AddFile(std::string_view path, std::int64_t byte_size) {
  nodes_[MakePath(path, false)].byte_size = byte_size;
}

void MemoryDirectory::AddFolder(std::string_view path) {
  MakePath(path, true);
}

void MemoryDirectory::AddLink(std::string_view path, std::string_view target) {
  nodes_[MakePath(path, true)].link_target = std::string(target);
}

void MemoryDirectory::MakeUnreadable(std::string_view path) {
  nodes_[MakePath(path, true)].unreadable = true;
}

std::optional<std::size_t> MemoryDirectory::Follow(std::size_t node, int depth) const {
  // As the system does, give up on a chain of links that does not end.
  for (int hops = depth; !nodes_[node].link_target.empty(); ++hops) {
    if (hops > kMaxLinkHops) {
      return std::nullopt;
    }
    const std::optional<std::size_t> target = Find(nodes_[node].link_target, true, hops + 1);
    if (!target) {
      return std::nullopt;
    }
    node = *target;
  }
  return node;
}

std::optional<std::size_t> MemoryDirectory::Find(std::string_view path, bool follow_last,
                                                 int depth) const {
  const std::optional<SplitPath> split = Split(path);
  if (!split) {
    return std::nullopt;
  }
  const auto root = roots_.find(AsciiUpper(split->root));
  if (root == roots_.end()) {
    return std::nullopt;
  }
  std::size_t node = root->second;
  for (std::size_t i = 0; i < split->names.size(); ++i) {
    const std::optional<std::size_t> folder = Follow(node, depth);
    if (!folder || !nodes_[*folder].is_folder) {
      return std::nullopt;
    }
    const auto found = nodes_[*folder].by_upper_name.find(AsciiUpper(split->names[i]));
    if (found == nodes_[*folder].by_upper_name.end()) {
      return std::nullopt;
    }
    node = found->second;
  }
  return follow_last ? Follow(node, depth) : std::optional<std::size_t>(node);
}

std::optional<std::string> MemoryDirectory::StoredName(const std::string& path) const {
  const std::optional<SplitPath> split = Split(path);
  if (!split || split->names.empty() || split->trailing_separator) {
    return std::nullopt;
  }
  const std::optional<std::size_t> node = Find(path, false, 0);
  if (!node) {
    return std::nullopt;
  }
  return nodes_[*node].name;
}

StoredNameLookup MemoryDirectory::Lookup() const {
  return [this](const std::string& path) { return StoredName(path); };
}

std::unique_ptr<DirectorySearch> MemoryDirectory::Open(std::string_view folder,
                                                       std::string_view pattern) {
  const std::optional<std::size_t> node = Find(folder, true, 0);
  if (!node || !nodes_[*node].is_folder || nodes_[*node].unreadable) {
    return nullptr;
  }
  std::vector<MemorySearch::Item> items;
  const bool is_root = Split(folder)->names.empty();
  if (!is_root) {
    for (const char* dots : {".", ".."}) {
      if (PatternMatches(dots, pattern)) {
        items.push_back({dots, true, false, 0});
      }
    }
  }
  for (std::size_t child : nodes_[*node].children) {
    const Node& entry = nodes_[child];
    if (!PatternMatches(entry.name, pattern)) {
      continue;
    }
    const std::optional<std::size_t> target = Follow(child, 0);
    const bool is_folder = target && nodes_[*target].is_folder;
    items.push_back({entry.name, is_folder, !entry.link_target.empty(),
                     target ? nodes_[*target].byte_size : 0});
  }
  search_log_.push_back(std::string(folder) + " " + std::string(pattern));
  return std::make_unique<MemorySearch>(std::move(items), open_searches_);
}

std::optional<FileIdentity> MemoryDirectory::FolderIdentity(std::string_view folder) {
  const std::optional<std::size_t> node = Find(folder, true, 0);
  if (!node || !nodes_[*node].is_folder) {
    return std::nullopt;
  }
  return FileIdentity{0, static_cast<std::uint64_t>(*node)};
}

}  // namespace pictavue::testing
