#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include "platform/ascii_case.h"
#include "platform/dir_listing.h"

namespace pictavue {
namespace {

// Where a name stands in the order the system's own file system lists a folder in: "." and ".."
// first, then names compared without regard to case, ties broken by the bytes. readdir's order
// depends on the file system and on the history of the folder; a gallery should not.
struct ListingKey {
  int rank = 2;            // 0 for ".", 1 for "..", 2 for every other name
  std::uint64_t head = 0;  // upper's first eight bytes, the first the highest; zeros past its end
  std::string upper;       // the name with its ASCII letters in upper case

  explicit ListingKey(const std::string& name)
      : rank(name == "."    ? 0
             : name == ".." ? 1
                            : 2),
        upper(AsciiUpper(name)) {
    for (std::size_t i = 0; i < 8; ++i) {
      head = (head << 8) | (i < upper.size() ? static_cast<unsigned char>(upper[i]) : 0U);
    }
  }
};

// Keys are made once per name rather than at every comparison: a folder's sort compares each
// name several times, and most comparisons are decided by the first eight bytes (a name holds no
// zero byte, so the padding sorts a shorter name first, as the bytes do).
bool ListsBefore(const ListingKey& a_key, const std::string& a, const ListingKey& b_key,
                 const std::string& b) {
  if (a_key.rank != b_key.rank) {
    return a_key.rank < b_key.rank;
  }
  if (a_key.head != b_key.head) {
    return a_key.head < b_key.head;
  }
  // std::string compares its bytes as unsigned values, as the system does.
  if (const int by_upper = a_key.upper.compare(b_key.upper); by_upper != 0) {
    return by_upper < 0;
  }
  return a < b;
}

class PosixDirectorySearch final : public DirectorySearch {
 public:
  struct Item {
    std::string name;
    unsigned char type;  // d_type: DT_UNKNOWN on file systems that do not fill it
  };

  PosixDirectorySearch(DIR* dir, std::vector<Item> items) : dir_(dir), items_(std::move(items)) {}
  ~PosixDirectorySearch() override { closedir(dir_); }
  PosixDirectorySearch(const PosixDirectorySearch&) = delete;
  PosixDirectorySearch& operator=(const PosixDirectorySearch&) = delete;

  bool Next() override {
    if (next_ >= items_.size()) {
      return false;
    }
    current_ = next_++;
    followed_ = Look::kNotYet;
    return true;
  }

  const std::string& Name() const override { return items_[current_].name; }

  bool IsFolder() override {
    switch (items_[current_].type) {
      case DT_DIR:
        return true;
      case DT_LNK:
      case DT_UNKNOWN:
        return Followed() && S_ISDIR(followed_info_.st_mode);
      default:
        return false;
    }
  }

  bool IsLink() override {
    const unsigned char type = items_[current_].type;
    if (type != DT_UNKNOWN) {
      return type == DT_LNK;
    }
    struct stat own {};
    return fstatat(dirfd(dir_), Name().c_str(), &own, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISLNK(own.st_mode);
  }

  std::int64_t ByteSize() override {
    return Followed() ? static_cast<std::int64_t>(followed_info_.st_size) : 0;
  }

 private:
  enum class Look { kNotYet, kDone, kFailed };

  // One stat per entry at most, and only for entries the caller asks about.
  bool Followed() {
    if (followed_ == Look::kNotYet) {
      followed_ = fstatat(dirfd(dir_), Name().c_str(), &followed_info_, 0) == 0 ? Look::kDone
                                                                                : Look::kFailed;
    }
    return followed_ == Look::kDone;
  }

  DIR* dir_;
  std::vector<Item> items_;
  std::size_t next_ = 0;
  std::size_t current_ = 0;
  Look followed_ = Look::kNotYet;
  struct stat followed_info_ {};
};

class PosixDirectoryLister final : public DirectoryLister {
 public:
  std::unique_ptr<DirectorySearch> Open(std::string_view folder,
                                        std::string_view pattern) override {
    const std::string path(folder);
    if (path.empty() || path.find('\0') != std::string::npos) {
      return nullptr;
    }
    DIR* dir = opendir(path.c_str());
    if (dir == nullptr) {
      return nullptr;
    }
    std::vector<PosixDirectorySearch::Item> items;
    std::vector<ListingKey> keys;
    while (const dirent* entry = readdir(dir)) {
      if (PatternMatches(entry->d_name, pattern)) {
        items.push_back({entry->d_name, entry->d_type});
        keys.emplace_back(items.back().name);
      }
    }
    std::vector<std::size_t> order(items.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
      order[i] = i;
    }
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      return ListsBefore(keys[a], items[a].name, keys[b], items[b].name);
    });
    std::vector<PosixDirectorySearch::Item> sorted;
    sorted.reserve(items.size());
    for (const std::size_t i : order) {
      sorted.push_back(std::move(items[i]));
    }
    return std::make_unique<PosixDirectorySearch>(dir, std::move(sorted));
  }

  std::optional<FileIdentity> FolderIdentity(std::string_view folder) override {
    const std::string path(folder);
    struct stat info {};
    if (path.empty() || path.find('\0') != std::string::npos || stat(path.c_str(), &info) != 0 ||
        !S_ISDIR(info.st_mode)) {
      return std::nullopt;
    }
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino)};
  }
};

}  // namespace

std::unique_ptr<DirectoryLister> MakeSystemDirectoryLister() {
  return std::make_unique<PosixDirectoryLister>();
}

}  // namespace pictavue
