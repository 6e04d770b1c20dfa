#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/path_kind.h"
#include "platform/paths.h"

namespace pictavue {

FileKind PathKind(std::string_view path) {
  const std::string text(path);
  struct stat info {};
  if (text.empty() || text.find('\0') != std::string::npos || stat(text.c_str(), &info) != 0) {
    return FileKind::kMissing;
  }
  return S_ISDIR(info.st_mode) ? FileKind::kFolder : FileKind::kFile;
}

std::string NormalizeFolderPath(std::string_view path) {
  if (path.empty()) {
    return {};
  }
  std::string current;
  if (path.front() != '/') {
    current = CurrentFolder();
    if (current.empty()) {
      return {};
    }
  }
  const std::string resolved = ResolvePosixPathLexically(path, current);
  // Every prefix of an existing path exists, so one look at the whole path checks them all.
  return PathKind(resolved) == FileKind::kMissing ? std::string() : resolved;
}

std::string CurrentFolder() {
  std::vector<char> buffer(4096);
  for (int attempt = 0; attempt < 4; ++attempt) {
    if (getcwd(buffer.data(), buffer.size()) != nullptr) {
      return std::string(buffer.data());
    }
    if (errno != ERANGE) {
      return {};
    }
    buffer.resize(buffer.size() * 4);
  }
  return {};
}

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
    return home;
  }
  std::vector<char> buffer(16384);
  struct passwd entry {};
  struct passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
      found->pw_dir != nullptr) {
    return found->pw_dir;
  }
  return {};
}

std::string DefaultSearchFolder() {
  return HomeFolder();
}

}  // namespace pictavue
