#pragma once

#include <string>
#include <string_view>

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

}  // namespace pictavue
