#pragma once

// The pictures and options of the page and run tests.

#include <string>
#include <string_view>
#include <vector>

#include "collect/image_list.h"
#include "platform/clock.h"
#include "settings/gallery_options.h"

namespace pictavue::testing {

inline constexpr DateTime kFixedNow{2026, 3, 1, 9, 5, 7};
inline constexpr char kWindowsHome[] = "file:///C|/Program Files/Pictavue/docs/index.html";
// With characters that the pages must encode like those of any address.
inline constexpr char kPosixHome[] = "file:///opt/100% #1/docs/index.html";

// Tree "windows" or "posix" of tests/data/generate/pictures.tsv, in page order.
RunState Tree(std::string_view name);

// Options for a run over search_dir: pictures per page typed as ipp_text ("" for "無制限"), the
// settings as OptionsFromSettings reads them, and every picture kind and subfolders searched
// unless the settings say otherwise.
GalleryOptions OptionsFor(std::string_view search_dir, std::string_view ipp_text,
                          const std::vector<std::string>& settings = {});

// Sets ImagesPerPage and PageCount of run as a run with options does.
void Paginate(const GalleryOptions& options, RunState& run);

}  // namespace pictavue::testing
