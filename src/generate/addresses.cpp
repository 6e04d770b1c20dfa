#include "generate/addresses.h"

#include <cstddef>

#include "platform/paths.h"

namespace pictavue {
namespace {

// A folder value without its one trailing separator; a root keeps it (C:\, \\server\share\, /).
std::string_view WithoutFinalSeparator(std::string_view folder, PathStyle style) {
  if (EndsWithSeparator(folder, style) && !IsRootPath(folder, style)) {
    folder.remove_suffix(1);
  }
  return folder;
}

}  // namespace

std::string LastFolderName(std::string_view path, PathStyle style) {
  const std::size_t last = path.rfind(Separator(style));
  if (last == std::string_view::npos) {
    return {};
  }
  return std::string(path.substr(last + 1));
}

std::string UrlPath(std::string_view path, PathStyle style) {
  if (style == PathStyle::kPosix) {
    if (!path.empty() && path.front() == '/') {
      path.remove_prefix(1);
    }
    return std::string(path);
  }
  std::string result(path);
  for (char& c : result) {
    if (c == ':') {
      c = '|';
    } else if (c == '\\') {
      c = '/';
    }
  }
  return result;
}

std::string FileAddress(std::string_view path, PathStyle style) {
  return "file:///" + UrlPath(path, style);
}

std::string DocsPagePath(std::string_view program_folder, std::string_view page, PathStyle style) {
  return JoinPath(JoinPath(program_folder, "docs", style), page, style);
}

std::string HomePagePath(std::string_view program_folder, PathStyle style) {
  return DocsPagePath(program_folder, "index.html", style);
}

std::string HomePageAddress(std::string_view program_folder, PathStyle style) {
  return FileAddress(HomePagePath(program_folder, style), style);
}

std::string RelativePath(std::string_view path, std::string_view search_dir, PathStyle style) {
  // Counted, not compared: every picture's folder was built from the search folder text itself.
  // In POSIX style the count is taken on the path, which still has its leading '/'.
  std::size_t drop = search_dir.size();
  if (!EndsWithSeparator(search_dir, style)) {
    ++drop;
  }
  const std::string_view below = drop < path.size() ? path.substr(drop) : std::string_view();
  return style == PathStyle::kWindows ? UrlPath(below, style) : std::string(below);
}

std::string PictureTarget(std::string_view path, std::string_view search_dir,
                          bool pages_in_search_folder, PathStyle style) {
  if (pages_in_search_folder) {
    return RelativePath(path, search_dir, style);
  }
  return FileAddress(path, style);
}

std::string FolderHeadingText(std::string_view folder, bool path_name, PathStyle style) {
  const std::string_view text = WithoutFinalSeparator(folder, style);
  if (path_name) {
    return std::string(text);
  }
  return LastFolderName(text, style);
}

}  // namespace pictavue
