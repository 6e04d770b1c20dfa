#include "support/settings_text.h"

#include "settings/settings_file.h"

namespace pictavue::testing {

std::string SettingsText(const std::vector<std::string>& lines) {
  // Each key is read from its own section only, so every section may hold every line.
  std::string text;
  for (const char* section : {"SearchDir", "PageFormat", "OutFile"}) {
    text += std::string("[") + section + "]\r\n";
    for (const std::string& line : lines) {
      text += line + "\r\n";
    }
  }
  return text;
}

GalleryOptions OptionsFromSettings(const std::vector<std::string>& lines) {
  return LoadSettings(ProfileFile::Parse(SettingsText(lines)), CodePage("UTF-8"), "",
                      PathStyle::kWindows)
      .options;
}

}  // namespace pictavue::testing
