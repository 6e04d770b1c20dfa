#pragma once

#include <string>
#include <string_view>

#include "platform/path_style.h"

namespace pictavue {

// Path and address rules of the pages, pure and for either path style. The results are the raw
// texts; html_text.h escapes them where they are written.

// The text after the last separator of path; empty when path is empty, ends in the separator or
// holds none. Of C:\Photos\Trip it is Trip.
std::string LastFolderName(std::string_view path, PathStyle style);

// The address form of a full path. Windows: every ':' becomes '|' and every '\' '/'
// (C:\Photos\a.jpg gives C|/Photos/a.jpg). POSIX: the path without its leading '/'.
std::string UrlPath(std::string_view path, PathStyle style);

// The absolute address of a file: "file:///" + UrlPath (file:///C|/Photos/a.jpg,
// file:///home/me/a.jpg). Unescaped, like every result here.
std::string FileAddress(std::string_view path, PathStyle style);

// The documentation shipped beside the program: <program folder>/docs/<page>, its home page
// <program folder>/docs/index.html, and that page's address, which the pages link to as the
// program's home page and the About window shows and opens.
std::string DocsPagePath(std::string_view program_folder, std::string_view page, PathStyle style);
std::string HomePagePath(std::string_view program_folder, PathStyle style);
std::string HomePageAddress(std::string_view program_folder, PathStyle style);

// The address of a picture below the search folder, relative to the search folder. The search
// folder with its separator is dropped from the front of the path: with C:\Photos (or C:\Photos\)
// the picture C:\Photos\Trip\a.jpg gives Trip/a.jpg, with C:\ the picture C:\a.jpg gives a.jpg.
std::string RelativePath(std::string_view path, std::string_view search_dir, PathStyle style);

// The address a page uses for a picture: RelativePath when the pages lie in the search folder,
// otherwise "file:///" + UrlPath.
std::string PictureTarget(std::string_view path, std::string_view search_dir,
                          bool pages_in_search_folder, PathStyle style);

// The folder text of a folder heading, for a folder value ending in the separator: the folder
// without that separator (a root keeps it) when path_name is set, else the last folder name of
// that text (empty for a root).
std::string FolderHeadingText(std::string_view folder, bool path_name, PathStyle style);

}  // namespace pictavue
