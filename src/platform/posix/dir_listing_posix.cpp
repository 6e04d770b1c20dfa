#include <algorithm>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include "platform/dir_listing.h"

namespace pictavue {
namespace {

char AsciiUpper(char ch) {
  return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

// The order the system's own file system lists a folder in: "." and ".." first, then names
// compared without regard to case. readdir's order depends on the file system and on the
// history of the folder; a gallery should not.
bool ListsBefore(const std::string& a, const std::string& b) {
  const auto rank = [](const std::string& name) { return name == "." ? 0 : name == ".." ? 1 : 2; };
  if (rank(a) != rank(b)) {
    return rank(a) < rank(b);
  }
  const auto upper_less = [](char x, char y) {
    return static_cast<unsigned char>(AsciiUpper(x)) < static_cast<unsigned char>(AsciiUpper(y));
  };
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), upper_less)) {
    return true;
  }
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), upper_less)) {
    return false;
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
    while (const dirent* entry = readdir(dir)) {
      if (PatternMatches(entry->d_name, pattern)) {
        items.push_back({entry->d_name, entry->d_type});
      }
    }
    std::sort(items.begin(), items.end(),
              [](const auto& a, const auto& b) { return ListsBefore(a.name, b.name); });
    return std::make_unique<PosixDirectorySearch>(dir, std::move(items));
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
