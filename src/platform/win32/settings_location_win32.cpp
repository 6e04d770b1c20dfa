#include <optional>
#include <string>

#include <shlobj.h>
#include <windows.h>

#include "platform/file_probe.h"
#include "platform/path_kind.h"
#include "platform/paths.h"
#include "platform/settings_location.h"
#include "platform/win32/system_text.h"

namespace pictavue {

SettingsLocation LocateSettings(const ProgramFiles& files, bool make_settings_folder) {
  constexpr PathStyle kStyle = PathStyle::kWindows;
  SettingsLocationInputs inputs;
  inputs.style = kStyle;
  inputs.program_folder = files.program_folder;
  inputs.installed = files.installed;
  const std::string beside = SettingsFilePath(files.program_folder, kStyle);
  inputs.settings_file_in_program_folder = PathKind(beside) == FileKind::kFile;
  // Access rights on Windows are only known by trying; the file that would be created is the
  // one probed, and it is not there yet.
  inputs.program_folder_writable =
      !files.installed && !inputs.settings_file_in_program_folder && ProbeFileCreation(beside);
  inputs.user_config_home = win32::ShellFolder(CSIDL_APPDATA);
  inputs.home = HomeFolder();

  SettingsLocation location = ChooseSettingsLocation(inputs);
  if (make_settings_folder && !location.portable && !location.settings_folder.empty()) {
    if (const std::optional<std::string> folder = win32::SystemPath(location.settings_folder)) {
      CreateDirectoryA(folder->c_str(), nullptr);
    }
  }
  return location;
}

}  // namespace pictavue
