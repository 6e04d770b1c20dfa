#pragma once

#include <string>
#include <string_view>

namespace pictavue {

// What a path names, as the program has always asked it. Symbolic links are followed.
enum class FileKind {
  kMissing = 0,  // does not exist, or cannot be examined
  kFolder = 1,
  kFile = 2,  // anything that is not a folder
};

FileKind PathKind(std::string_view path);

// The canonical spelling of an existing folder path, or the empty text when it names nothing.
// Windows: see NormalizeWindowsFolderPath. POSIX: absolute against the current folder, "." and
// ".." resolved by text, every component checked to exist, links kept, no trailing "/" but for
// "/". Blanks at the ends are kept on POSIX: they are part of the name there.
std::string NormalizeFolderPath(std::string_view path);

// The process's current folder; the empty text when it cannot be determined.
std::string CurrentFolder();

// The user's home folder ($HOME, else the password database); the empty text when unknown.
std::string HomeFolder();

// What the search-folder box shows when the history holds no folder: the root of the Windows
// folder's drive on Windows, the user's home elsewhere.
std::string DefaultSearchFolder();

}  // namespace pictavue
