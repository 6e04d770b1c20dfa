#include "platform/program_folder.h"

#include "platform/paths.h"

namespace pictavue {
namespace {

std::string Below(std::string_view folder, std::string_view relative, PathStyle style) {
  if (relative.empty()) {
    return std::string(folder);
  }
  // The installed layout climbs out of bin/; a path without ".." reads better in the About
  // window and in the pages' links.
  if (style == PathStyle::kPosix && !folder.empty()) {
    return ResolvePosixPathLexically(relative, folder);
  }
  return JoinPath(folder, relative, style);
}

}  // namespace

ProgramFiles ProgramFilesIn(std::string_view program_folder, const ProgramLayout& layout,
                            bool installed, PathStyle style) {
  ProgramFiles files;
  files.program_folder = std::string(program_folder);
  files.library_folder = Below(program_folder, layout.library_folder, style);
  files.data_folder = Below(program_folder, layout.data_folder, style);
  files.docs_folder = Below(program_folder, layout.docs_folder, style);
  files.installed = installed;
  return files;
}

}  // namespace pictavue
