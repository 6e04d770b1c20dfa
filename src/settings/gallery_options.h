#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/translation.h"

namespace pictavue {

// Check-box states as the settings file stores them.
inline constexpr int kUnchecked = 0;
inline constexpr int kChecked = 1;
inline constexpr int kGrayed = 2;  // only a hand-edited settings file gives it; kept as read

// Whether a check field counts as on. A dimmed box (2) counts as on everywhere, as any non-zero
// state always has, so one hand-edited value cannot make the scan, the ordering and the pages
// disagree about one option.
constexpr bool IsOn(int check_state) {
  return check_state != kUnchecked;
}

// Entries of the three lists of the main window, in list order; the window shows the words
// (PICTAVUE_TEXT) in the chosen language.
inline constexpr std::array<std::string_view, 6> kSizeListEntries = {"50",  "100", "150",
                                                                     "200", "250", "300"};
inline constexpr std::array<std::string_view, 6> kIppListEntries = {
    "20", "50", "100", "150", "200", PICTAVUE_TEXT("frmMain", "無制限").text};
inline constexpr std::array<std::string_view, 2> kOutputDirListEntries = {
    PICTAVUE_TEXT("frmMain", "任意のﾌｫﾙﾀﾞ").text, PICTAVUE_TEXT("frmMain", "検索対象ﾌｫﾙﾀﾞ").text};

inline constexpr int kNoListPosition = -1;
inline constexpr int kIppUnlimited = 5;  // "無制限": every picture on one page
inline constexpr int kOutputDirChosen = 0;
inline constexpr int kOutputDirSearch = 1;

// Every generation setting, one field per settings key and named as the key. Texts are UTF-8.
// The fields the main window shows as list choices hold the list position, not the code the
// settings file stores for it.
struct GalleryOptions {
  std::string SearchDir;  // the text of cmbSearchDir; no key of its own

  // Section "SearchDir"
  int SubDir = kChecked;
  int GIF = kChecked;
  int JPEG = kUnchecked;
  int PNG = kUnchecked;
  int BMP = kUnchecked;
  int WMF = kUnchecked;
  int EMF = kUnchecked;
  int SameSize = kUnchecked;

  // Section "PageFormat"
  bool Width = true;
  bool Height = false;
  bool Longer = false;
  int Pixel = 1;  // position in kSizeListEntries; kNoListPosition when none is selected
  int BGColor = kChecked;
  int SubWin = kChecked;
  int AutoSize = kChecked;
  int OnlyOne = kChecked;
  int ClientPull = kUnchecked;
  std::string Delay = "15";
  int Separator = kChecked;
  int FolderName = kChecked;
  int PathName = kUnchecked;
  int IPP = 2;          // position in kIppListEntries; kNoListPosition for a typed number
  std::string IppFree;  // the typed number of pictures per page when IPP is kNoListPosition
  int FrameMenu = kUnchecked;
  std::string Title;  // may hold several lines joined by CR LF
  std::string Name;
  std::string Email;
  int NotThumbnail = kUnchecked;
  int AltNewLine = kUnchecked;

  // Section "OutFile"
  std::string FileName = "Pictavue";
  std::string DirName;  // the chosen output folder; LoadSettings defaults it to the program's
  int OutputDir = kOutputDirChosen;  // position in kOutputDirListEntries, or kNoListPosition
  int AutoOpenMode = kUnchecked;
  int Browser = kUnchecked;
  std::string BrowserPath;

  // Section "Option": read at start-up only, never written.
  int PrevInstance = 0;
};

// The text of cmbIPP: the selected list entry, or the typed number.
std::string IppText(const GalleryOptions& options);

// The thumbnail size in pixels of the selected cmbSize entry (100 when none is selected).
int ThumbnailSize(const GalleryOptions& options);

}  // namespace pictavue
