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

}  // namespace

SettingsLocation ChooseSettingsLocation(const SettingsLocationInputs& inputs) {
  if (inputs.style == PathStyle::kWindows || inputs.program_folder_writable ||
      inputs.settings_file_in_program_folder) {
    return Portable(inputs);
  }
  // The XDG rules ignore a relative XDG_CONFIG_HOME.
  std::string config_home;
  if (!inputs.xdg_config_home.empty() && inputs.xdg_config_home.front() == '/') {
    config_home = inputs.xdg_config_home;
  } else if (!inputs.home.empty()) {
    config_home = JoinPath(inputs.home, ".config", inputs.style);
  } else {
    return Portable(inputs);  // nowhere better to go
  }
  SettingsLocation location;
  location.settings_folder = JoinPath(config_home, "pictavue", inputs.style);
  location.settings_file_path = JoinPath(location.settings_folder, kSettingsFileName, inputs.style);
  location.default_output_folder = inputs.home.empty() ? inputs.program_folder : inputs.home;
  location.portable = false;
  return location;
}

}  // namespace pictavue
