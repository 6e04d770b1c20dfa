// The floor of the benchmark: the least work that any program giving the same gallery must do.
// It lists the tree, reads the header bytes each picture needs and takes its size from them (and
// its byte size from the open file), and writes pages of a given total size. Nothing is sorted,
// converted or checked twice.
//
//   pictavue_bench_floor ROOT OUTDIR PAGE_BYTES PAGES
//
// Prints the number of pictures found.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Picture {
  std::string folder;
  std::string name;
  int width = 50;
  int height = 50;
  long long bytes = 0;
};

bool EndsWithNoCase(std::string_view name, std::string_view tail) {
  if (name.size() < tail.size()) {
    return false;
  }
  for (std::size_t i = 0; i < tail.size(); ++i) {
    char c = name[name.size() - tail.size() + i];
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
    if (c != tail[i]) {
      return false;
    }
  }
  return true;
}

bool IsPicture(std::string_view name) {
  for (const std::string_view tail : {".jpg", ".jpeg", ".png", ".gif", ".bmp", ".wmf", ".emf"}) {
    if (EndsWithNoCase(name, tail)) {
      return true;
    }
  }
  return false;
}

unsigned LE16(const unsigned char* p) {
  return p[0] | (p[1] << 8);
}
unsigned BE16(const unsigned char* p) {
  return (p[0] << 8) | p[1];
}
std::int32_t LE32(const unsigned char* p) {
  return static_cast<std::int32_t>(p[0] | (p[1] << 8) | (p[2] << 16) |
                                   (static_cast<std::uint32_t>(p[3]) << 24));
}
std::uint32_t BE32(const unsigned char* p) {
  return (static_cast<std::uint32_t>(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
}

// The frame header's size, reading further segments from the file when the first block ends
// before it.
void JpegSize(int fd, const unsigned char* head, std::size_t length, Picture& picture) {
  std::array<unsigned char, 8> more{};
  std::uint64_t pos = 2;
  for (int segment = 0; segment < 64; ++segment) {
    const unsigned char* p = nullptr;
    if (pos + 9 <= length) {
      p = head + pos;
    } else if (pread(fd, more.data(), more.size(), static_cast<off_t>(pos)) ==
               static_cast<ssize_t>(more.size())) {
      p = more.data();
    } else {
      return;
    }
    if (p[0] != 0xFF) {
      return;
    }
    const unsigned marker = p[1];
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      unsigned char frame[5];
      if (pos + 9 <= length) {
        std::memcpy(frame, head + pos + 4, 5);
      } else if (pread(fd, frame, 5, static_cast<off_t>(pos + 4)) != 5) {
        return;
      }
      picture.height = static_cast<int>(BE16(frame + 1));
      picture.width = static_cast<int>(BE16(frame + 3));
      return;
    }
    pos += 2 + BE16(p + 2);
  }
}

void ReadSize(const std::string& path, Picture& picture) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    return;
  }
  // The pages give each file's size too: the cheapest place to learn it is the open file.
  struct stat info {};
  if (fstat(fd, &info) == 0) {
    picture.bytes = info.st_size;
  }
  std::array<unsigned char, 512> head{};
  const ssize_t got = read(fd, head.data(), head.size());
  const auto length = static_cast<std::size_t>(got < 0 ? 0 : got);
  const unsigned char* h = head.data();
  if (length >= 10 && std::memcmp(h, "GIF8", 4) == 0) {
    picture.width = static_cast<int>(LE16(h + 6));
    picture.height = static_cast<int>(LE16(h + 8));
  } else if (length >= 26 && h[0] == 'B' && h[1] == 'M') {
    picture.width = LE32(h + 18);
    picture.height = std::abs(LE32(h + 22));
  } else if (length >= 24 && h[0] == 0x89 && h[1] == 'P') {
    picture.width = static_cast<int>(BE32(h + 16));
    picture.height = static_cast<int>(BE32(h + 20));
  } else if (length >= 22 && LE32(h) == static_cast<std::int32_t>(0x9AC6CDD7)) {
    const int inch = static_cast<int>(LE16(h + 14));
    if (inch > 0) {
      picture.width =
          (static_cast<std::int16_t>(LE16(h + 10)) - static_cast<std::int16_t>(LE16(h + 6))) * 96 /
          inch;
      picture.height =
          (static_cast<std::int16_t>(LE16(h + 12)) - static_cast<std::int16_t>(LE16(h + 8))) * 96 /
          inch;
    }
  } else if (length >= 44 && LE32(h) == 1) {
    picture.width = (LE32(h + 32) - LE32(h + 24)) * 96 / 2540;
    picture.height = (LE32(h + 36) - LE32(h + 28)) * 96 / 2540;
  } else if (length >= 4 && h[0] == 0xFF && h[1] == 0xD8) {
    JpegSize(fd, h, length, picture);
  }
  close(fd);
}

void Walk(const std::string& folder, std::vector<Picture>& pictures) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) {
    return;
  }
  std::vector<std::string> subfolders;
  while (const dirent* entry = readdir(dir)) {
    if (entry->d_name[0] == '.') {
      continue;
    }
    unsigned char type = entry->d_type;
    if (type == DT_UNKNOWN) {
      struct stat info {};
      if (fstatat(dirfd(dir), entry->d_name, &info, 0) == 0) {
        type = S_ISDIR(info.st_mode) ? DT_DIR : DT_REG;
      }
    }
    if (type == DT_DIR) {
      subfolders.push_back(folder + entry->d_name + "/");
    } else if (IsPicture(entry->d_name)) {
      pictures.push_back({folder, entry->d_name});
    }
  }
  closedir(dir);
  for (const std::string& sub : subfolders) {
    Walk(sub, pictures);
  }
}

// Page text made of one line per picture, cut or padded to the size asked for.
std::string PageText(const std::vector<Picture>& pictures, std::size_t first, std::size_t count,
                     std::size_t bytes) {
  std::string text;
  text.reserve(bytes + 256);
  for (std::size_t i = first; i < first + count && i < pictures.size() && text.size() < bytes;
       ++i) {
    const Picture& p = pictures[i];
    text += "<a href=\"file:///";
    text += p.folder;
    text += p.name;
    text += "\"><img width=";
    text += std::to_string(p.width);
    text += " height=";
    text += std::to_string(p.height);
    text += " alt=\"";
    text += std::to_string(p.bytes);
    text += "\"></a>\r\n";
  }
  text.resize(bytes, ' ');
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: pictavue_bench_floor ROOT OUTDIR PAGE_BYTES PAGES\n");
    return 2;
  }
  std::string root = argv[1];
  if (root.back() != '/') {
    root += '/';
  }
  const std::string out = argv[2];
  const auto page_bytes = static_cast<std::size_t>(std::strtoull(argv[3], nullptr, 10));
  const auto pages = static_cast<std::size_t>(std::max(1LL, std::atoll(argv[4])));

  std::vector<Picture> pictures;
  Walk(root, pictures);
  for (Picture& picture : pictures) {
    ReadSize(picture.folder + picture.name, picture);
  }

  const std::size_t per_page = (pictures.size() + pages - 1) / pages;
  for (std::size_t page = 0; page < pages; ++page) {
    const std::size_t bytes = page_bytes / pages + (page < page_bytes % pages ? 1 : 0);
    const std::string text = PageText(pictures, page * per_page, per_page, bytes);
    const std::string path = out + "/floor" + std::to_string(page + 1) + ".htm";
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
      std::perror(path.c_str());
      return 1;
    }
    close(fd);
  }
  std::printf("%zu\n", pictures.size());
  return 0;
}
