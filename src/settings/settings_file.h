#pragma once

#include <string>
#include <string_view>

#include "platform/code_page.h"
#include "platform/path_style.h"
#include "platform/profile_file.h"
#include "platform/status.h"
#include "platform/translation.h"
#include "settings/folder_history.h"
#include "settings/gallery_options.h"

namespace pictavue {

// What start-up reads from the settings file: the record the main window's controls show, and
// the search-folder history (whose first entry is already the record's SearchDir).
struct LoadedSettings {
  GalleryOptions options;
  FolderHistory history;
};

// Reads the history, then every key of "SearchDir", "PageFormat" and "OutFile". Missing keys
// take their defaults; DirName's default is program_folder without a trailing separator (unless
// it is a root). Values that make no sense take the key's default; nothing here fails.
LoadedSettings LoadSettings(const ProfileFile& file, const CodePage& code_page,
                            std::string_view program_folder, PathStyle style);

// Writes the history, then every key, in the order the file has always had, into file.
// "Option" is never written; IppFree only when cmbIPP holds a typed number, and Pixel only when
// cmbSize has an entry selected, so that their old values stay in the file otherwise.
void SaveSettings(const GalleryOptions& options, const FolderHistory& history,
                  const CodePage& code_page, ProfileFile& file);

// SaveSettings on the file at path as it is now (so that lines the program does not know
// survive), then replaces the file in one step. A file that exists but cannot be read whole
// (no read access, larger than ProfileFile::kMaxFileBytes) is left alone and the save fails:
// replacing it would lose what was not read. The main window ignores a failure, as it always
// has; batch mode reports it.
Status SaveSettingsFile(const std::string& path, const GalleryOptions& options,
                        const FolderHistory& history, const CodePage& code_page);

// PrevInstance of section "Option": 1 allows a second copy, anything else counts as 0.
int ReadPrevInstance(const ProfileFile& file);

// Language of section "Option": "en" (in any letter case) chooses English, anything else
// Japanese. Like every key of "Option" it is set by hand and never written: a file keeps the line
// it has, and one without it gains none, whatever language a run was told to speak.
Language ReadLanguage(const ProfileFile& file);

// Why a settings file was left alone: it is larger than the program reads, or it is no text of
// the code page. Whoever shows the failure names the file.
inline constexpr SourceText kSettingsFileTooLarge =
    PICTAVUE_TEXT("Failure", "ファイルが大きすぎます。");
inline constexpr SourceText kSettingsFileNotText =
    PICTAVUE_TEXT("Failure", "テキストファイルではありません。");

}  // namespace pictavue
