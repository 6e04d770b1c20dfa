#include <string>
#include <vector>

#include <shlobj.h>
#include <windows.h>

#include "platform/path_kind.h"
#include "platform/path_style.h"
#include "platform/paths.h"
#include "platform/program_folder.h"
#include "platform/win32/system_text.h"

namespace pictavue {
namespace {

constexpr PathStyle kStyle = PathStyle::kWindows;

std::string ModuleFileName() {
  std::vector<char> buffer(MAX_PATH + 1);
  for (int attempt = 0; attempt < 4; ++attempt) {
    const DWORD length =
        GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) {
      return {};
    }
    // A name that fills the buffer may have been cut.
    if (length < buffer.size()) {
      return win32::ProgramText(std::string_view(buffer.data(), length));
    }
    buffer.resize(buffer.size() * 4);
  }
  return {};
}

bool IsFile(const std::string& path) {
  return PathKind(path) == FileKind::kFile;
}

// name as given, or with ".exe" when it has no extension of its own, as the command processor
// completes it.
std::string ExistingProgram(const std::string& candidate) {
  if (IsFile(candidate)) {
    return candidate;
  }
  const std::string name = LastComponent(candidate, kStyle);
  if (name.find('.') == std::string::npos && IsFile(candidate + ".exe")) {
    return candidate + ".exe";
  }
  return {};
}

}  // namespace

std::string ResolveProgramFile(std::string_view argv0, std::string_view current_folder,
                               std::string_view path_variable) {
  if (argv0.empty()) {
    return {};
  }
  const std::string name(argv0);
  if (name.find_first_of("\\/:") != std::string::npos) {
    return ExistingProgram(IsAbsolutePath(name, kStyle) ? name
                                                        : JoinPath(current_folder, name, kStyle));
  }
  // The current folder comes first on Windows, then each folder of PATH (";" between them).
  if (std::string found = ExistingProgram(JoinPath(current_folder, name, kStyle)); !found.empty()) {
    return found;
  }
  std::size_t start = 0;
  while (start <= path_variable.size()) {
    std::size_t end = path_variable.find(';', start);
    if (end == std::string_view::npos) {
      end = path_variable.size();
    }
    const std::string_view folder = path_variable.substr(start, end - start);
    if (!folder.empty()) {
      if (std::string found = ExistingProgram(JoinPath(folder, name, kStyle)); !found.empty()) {
        return found;
      }
    }
    start = end + 1;
  }
  return {};
}

std::string ProgramFilePath(std::string_view /*argv0*/) {
  // The system knows which file it started; the name the program was started by is not needed.
  return ModuleFileName();
}

std::string ProgramFolder(std::string_view argv0) {
  const std::string file = ProgramFilePath(argv0);
  if (file.empty()) {
    return {};
  }
  const std::string name = LastComponent(file, kStyle);
  return WithoutTrailingSeparator(file.substr(0, file.size() - name.size()), kStyle);
}

ProgramFiles LocateProgramFiles(std::string_view program_folder) {
  // An installer puts the program into the program-files folder, which is no place for one
  // user's settings; an unpacked archive anywhere else is a portable copy.
  bool installed = false;
  for (const int csidl : {CSIDL_PROGRAM_FILES, CSIDL_PROGRAM_FILESX86}) {
    installed = installed || IsSameOrBelowFolder(program_folder, win32::ShellFolder(csidl), kStyle);
  }
  return ProgramFilesIn(program_folder, kPortableLayout, installed, kStyle);
}

}  // namespace pictavue
