#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pictavue {

// One found picture.
struct ImageEntry {
  std::string Folder;          // the folder holding the file, always ending in the separator
  std::string FileName;        // the name as the directory listing reports it
  std::int64_t ByteSize = 0;   // the file's true size (a 32-bit size would wrap at 2 GiB)
  std::int16_t Width = 50;     // pixel size from measuring; 50 x 50 when no size was found
  std::int16_t Height = 50;
};

// The image list holds at most this many pictures (a limit of the signed 16-bit counts that the
// pages' arithmetic uses).
inline constexpr int kMaxImages = 32760;

// The values one generation run shares between its steps. One object per run; a new run starts
// from a fresh object.
struct RunState {
  std::vector<ImageEntry> ImageList;  // entries 0 to ImageCount - 1 are in use
  int ImageCount = 0;                 // 0 after a cancel, so nothing treats the run as a success
  bool CancelRequested = false;
  int TopSubfolderCount = 0;  // accepted subfolders directly inside the search folder
  int ImagesPerPage = 0;      // unused when the page size is unlimited
  int PageCount = 0;
  std::string PageToOpen;  // full path of the page to show after a good run
  bool RunAborted = false; // the run stopped on a failure and the user was told so
};

// Appends entry at position ImageCount and raises ImageCount. False, and nothing appended, when
// the list already holds kMaxImages entries.
bool AppendImage(RunState& state, ImageEntry entry);

}  // namespace pictavue
