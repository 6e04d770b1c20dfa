#pragma once

#include <string>

#include "collect/plugin_probe.h"
#include "platform/code_page.h"
#include "platform/path_style.h"
#include "platform/program_folder.h"
#include "platform/translation.h"
#include "settings/folder_history.h"
#include "settings/gallery_options.h"

namespace pictavue {

// What the application keeps from start-up to its end, owned by its entry point and passed
// down: the settings the main window shows and edits, the search-folder history, the plug-ins
// and their names, and where things live.
struct Session {
  GalleryOptions options;  // options.SearchDir is the text of the search-folder box
  FolderHistory history;
  Plugins plugins;  // loaded once; a missing plug-in has an empty name

  std::string settings_file_path;     // SettingsFilePath, or the file given by --settings
  ProgramFiles files;                 // the plug-ins, the help file, the user's guide
  std::string default_output_folder;  // where pages go when no output folder is chosen
  std::string help_file_path;

  CodePage code_page{"UTF-8"};
  PathStyle style = NativePathStyle();

  // The language asked for (--lang, else the settings file), the words of the messages in it,
  // and the file they were read from: empty for Japanese, and when no translation was found.
  Language language = Language::kJapanese;
  Translation translation;
  std::string translation_file;
};

}  // namespace pictavue
