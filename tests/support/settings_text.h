#pragma once

#include <string>
#include <vector>

#include "settings/settings_file.h"

namespace pictavue::testing {

// A settings file of these "Key=Value" lines. Each key is read from its own section only, so
// every section may hold every line.
inline std::string SettingsText(const std::vector<std::string>& lines) {
  std::string text;
  for (const char* section : {"SearchDir", "PageFormat", "OutFile"}) {
    text += std::string("[") + section + "]\r\n";
    for (const std::string& line : lines) {
      text += line + "\r\n";
    }
  }
  return text;
}

// The options a settings file of these lines gives, every other key at its default and DirName
// empty. Values are written as the file stores them: codes for the list choices (IPP=-1 with
// IppFree for a typed number), "\n" for a line break of Title; DirHistry1 is the search folder.
// The file's reader trims every value, so text with blanks at its ends, as a user may type it,
// is set on the options afterwards.
inline GalleryOptions OptionsFromSettings(const std::vector<std::string>& lines) {
  return LoadSettings(ProfileFile::Parse(SettingsText(lines)), CodePage("UTF-8"), "",
                      PathStyle::kWindows)
      .options;
}

}  // namespace pictavue::testing
