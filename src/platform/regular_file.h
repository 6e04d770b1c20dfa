#pragma once

#include <string>

// The one question FileSource must ask the system before it opens a file: one file per system
// (posix/, win32/), as the C library's names are the system's own.
namespace pictavue::picture_file_detail {

// Whether path, spelled as fopen takes it, names a regular file. A pipe or a device named like
// a picture would block the open or never end; a folder cannot be read as one.
bool IsRegularFile(const std::string& path);

}  // namespace pictavue::picture_file_detail
