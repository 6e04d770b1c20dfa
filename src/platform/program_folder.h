#pragma once

#include <string>
#include <string_view>

#include "platform/path_style.h"

namespace pictavue {

// The full path of the running program's file. On Linux it is read from /proc/self/exe; where
// that is unavailable it is worked out from argv0 (see ResolveProgramFile). Empty when neither
// gives it.
std::string ProgramFilePath(std::string_view argv0);

// The folder holding the program's file, without a trailing separator unless it is a root: the
// folder of the plug-ins, the help file and the portable settings file.
std::string ProgramFolder(std::string_view argv0);

// The program's file from the name it was started by, as a shell finds it: a name holding a "/"
// is taken against current_folder; a bare name is looked for in each folder of path_variable
// (the PATH text, folders separated by ":"). Empty when no existing file matches.
std::string ResolveProgramFile(std::string_view argv0, std::string_view current_folder,
                               std::string_view path_variable);

// Where the program's own files lie. A portable copy (the build folder, an unpacked archive)
// keeps them all beside the program; an installed one spreads them over the system's folders
// and keeps its settings in the user's own folder (settings_location.h).
struct ProgramFiles {
  std::string program_folder;
  std::string library_folder;  // the window's library and the plug-ins
  std::string data_folder;     // the help file; translations/ below it
  std::string docs_folder;     // the user's guide, index.html
  bool installed = false;
};

// Folders relative to the program's folder ("" is that folder itself), so that a tree works
// wherever it is moved.
struct ProgramLayout {
  std::string_view library_folder;
  std::string_view data_folder;
  std::string_view docs_folder;
};
inline constexpr ProgramLayout kPortableLayout{"", "", "docs"};

// The folders of layout below program_folder, ".." resolved by text (POSIX style).
ProgramFiles ProgramFilesIn(std::string_view program_folder, const ProgramLayout& layout,
                            bool installed, PathStyle style);

// The files of the program in program_folder. POSIX: installed when the library folder of the
// installed layout (bin/../lib/pictavue as built) is there. Windows keeps one folder either way;
// a copy inside the system's program-files folder counts as installed.
ProgramFiles LocateProgramFiles(std::string_view program_folder);

}  // namespace pictavue
