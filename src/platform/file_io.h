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

// What replacing a file does with a link at its name.
enum class LinkAtPath {
  kFollow,   // the link stays and the file it leads to is replaced (a settings file kept elsewhere)
  kReplace,  // the link itself gives way to the new file; what it leads to is never touched
};

// Whether the new file is flushed to the disk before it is renamed into place: needed for a
// crash of the whole system to leave the old file or the new one, and worth its few milliseconds
// for the one settings file; a gallery's pages are many, and a run can simply write them again.
enum class Flush { kToDisk, kLeftToTheSystem };

// Replaces path with bytes so that no one ever sees a part-written file: the bytes go to a new
// temporary file in the same folder (TemporaryFileName), which is renamed over path. On any failure
// path keeps its old content and the temporary file is removed. A regular file that is replaced
// keeps its owner, group and permission bits (a replacement that cannot keep its owner fails
// instead), and a file that cannot be written to is not replaced.
Status WriteFileAtomically(const std::string& path, std::string_view bytes, LinkAtPath link,
                           Flush flush);

// The name of a temporary file for a file named target_name: "." + the name (its first 64
// bytes, cut at a character boundary) + "." + eight random letters or digits + ".pictavue-tmp".
std::string TemporaryFileName(std::string_view target_name);

// A path for a temporary file beside path: its folder, then TemporaryFileName of its name.
std::string TemporaryPathBeside(const std::string& path);

// Whether name has the form TemporaryFileName gives.
bool IsTemporaryFileName(std::string_view name);

// Removes from folder the temporary files that a write interrupted by a crash or a kill left
// behind: only entries whose name IsTemporaryFileName, that are regular files of this user's and
// that no write in progress holds. Whatever cannot be examined or removed stays.
void RemoveStaleTemporaryFiles(const std::string& folder);

// path as the C library's file functions (fopen) take it: the bytes themselves on POSIX, the
// system code page on Windows. The empty text when the code page cannot hold the path, which
// then opens nothing.
std::string NativeFileName(const std::string& path);

}  // namespace pictavue
