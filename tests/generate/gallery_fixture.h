#pragma once

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "collect/image_list.h"
#include "generate/page_context.h"
#include "settings/gallery_options.h"

namespace pictavue::testing {

// The five pictures of the page tests in the order the ordering leaves them, under the search
// folder C:\Photos:
//   C:\Photos\a.jpg                 640 x 480   123456 bytes
//   C:\Photos\Trip\c.png            200 x 300     1250 bytes
//   C:\Photos\Trip\it's.gif         300 x 200     9999 bytes
//   C:\Photos\Trip\Day 2\d.jpg     1024 x 768  1234567 bytes
//   C:\Photos\Trip\Day 2\e.bmp       50 x 50         0 bytes (not measured)
RunState WindowsTree();

// Awkward POSIX names under /home/me/Photos, unlimited page size:
//   a"b<c>.jpg, 50% #1?.jpg, it's & co.jpg, back\slash.gif, bad<E9>name.jpg (not UTF-8),
//   then 写真 <2025>/夏 休み.png
RunState PosixTree();

// Options for a tree: the search folder set, pictures per page typed as ipp_text (an empty text
// selects "無制限"), ImagesPerPage and PageCount of run set from them.
GalleryOptions OptionsFor(std::string_view search_dir, std::string_view ipp_text, RunState& run);

inline constexpr DateTime kFixedNow{2026, 3, 1, 9, 5, 7};
inline constexpr char kWindowsHome[] = "file:///C|/Program Files/Pictavue/docs/index.html";
inline constexpr char kPosixHome[] = "file:///usr/share/pictavue/docs/index.html";

// The bytes of tests/generate/golden/<name>.
std::string Golden(std::string_view name);

}  // namespace pictavue::testing
