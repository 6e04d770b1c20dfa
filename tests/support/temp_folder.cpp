#include "support/temp_folder.h"

#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

namespace pictavue::testing {

namespace fs = std::filesystem;

namespace {

// The program's texts are UTF-8; std::filesystem's narrow texts are the system code page on
// Windows. Paths cross between the two as UTF-8, with the system's own separator.
fs::path FromUtf8(std::string_view text) {
  fs::path path(std::u8string(reinterpret_cast<const char8_t*>(text.data()), text.size()));
  path.make_preferred();
  return path;
}

std::string ToUtf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

}  // namespace

TempFolder::TempFolder() {
  static std::mt19937_64 generator{std::random_device{}()};
  std::error_code error;
  do {
    path_ =
        fs::temp_directory_path() / ("pictavue-test-" + std::to_string(generator() % 1000000000));
  } while (!fs::create_directory(path_, error));
}

TempFolder::~TempFolder() {
  std::error_code error;
  // Tests make folders read-only on purpose; give the owner write access back before removing.
  for (auto it = fs::recursive_directory_iterator(path_, error);
       !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
    std::error_code ignored;
    if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
  }
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
  fs::remove_all(path_, error);
}

std::string TempFolder::Path(std::string_view relative) const {
  if (relative.empty()) {
    return ToUtf8(path_);
  }
  return ToUtf8(path_ / FromUtf8(relative));
}

std::string TempFolder::WriteFile(std::string_view relative, std::string_view bytes) const {
  const fs::path full = path_ / FromUtf8(relative);
  fs::create_directories(full.parent_path());
  std::ofstream out(full, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return ToUtf8(full);
}

std::string TempFolder::MakeFolder(std::string_view relative) const {
  const fs::path full = path_ / FromUtf8(relative);
  fs::create_directories(full);
  return ToUtf8(full);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(FromUtf8(path), std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace pictavue::testing
