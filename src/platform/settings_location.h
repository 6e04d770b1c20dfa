#pragma once

#include <string>
#include <string_view>

#include "platform/path_style.h"
#include "platform/program_folder.h"

namespace pictavue {

// What decides where the settings file lives. Gathered from the system by LocateSettings; tests
// fill it by hand.
struct SettingsLocationInputs {
  PathStyle style = NativePathStyle();
  std::string program_folder;
  bool installed = false;  // ProgramFiles::installed
  bool program_folder_writable = false;
  bool settings_file_in_program_folder = false;  // Pictavue.ini already beside the program
  // The user's configuration folder: POSIX $XDG_CONFIG_HOME (empty when unset), Windows the
  // application-data folder (%APPDATA%).
  std::string user_config_home;
  std::string home;  // the user's home folder
};

struct SettingsLocation {
  std::string settings_file_path;     // SettingsFilePath; empty when there is nowhere to keep it
  std::string settings_folder;        // the folder of that file
  std::string default_output_folder;  // DirName when the settings file has none
  bool portable = true;               // the settings live beside the program
};

// A portable copy keeps its settings beside the program when that folder is writable or already
// holds Pictavue.ini; an installed copy never does, whatever the permissions of its folder, so
// that root does not write into /usr/bin. Otherwise the settings go to the user's configuration
// folder: POSIX $XDG_CONFIG_HOME/pictavue (~/.config/pictavue when it is unset or not absolute),
// Windows %APPDATA%\Pictavue; and the pages by default to the home folder.
SettingsLocation ChooseSettingsLocation(const SettingsLocationInputs& inputs);

// ChooseSettingsLocation for the running program. With make_settings_folder, the settings folder
// is created when it is not the program's folder and does not exist yet; a run told to use
// another settings file leaves the user's configuration folder alone. A folder that cannot be
// created is not reported here: the save that needs it fails silently, as every settings save
// may.
SettingsLocation LocateSettings(const ProgramFiles& files, bool make_settings_folder);

}  // namespace pictavue
