#pragma once

#include <string>
#include <vector>

#include "settings/gallery_options.h"

namespace pictavue::testing {

// The options a settings file of these "Key=Value" lines gives, every other key at its default
// and DirName empty. Values are written as the file stores them: codes for the list choices
// (IPP=-1 with IppFree for a typed number), "\n" for a line break of Title; DirHistry1 is the
// search folder. The file's reader trims every value, so text with blanks at its ends, as a user
// may type it, is set on the options afterwards.
GalleryOptions OptionsFromSettings(const std::vector<std::string>& lines);

// A settings file of these lines, every section holding all of them.
std::string SettingsText(const std::vector<std::string>& lines);

}  // namespace pictavue::testing
