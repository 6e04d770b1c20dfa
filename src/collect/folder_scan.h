#pragma once

#include <string>
#include <string_view>

#include "collect/image_list.h"
#include "collect/run_feedback.h"
#include "platform/dir_listing.h"
#include "platform/path_style.h"
#include "platform/status.h"
#include "platform/translation.h"

namespace pictavue {

// The picture kinds a run collects. The PNG plug-in's presence is a condition of its own: without
// the plug-in no PNG file is collected, whatever the option says.
struct PictureKinds {
  bool GIF = false;
  bool JPEG = false;
  bool PNG = false;
  bool BMP = false;
  bool WMF = false;
  bool EMF = false;
  bool PngPluginAvailable = false;
};

// What one scan looks for.
struct ScanRequest {
  PathStyle style = NativePathStyle();
  std::string pattern = "*.*";  // "*.gif", "*.png", ... or "*.*"; narrows only what is listed
  bool recurse = false;         // GalleryOptions.SubDir
  PictureKinds kinds;
};

// The stop of a scan that found more than the image list can hold.
inline constexpr SourceText kTooManyImagesMessage =
    PICTAVUE_TEXT("Failure", "画像ファイルの数が上限（32760）を超えています。");

// The text after the last "." of file_name, in the name's own letter case; the empty text when
// the name holds no "." or ends in one.
std::string FileExtension(std::string_view file_name);

// Whether a file of this name is a picture of a chosen kind (its extension, lower-cased, in the
// kinds table).
bool IsWantedPicture(std::string_view file_name, const PictureKinds& kinds);

// An item inside a recycle bin: on Windows a path whose characters 2 to 12 are ":\recycled\" or
// ":\recycler\" in any letter case; on POSIX an item below the files folder of a freedesktop
// trash (~/.local/share/Trash/files/..., <mount>/.Trash-1000/files/..., <mount>/.Trash/1000/
// files/...). The trash folder itself is no item inside it.
bool IsInsideRecycleBin(std::string_view path, PathStyle style);

// Whether the scan may walk a subfolder of folder whose name is name: never a name that starts
// with "." (".", "..", hidden folders), and in Windows style nothing inside a recycle bin.
bool IsWalkableSubfolder(std::string_view folder, std::string_view name, PathStyle style);

// Visits folder (ending in the separator) and, with request.recurse, everything below it, depth
// first: the folder's own pictures come before its subfolders', in listing order. Appends to
// state.ImageList; sets state.TopSubfolderCount when it is still 0, recurse on or off. Yields
// through feedback on entering each folder, before each subfolder and before each listed file,
// and returns at once when cancel has been asked for (state.CancelRequested is then set). A
// folder that cannot be listed contributes nothing. A symbolic link to a folder already visited
// in this scan is not walked again. Fails with kTooManyImagesMessage when more than kMaxImages
// pictures, or more than kMaxImages walkable subfolders of one folder, are found.
Status ScanFolder(DirectoryLister& lister, RunFeedback& feedback, const ScanRequest& request,
                  const std::string& folder, RunState& state);

// One folder's files: lists folder with request.pattern and appends every wanted picture (a
// folder whose name looks like a picture is not one). Yields before each listed entry.
Status CollectFiles(DirectoryLister& lister, RunFeedback& feedback, const ScanRequest& request,
                    const std::string& folder, RunState& state);

}  // namespace pictavue
