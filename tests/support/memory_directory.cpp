#include "support/memory_directory.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/ascii_case.h"

namespace pictavue::testing {
namespace {

bool IsSlash(char ch) {
  return ch == '\\' || ch == '/';
}

// "D:\A\B" -> "D:", "A", "B"; "\\S\SH\A" -> "\\S\SH", "A": the root first, in upper case and
// with backslashes. Nothing for a path without a drive or a share.
std::optional<std::vector<std::string>> Split(std::string_view path) {
  std::size_t at = 2;
  if (path.size() >= 2 && IsSlash(path[0]) && IsSlash(path[1])) {
    const std::size_t server_end = path.find_first_of("\\/", 2);
    at = server_end == std::string_view::npos
             ? path.size()
             : std::min(path.find_first_of("\\/", server_end + 1), path.size());
    if (server_end == std::string_view::npos || at == server_end + 1) {
      return std::nullopt;
    }
  } else if (path.size() < 2 || path[1] != ':') {
    return std::nullopt;
  }
  std::vector<std::string> names{AsciiUpper(path.substr(0, at))};
  std::replace(names[0].begin(), names[0].end(), '/', '\\');
  for (std::size_t start = at; start < path.size();) {
    const std::size_t end = std::min(path.find_first_of("\\/", start), path.size());
    if (end > start) {
      names.emplace_back(path.substr(start, end - start));
    }
    start = end + 1;
  }
  return names;
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

  bool Next() override { return ++next_ <= items_.size(); }
  const std::string& Name() const override { return items_[next_ - 1].name; }
  bool IsFolder() override { return items_[next_ - 1].is_folder; }
  bool IsLink() override { return items_[next_ - 1].is_link; }
  std::int64_t ByteSize() override { return items_[next_ - 1].byte_size; }

 private:
  std::vector<Item> items_;
  std::shared_ptr<int> open_searches_;
  std::size_t next_ = 0;
};

}  // namespace

std::size_t MemoryDirectory::MakePath(std::string_view path, bool last_is_folder) {
  const std::optional<std::vector<std::string>> names = Split(path);
  if (!names) {
    throw std::invalid_argument("not a Windows path: " + std::string(path));
  }
  std::size_t node = 0;
  for (std::size_t i = 0; i < names->size(); ++i) {
    const std::string key = AsciiUpper((*names)[i]);
    if (const auto found = nodes_[node].by_upper_name.find(key);
        found != nodes_[node].by_upper_name.end()) {
      node = found->second;
      continue;
    }
    nodes_.emplace_back((*names)[i], i + 1 < names->size() || last_is_folder);
    nodes_[node].children.push_back(nodes_.size() - 1);
    nodes_[node].by_upper_name.emplace(key, nodes_.size() - 1);
    node = nodes_.size() - 1;
  }
  return node;
}

std::optional<std::size_t> MemoryDirectory::Follow(std::size_t node, int depth) const {
  // As the system does, give up on a chain of links that does not end.
  for (int hops = depth; !nodes_[node].link_target.empty(); ++hops) {
    const std::optional<std::size_t> target =
        hops > kMaxLinkHops ? std::nullopt : Find(nodes_[node].link_target, true, hops + 1);
    if (!target) {
      return std::nullopt;
    }
    node = *target;
  }
  return node;
}

std::optional<std::size_t> MemoryDirectory::Find(std::string_view path, bool follow_last,
                                                 int depth) const {
  const std::optional<std::vector<std::string>> names = Split(path);
  if (!names) {
    return std::nullopt;
  }
  std::optional<std::size_t> node = 0;
  for (const std::string& name : *names) {
    node = Follow(*node, depth);
    if (!node || !nodes_[*node].is_folder) {
      return std::nullopt;
    }
    const auto found = nodes_[*node].by_upper_name.find(AsciiUpper(name));
    if (found == nodes_[*node].by_upper_name.end()) {
      return std::nullopt;
    }
    node = found->second;
  }
  return follow_last ? Follow(*node, depth) : node;
}

std::optional<std::string> MemoryDirectory::StoredName(const std::string& path) const {
  const std::optional<std::vector<std::string>> names = Split(path);
  const std::optional<std::size_t> node =
      names && names->size() > 1 && !IsSlash(path.back()) ? Find(path, false, 0) : std::nullopt;
  return node ? std::optional(nodes_[*node].name) : std::nullopt;
}

std::unique_ptr<DirectorySearch> MemoryDirectory::Open(std::string_view folder,
                                                       std::string_view pattern) {
  const std::optional<std::size_t> node = Find(folder, true, 0);
  if (!node || !nodes_[*node].is_folder || nodes_[*node].unreadable) {
    return nullptr;
  }
  std::vector<MemorySearch::Item> items;
  for (const char* dots : {".", ".."}) {
    if (Split(folder)->size() > 1 && PatternMatches(dots, pattern)) {  // not in a root
      items.push_back({dots, true, false, 0});
    }
  }
  for (const std::size_t child : nodes_[*node].children) {
    if (PatternMatches(nodes_[child].name, pattern)) {
      const std::optional<std::size_t> target = Follow(child, 0);
      items.push_back({nodes_[child].name, target && nodes_[*target].is_folder,
                       !nodes_[child].link_target.empty(), target ? nodes_[*target].byte_size : 0});
    }
  }
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
