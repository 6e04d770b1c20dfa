#include "request/output_file.h"

#include "platform/file_probe.h"
#include "platform/paths.h"

namespace pictavue {

bool OutputFileExists(std::string_view path, PathStyle style) {
  if (EndsWithSeparator(path, style)) {
    path.remove_suffix(1);
  }
  return !path.empty() && IsNonFolderEntry(path);
}

bool CannotCreateFile(std::string_view path) {
  return !ProbeFileCreation(path);
}

}  // namespace pictavue
