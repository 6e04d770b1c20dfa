#pragma once

#include <string>
#include <string_view>

#include "collect/run_feedback.h"
#include "generate/page_context.h"
#include "generate/page_layout.h"
#include "platform/path_style.h"
#include "platform/status.h"

namespace pictavue {

// The line (with its line end) written above and below the pictures of a page: Back, the range
// of picture numbers on the page out of image_count, Next. Back links to prev_file on every page
// but the first, Next to next_file when a later page exists.
std::string NavigationLine(int page, const PageSlice& slice, int image_count,
                           std::string_view prev_file, std::string_view next_file, PathStyle style);

// How a new folder group is set off on a page.
struct FolderGroupFormat {
  bool Separator = false;   // a rule between groups
  bool FolderName = false;  // a heading over each group
  bool PathName = false;    // the heading shows the whole path, not the last folder name
  PathStyle Style = PathStyle::kWindows;
};

FolderGroupFormat FolderGroupFormatOf(const GalleryOptions& options, PathStyle style);

// Appends the lines that open the group of pictures in folder; first_on_page when it is the first
// group of the page, which gets neither a rule nor a line break above it.
void WriteFolderGroupLines(std::string_view folder, bool first_on_page,
                           const FolderGroupFormat& format, std::string& out);

// Appends index page `page` (1 to Run.PageCount). After each picture line the progress value
// becomes the picture's list index + 1 and waiting events may run; a cancel is acted on by the
// caller between pages. Fails only when the page arithmetic leaves the signed 16-bit range, and
// then appends nothing.
Status WriteIndexPage(const PageContext& context, int page, RunFeedback& feedback,
                      std::string& out);

}  // namespace pictavue
