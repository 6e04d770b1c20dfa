#include "platform/settings_location.h"

#include "platform/paths.h"

namespace pictavue {
namespace {

SettingsLocation Portable(const SettingsLocationInputs& inputs) {
  SettingsLocation location;
  location.settings_file_path = SettingsFilePath(inputs.program_folder, inputs.style);
  location.settings_folder = inputs.program_folder;
  location.default_output_folder = inputs.program_folder;
  location.portable = true;
  return location;
}

// The folder the user's programs keep their settings in; empty when there is none.
std::string UserConfigHome(const SettingsLocationInputs& inputs) {
  // The XDG rules ignore a relative XDG_CONFIG_HOME.
  if (IsAbsolutePath(inputs.user_config_home, inputs.style)) {
    return inputs.user_config_home;
  }
  if (inputs.style == PathStyle::kPosix && !inputs.home.empty()) {
    return JoinPath(inputs.home, ".config", inputs.style);
  }
  return {};
}

// Pages go to the home folder when the settings do not live beside the program; an installed
// program's folder is never a default.
std::string UserOutputFolder(const SettingsLocationInputs& inputs) {
  return inputs.home.empty() && !inputs.installed ? inputs.program_folder : inputs.home;
}

}  // namespace

SettingsLocation ChooseSettingsLocation(const SettingsLocationInputs& inputs) {
  if (!inputs.installed &&
      (inputs.program_folder_writable || inputs.settings_file_in_program_folder)) {
    return Portable(inputs);
  }
  const std::string config_home = UserConfigHome(inputs);
  if (config_home.empty()) {
    // A portable copy has nowhere better to go; an installed one keeps no settings rather than
    // write into the system's folders.
    return inputs.installed ? SettingsLocation{{}, {}, UserOutputFolder(inputs), false}
                            : Portable(inputs);
  }
  SettingsLocation location;
  const char* name = inputs.style == PathStyle::kWindows ? "Pictavue" : "pictavue";
  location.settings_folder = JoinPath(config_home, name, inputs.style);
  location.settings_file_path = JoinPath(location.settings_folder, kSettingsFileName, inputs.style);
  location.default_output_folder = UserOutputFolder(inputs);
  location.portable = false;
  return location;
}

}  // namespace pictavue
