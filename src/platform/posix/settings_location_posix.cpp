#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/path_kind.h"
#include "platform/paths.h"
#include "platform/settings_location.h"

namespace pictavue {
namespace {

// mkdir -p; the folders made here hold the user's own settings, so only the user may enter them.
void MakeFolders(const std::string& folder) {
  if (folder.empty() || PathKind(folder) == FileKind::kFolder) {
    return;
  }
  const std::size_t slash = folder.rfind('/');
  if (slash != std::string::npos && slash > 0) {
    MakeFolders(folder.substr(0, slash));
  }
  mkdir(folder.c_str(), 0700);
}

}  // namespace

SettingsLocation LocateSettings(const ProgramFiles& files, bool make_settings_folder) {
  SettingsLocationInputs inputs;
  inputs.style = PathStyle::kPosix;
  inputs.program_folder = files.program_folder;
  inputs.installed = files.installed;
  // The effective user is the one that will write.
  inputs.program_folder_writable =
      !inputs.program_folder.empty() &&
      faccessat(AT_FDCWD, inputs.program_folder.c_str(), W_OK, AT_EACCESS) == 0;
  inputs.settings_file_in_program_folder =
      PathKind(SettingsFilePath(files.program_folder, PathStyle::kPosix)) == FileKind::kFile;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr) {
    inputs.user_config_home = xdg;
  }
  inputs.home = HomeFolder();

  SettingsLocation location = ChooseSettingsLocation(inputs);
  if (make_settings_folder && !location.portable) {
    MakeFolders(location.settings_folder);
  }
  return location;
}

}  // namespace pictavue
