#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "platform/path_kind.h"
#include "platform/path_style.h"
#include "platform/paths.h"
#include "platform/program_folder.h"

namespace pictavue {
namespace {

// Relative to the program's folder, as the install rules lay the files out
// (cmake/PictavueLayout.cmake passes them in).
constexpr ProgramLayout kInstalledLayout{PICTAVUE_INSTALLED_LIBRARY_FOLDER,
                                         PICTAVUE_INSTALLED_DATA_FOLDER,
                                         PICTAVUE_INSTALLED_DOCS_FOLDER};

std::string ReadProcSelfExe() {
  std::vector<char> buffer(4096);
  for (int attempt = 0; attempt < 4; ++attempt) {
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) {
      return {};
    }
    if (static_cast<std::size_t>(length) < buffer.size()) {
      return std::string(buffer.data(), static_cast<std::size_t>(length));
    }
    buffer.resize(buffer.size() * 4);
  }
  return {};
}

bool IsExecutableFile(const std::string& path) {
  return PathKind(path) == FileKind::kFile &&
         faccessat(AT_FDCWD, path.c_str(), X_OK, AT_EACCESS) == 0;
}

}  // namespace

std::string ResolveProgramFile(std::string_view argv0, std::string_view current_folder,
                               std::string_view path_variable) {
  if (argv0.empty()) {
    return {};
  }
  if (argv0.find('/') != std::string_view::npos) {
    const std::string resolved = ResolvePosixPathLexically(argv0, current_folder);
    return PathKind(resolved) == FileKind::kFile ? resolved : std::string();
  }
  std::size_t start = 0;
  while (start <= path_variable.size()) {
    std::size_t end = path_variable.find(':', start);
    if (end == std::string_view::npos) {
      end = path_variable.size();
    }
    // An empty entry of PATH means the current folder.
    const std::string_view entry = path_variable.substr(start, end - start);
    const std::string folder =
        ResolvePosixPathLexically(entry.empty() ? std::string_view(".") : entry, current_folder);
    const std::string candidate = JoinPath(folder, argv0, PathStyle::kPosix);
    if (IsExecutableFile(candidate)) {
      return candidate;
    }
    start = end + 1;
  }
  return {};
}

std::string ProgramFilePath(std::string_view argv0) {
  std::string path = ReadProcSelfExe();
  if (path.empty()) {
    const char* path_variable = std::getenv("PATH");
    path = ResolveProgramFile(argv0, CurrentFolder(), path_variable ? path_variable : "");
  }
  return path;
}

std::string ProgramFolder(std::string_view argv0) {
  const std::string file = ProgramFilePath(argv0);
  if (file.empty()) {
    return {};
  }
  const std::size_t slash = file.rfind('/');
  return slash == 0 ? std::string("/") : file.substr(0, slash);
}

ProgramFiles LocateProgramFiles(std::string_view program_folder) {
  constexpr PathStyle kStyle = PathStyle::kPosix;
  if (!program_folder.empty()) {
    ProgramFiles installed = ProgramFilesIn(program_folder, kInstalledLayout, true, kStyle);
    if (PathKind(installed.library_folder) == FileKind::kFolder) {
      return installed;
    }
  }
  return ProgramFilesIn(program_folder, kPortableLayout, false, kStyle);
}

}  // namespace pictavue
