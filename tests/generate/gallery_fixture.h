#pragma once

// The clock, home pages and options of the page and run tests.

#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "settings/gallery_options.h"
#include "support/settings_text.h"

namespace pictavue::testing {

inline constexpr DateTime kFixedNow{2026, 3, 1, 9, 5, 7};
inline constexpr char kWindowsHome[] = "file:///C|/Program Files/Pictavue/docs/index.html";
// With characters that the pages must encode like those of any address.
inline constexpr char kPosixHome[] = "file:///opt/100% #1/docs/index.html";

// Options for a run over search_dir: pictures per page typed as ipp_text ("" for "無制限"), the
// settings as OptionsFromSettings reads them, and every picture kind and subfolders searched
// unless the settings say otherwise (the first of two equal keys counts).
inline GalleryOptions OptionsFor(std::string_view search_dir, std::string_view ipp_text,
                                 std::vector<std::string> settings = {}) {
  settings.insert(settings.end(),
                  {"SubDir=1", "GIF=1", "JPEG=1", "PNG=1", "BMP=1", "WMF=1", "EMF=1"});
  GalleryOptions options = OptionsFromSettings(settings);
  options.SearchDir = std::string(search_dir);
  options.IPP = ipp_text.empty() ? kIppUnlimited : kNoListPosition;
  options.IppFree = std::string(ipp_text);
  return options;
}

}  // namespace pictavue::testing
