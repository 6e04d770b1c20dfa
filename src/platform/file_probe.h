#pragma once

#include <string_view>

namespace pictavue {

// Questions about a path that answer yes or no: an error while asking counts as "no".

// Whether something other than a folder is at path: a file, readable or not, a link (also one
// that leads nowhere), a device, a pipe. Links to folders are folders.
bool IsNonFolderEntry(std::string_view path);

// Opens path for writing, creating it or emptying an existing file, closes it and removes it.
// True when the opening succeeded; failures of the close and the removal are ignored. Never
// waits: a pipe without a reader cannot be created. A link at path is never followed: a new
// file beside it is probed instead, and the link itself is removed.
bool ProbeFileCreation(std::string_view path);

}  // namespace pictavue
