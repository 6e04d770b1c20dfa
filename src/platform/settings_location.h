#pragma once

#include <string>
#include <string_view>

#include "platform/path_style.h"

namespace pictavue {

// What decides where the settings file lives. Gathered from the system by LocateSettings; tests
// fill it by hand.
struct SettingsLocationInputs {
  PathStyle style = NativePathStyle();
  std::string program_folder;
  bool program_folder_writable = false;
  bool settings_file_in_program_folder = false;  // Pictavue.ini already beside the program
  std::string xdg_config_home;                   // $XDG_CONFIG_HOME, empty when unset
  std::string home;                              // the user's home folder
};

struct SettingsLocation {
  std::string settings_file_path;     // SettingsFilePath
  std::string settings_folder;        // the folder of that file
  std::string default_output_folder;  // DirName when the settings file has none
  bool portable = true;               // the settings live beside the program
};

// Windows: the program's folder for both, as the program has always done. POSIX: the program's
// folder when it is writable or already holds Pictavue.ini (a portable install, such as the
// build tree); otherwise $XDG_CONFIG_HOME/pictavue (~/.config/pictavue when it is unset or not
// absolute) for the settings and the home folder for the pages, so the program never tries to
// write where the user cannot.
SettingsLocation ChooseSettingsLocation(const SettingsLocationInputs& inputs);

// ChooseSettingsLocation for the running program. With make_settings_folder, the settings folder
// is created when it is not the program's folder and does not exist yet; a run told to use
// another settings file leaves the user's configuration folder alone. A folder that cannot be
// created is not reported here: the save that needs it fails silently, as every settings save
// may.
SettingsLocation LocateSettings(std::string_view program_folder, bool make_settings_folder);

}  // namespace pictavue
