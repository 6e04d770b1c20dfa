#include "generate/gallery_fixture.h"

#include <gtest/gtest.h>

#include "generate/page_layout.h"
#include "support/data_table.h"
#include "support/settings_text.h"

namespace pictavue::testing {

RunState Tree(std::string_view name) {
  RunState run;
  for (const Row& row : ReadTable("generate/pictures.tsv")) {
    if (row[0] == name) {
      EXPECT_TRUE(AppendImage(
          run, {row[1], row[2], std::stoll(row[3]), static_cast<std::int16_t>(std::stoi(row[4])),
                static_cast<std::int16_t>(std::stoi(row[5]))}));
    }
  }
  return run;
}

GalleryOptions OptionsFor(std::string_view search_dir, std::string_view ipp_text,
                          const std::vector<std::string>& settings) {
  // The first of two equal keys counts: settings given win over these.
  std::vector<std::string> lines = settings;
  lines.insert(lines.end(), {"SubDir=1", "GIF=1", "JPEG=1", "PNG=1", "BMP=1", "WMF=1", "EMF=1"});
  GalleryOptions options = OptionsFromSettings(lines);
  options.SearchDir = std::string(search_dir);
  options.IPP = ipp_text.empty() ? kIppUnlimited : kNoListPosition;
  options.IppFree = std::string(ipp_text);
  return options;
}

void Paginate(const GalleryOptions& options, RunState& run) {
  run.ImagesPerPage = IsUnlimited(options) ? 0 : ImagesPerPage(IppText(options)).value_or(0);
  run.PageCount = IsUnlimited(options) ? 1 : PageCount(run.ImageCount, run.ImagesPerPage);
}

}  // namespace pictavue::testing
