#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/path_style.h"
#include "platform/translation.h"
#include "settings/gallery_options.h"

namespace pictavue {

// Page numbers, picture indexes and counts of the pages are signed 16-bit values; a result
// beyond this stops the run with kOverflowDescription instead of wrapping.
inline constexpr int kMaxPageArithmetic = 32767;
inline constexpr SourceText kOverflowDescription =
    PICTAVUE_TEXT("Failure", "オーバーフローしました。");

// Every picture on one page ("無制限").
bool IsUnlimited(const GalleryOptions& options);

// Whether the pages go into the search folder. Only the first list entry ("任意のﾌｫﾙﾀﾞ") sends
// them elsewhere; the output path check, the page to open and the pages' own addresses all use
// this one rule, so they never disagree about where the pages are.
bool PagesInSearchFolder(const GalleryOptions& options);

// The folder of every generated file, ending in the separator: the search folder, or the chosen
// folder DirName, or default_folder (where the program keeps its output) when DirName is empty.
std::string OutputFolder(const GalleryOptions& options, std::string_view default_folder,
                         PathStyle style);

// FileName + the page number in the "000" format + ".htm" (1 gives "001", 1000 gives "1000");
// FileName + ".htm" for the single page of an unlimited run.
std::string PageFileName(std::string_view file_name, bool unlimited, int page);
std::string FrameSetFileName(std::string_view file_name);  // FileName + ".htm"
std::string MenuFileName(std::string_view file_name);      // FileName + "m.htm"

// The pictures per page from the text of the pictures-per-page box: a decimal number (blanks
// around it, a sign and a fraction allowed) to the nearest whole number, an exact half to the
// even neighbour ("2.5" gives 2, "1.5" gives 2). Nothing when the text is not such a number or
// the result is not between 1 and 32767.
std::optional<int> ImagesPerPage(std::string_view text);

// The number of pages of images_per_page pictures that holds image_count pictures.
int PageCount(int image_count, int images_per_page);

// The pictures of one page, as list indexes.
struct PageSlice {
  int FirstIndex = 0;
  int LastIndex = -1;
  bool HasNext = false;  // a later page exists
};

// The slice of page (1-based). Nothing when FirstIndex + images_per_page leaves the signed
// 16-bit range, which only the last page of a very large gallery can reach.
std::optional<PageSlice> SliceOfPage(int page, int image_count, int images_per_page,
                                     bool unlimited);

// The name of the page to show after a good run: the frame set when it was written (two or more
// pages with FrameMenu), the only page of an unlimited run, else the first index page.
std::string PageToOpenName(const GalleryOptions& options, int page_count);

// OutputFolder followed by PageToOpenName.
std::string PageToOpen(const GalleryOptions& options, int page_count,
                       std::string_view default_folder, PathStyle style);

}  // namespace pictavue
