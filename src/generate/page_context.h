#pragma once

#include <string>
#include <string_view>

#include "collect/image_list.h"
#include "platform/clock.h"
#include "platform/path_style.h"
#include "settings/gallery_options.h"

namespace pictavue {

// "yyyy/MM/dd HH:mm:ss".
std::string DateTimeText(const DateTime& time);

// What every file of one run is built from. The options are the snapshot the run took when it
// started; the run state holds the ordered pictures, ImagesPerPage and PageCount.
struct PageContext {
  const GalleryOptions& Options;
  const RunState& Run;
  PathStyle Style = PathStyle::kWindows;
  // FileAddress of the documentation beside the program (<program folder>/docs/index.html),
  // unescaped: the page escapes it like every address it writes.
  std::string HomeAddress;
  DateTime Now;  // when the run started; the same on every page
};

// The page title: the trimmed title cut before its first line break, or "Pictavue" when the
// trimmed title is empty.
std::string PageTitle(std::string_view title);

// The heading of the pages: every line break of the title written "<br>", then trimmed.
std::string PageHeading(std::string_view title);

}  // namespace pictavue
