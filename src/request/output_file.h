#pragma once

#include <string_view>

#include "platform/path_style.h"

namespace pictavue {

// Probes of the first output page before a run. Errors while probing are answers, not failures.

// Whether something that is not a folder is at path, readable or not: anything the run would
// overwrite. A trailing separator is dropped first; the empty path gives false.
bool OutputFileExists(std::string_view path, PathStyle style);

// Creates (or empties) the file at path, closes it and removes it; true when it could not be
// created. Whatever was at path is gone afterwards, so call it only once the user has agreed
// to lose it.
bool CannotCreateFile(std::string_view path);

}  // namespace pictavue
