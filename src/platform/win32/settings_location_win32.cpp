#include "platform/settings_location.h"

namespace pictavue {

// The settings file lives beside the program on Windows, wherever the program is.
SettingsLocation LocateSettings(std::string_view program_folder, bool /*make_settings_folder*/) {
  SettingsLocationInputs inputs;
  inputs.style = PathStyle::kWindows;
  inputs.program_folder = std::string(program_folder);
  return ChooseSettingsLocation(inputs);
}

}  // namespace pictavue
