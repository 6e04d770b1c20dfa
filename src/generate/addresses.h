#pragma once

#include <string>
#include <string_view>

#include "platform/path_style.h"

namespace pictavue {

// Path and address rules of the pages, pure and for either path style. The paths and targets are
// raw texts; AddressText and the writers below turn them into what a page holds.

// The text after the last separator of path; empty when path is empty, ends in the separator or
// holds none. Of C:\Photos\Trip it is Trip.
std::string LastFolderName(std::string_view path, PathStyle style);

// The address form of a full path. Windows: every ':' becomes '|' and every '\' '/'
// (C:\Photos\a.jpg gives C|/Photos/a.jpg). POSIX: the path without its leading '/'.
std::string UrlPath(std::string_view path, PathStyle style);

// The absolute address of a file: "file:///" + UrlPath (file:///C|/Photos/a.jpg,
// file:///home/me/a.jpg), raw.
std::string FileAddress(std::string_view path, PathStyle style);

// The documentation shipped with the program (ProgramFiles::docs_folder): <docs folder>/<page>,
// its home page <docs folder>/index.html, and that page's address, which the pages link to as
// the program's home page and the About window shows and opens.
std::string DocsPagePath(std::string_view docs_folder, std::string_view page, PathStyle style);
std::string HomePagePath(std::string_view docs_folder, PathStyle style);
std::string HomePageAddress(std::string_view docs_folder, PathStyle style);

// The address of a picture below the search folder, relative to the search folder. The search
// folder with its separator is dropped from the front of the path: with C:\Photos (or C:\Photos\)
// the picture C:\Photos\Trip\a.jpg gives Trip/a.jpg, with C:\ the picture C:\a.jpg gives a.jpg.
std::string RelativePath(std::string_view path, std::string_view search_dir, PathStyle style);

// The address a page uses for a picture: RelativePath when the pages lie in the search folder,
// otherwise "file:///" + UrlPath.
std::string PictureTarget(std::string_view path, std::string_view search_dir,
                          bool pages_in_search_folder, PathStyle style);

// How a browser reads an address: against the page's own place (a picture below the search folder,
// another page of the gallery), or whole ("file:///" + UrlPath).
enum class AddressKind { kRelative, kAbsolute };

inline AddressKind PictureAddressKind(bool pages_in_search_folder) {
  return pages_in_search_folder ? AddressKind::kRelative : AddressKind::kAbsolute;
}

// The address as URL text that a browser resolves to exactly the file it names, whatever the
// names on its way hold. Read segment by segment (segments end at '/'; a kAbsolute address keeps
// its "file:///" as it is and the rule applies to what follows):
// - '%' and '#' are percent-encoded, and so are C0 control characters, DEL and every byte that is
//   not part of valid UTF-8; in POSIX style also '?' and '\' (a Windows name holds neither).
// - A blank at either end of a segment is written %20: a URL parser drops blanks at the ends of
//   an address, a file system may drop them at the end of a name. Inner blanks stay.
// - In the first segment of a kRelative address, a ':' that would end a scheme (the segment
//   begins with a letter followed by letters, digits, '+', '-' or '.' up to that ':') is written
//   %3A, so that "javascript:", "data:" or "http:" never read as schemes.
// - A first segment that is a letter and '|' is written with %7C, so that it never reads as a
//   drive. Not in a Windows-style kAbsolute address, whose first segment is the drive (C|).
// Every other byte stays: an ordinary name keeps its bytes.
std::string AddressText(std::string_view address, AddressKind kind, PathStyle style);

// AddressText written into a double-quoted attribute value (src, href): '"', '<' and '>' become
// character references, and so does an '&' that a browser would read as the start of one.
void AppendAddress(std::string& out, std::string_view address, AddressKind kind, PathStyle style);

// AddressText written into the single-quoted script string of a "JavaScript:" link in an
// attribute. The browser percent-decodes such a link before it runs it, so every '%' is encoded
// once more; '\' and '\'' get a backslash so the script string stays whole.
void AppendScriptAddress(std::string& out, std::string_view address, AddressKind kind,
                         PathStyle style);

// AddressText of a page after "url=" in a refresh element's content: a quote at its start would
// be read as enclosing the address, so '\'' and '"' are percent-encoded as well.
void AppendRefreshAddress(std::string& out, std::string_view address, PathStyle style);

// The folder text of a folder heading, for a folder value ending in the separator: the folder
// without that separator (a root keeps it) when path_name is set, else the last folder name of
// that text (empty for a root).
std::string FolderHeadingText(std::string_view folder, bool path_name, PathStyle style);

}  // namespace pictavue
