#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace pictavue {

// Small whole-file operations. Paths are the program's UTF-8 text; every failure carries the
// system's description of what went wrong.

struct ReadResult {
  Status status = Status::Ok();
  std::string bytes;       // at most max_bytes of the file's first bytes
  bool truncated = false;  // the file holds more than max_bytes
};

// Reads the first max_bytes bytes of a regular file. Anything else (a folder, a device, a pipe)
// is a failure rather than a read that could block or never end.
ReadResult ReadFileBounded(const std::string& path, std::size_t max_bytes);

// Replaces path with bytes so that no one ever sees a part-written file: the bytes go to a new
// file in the same folder, which is flushed to disk and then renamed over path. On any failure
// path keeps its old content and the new file is removed. An existing file keeps its permission
// bits, a link to the file stays a link (its target is replaced), and a file that cannot be
// written to is not replaced.
Status WriteFileAtomically(const std::string& path, std::string_view bytes);

// path as the C library's file functions (fopen) take it: the bytes themselves on POSIX, the
// system code page on Windows. The empty text when the code page cannot hold the path, which
// then opens nothing.
std::string NativeFileName(const std::string& path);

// Creates path, or empties it, and writes bytes in one go. A short write or a failing close is a
// failure like any other.
Status WriteFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace pictavue
