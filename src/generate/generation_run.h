#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "collect/folder_scan.h"
#include "collect/image_list.h"
#include "collect/plugin_probe.h"
#include "generate/front_end.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/collation.h"
#include "platform/dir_listing.h"
#include "platform/file_io.h"
#include "platform/path_style.h"
#include "platform/picture_loader.h"
#include "platform/status.h"
#include "platform/translation.h"
#include "settings/gallery_options.h"

namespace pictavue {

// The status line of each phase of a run.
inline constexpr SourceText kStatusCollecting =
    PICTAVUE_TEXT("GenerationRun", "ファイル情報収集中...");
inline constexpr SourceText kStatusMeasuring = PICTAVUE_TEXT("GenerationRun", "画像情報調査中...");
inline constexpr SourceText kStatusSorting = PICTAVUE_TEXT("GenerationRun", "ソート中...");
inline constexpr SourceText kStatusWriting = PICTAVUE_TEXT("GenerationRun", "ＨＴＭＬ生成中...");

inline constexpr SourceText kNoPicturesMessage =
    PICTAVUE_TEXT("GenerationRun", "指定されたフォルダには画像ファイルが存在しません。");

// The run only starts after the request has checked the pictures-per-page text; a run started
// without that check stops with the check's own words instead of guessing a page size.
inline constexpr SourceText kBadImagesPerPageDescription =
    PICTAVUE_TEXT("Failure", "１ページ内の画像数は１～９９９の数値を入力してください。");

// Writes one generated file whole, replacing what is there.
using FileWriter = std::function<Status(const std::string& path, std::string_view bytes)>;

// How the run writes its files: through a temporary file renamed over path, so a failed or
// interrupted run leaves each file as it was or complete, and a link at path (planted in a
// shared folder, say) is replaced, never written through.
Status WritePageFile(const std::string& path, std::string_view bytes);

// The platform services a run uses. The application builds one for its whole life; tests build
// their own around fakes. The referenced objects must outlive every run.
struct RunEnvironment {
  DirectoryLister& lister;
  const Plugins& plugins;
  PictureLoader& loader;
  const Collation& collation;
  const CodePage& code_page;  // the pages' encoding
  // The words of the status line and of the messages; the pages keep theirs.
  Translation translation{};
  PathStyle style = NativePathStyle();
  std::function<DateTime()> clock = LocalDateTime;
  FileWriter write_file = WritePageFile;
  // Called once with the output folder before the first page: clears what killed runs left.
  std::function<void(const std::string& folder)> remove_stale_files = RemoveStaleTemporaryFiles;
  // Where the pages go when the chosen output folder is empty: the settings location's default
  // output folder, which is the program's folder only where the program may write there.
  std::string default_output_folder;
  // The pages' link to the documentation (HomePageAddress of the program's folder).
  std::string home_address;
};

// The directory listing pattern for the chosen kinds: a single kind other than JPEG lists only
// its own extension ("*.gif", "*.png", "*.bmp", "*.wmf", "*.emf"); several kinds, or JPEG alone
// with its two extensions, list everything ("*.*") and leave the choice to the scan.
std::string ListingPattern(const GalleryOptions& options);

// The kinds the scan collects; PNG counts only when its plug-in was found.
PictureKinds PictureKindsOf(const GalleryOptions& options, const PluginNames& plugin_names);

// The stop message of a run that failed: the lead text, a blank line, the failure's own words.
// The program's own descriptions (context "Failure") are translated here, where they are shown;
// the system's come in the words it chose.
std::string AbortMessage(std::string_view description, const Translation& translation);

// One generation run, driven through front_end: collects the pictures of options.SearchDir,
// measures them, orders them, writes the index pages (and the frame set with its menu when asked
// for and there are two or more pages) into the output folder, and sets state.PageToOpen.
// options is the snapshot of the settings taken as the run starts; state is a fresh RunState.
//
// On return: pages written when state.ImageCount > 0 and !state.RunAborted; a failure (a file
// that could not be written, too many pictures, page arithmetic beyond its range) was shown with
// AbortMessage and set state.RunAborted; a cancel left state.ImageCount 0 with
// state.CancelRequested set and showed nothing; an empty folder showed kNoPicturesMessage.
// Pages written before a cancel or a failure stay on disk.
void RunGeneration(const RunEnvironment& environment, GalleryOptions options, RunState& state,
                   FrontEnd& front_end);

}  // namespace pictavue
