#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/path_kind.h"
#include "platform/path_style.h"

namespace pictavue {

// The rules of the folder and file choosers that the program's windows open, pure so that the
// odd paths are tested one by one. kind_of answers PathKind.
using PathKindQuery = std::function<FileKind(std::string_view path)>;

// The folder a folder chooser opens at: the text with blanks trimmed when it names an existing
// folder, else the empty text (no preselection).
std::string FolderBrowseStart(std::string_view text, const PathKindQuery& kind_of);

// The folder a file chooser opens at: the trimmed text less its last name (the text after its
// last separator), leaving the folder part with its separator, when that names an existing
// folder; else the empty text. A text without a separator keeps its whole self, which opens
// only when it names a folder.
std::string FileBrowseStart(std::string_view text, PathStyle style, const PathKindQuery& kind_of);

// One entry of a file chooser's filter list: what the user reads and the pattern the system
// matches.
struct FileFilter {
  std::string description;
  std::string pattern;
};

// The browser chooser's list: programs first, then every file. The descriptions are Japanese;
// their translations are filed under kFilterContext.
const std::vector<FileFilter>& BrowserFilters();

inline constexpr char kFilterContext[] = "frmSub1";

// The programs entry. On POSIX it stands for every file that may be run, whatever its name.
inline constexpr char kProgramPattern[] = "*.exe";

// The Qt name filter of an entry: "description (patterns)", where the patterns are what the
// system's file names need. Windows matches the entry's own pattern. POSIX has no extension for
// programs and names need no dot, so both entries match "*" there (the programs entry is
// narrowed to executables by the chooser); the description is kept as the user reads it.
std::string QtNameFilter(const FileFilter& filter, PathStyle style);

}  // namespace pictavue
