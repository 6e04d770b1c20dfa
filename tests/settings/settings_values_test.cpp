#include "settings/settings_values.h"

#include <gtest/gtest.h>

#include "settings/gallery_options.h"
#include "support/cases.h"

namespace pictavue {
namespace {

TEST(SettingsValuesTest, TextsBooleansTitlesAndPageChoices) {
  for (const auto& c : testing::CaseTable("settings/settings.txt", "values")) {
    GalleryOptions options;
    if (c[0] == "cut") {
      EXPECT_EQ(CutAtNul(c[1]), c[2]) << c;
    } else if (c[0] == "boolean") {
      const std::optional<bool> parsed = ParseBoolean(c[1]);
      EXPECT_EQ(parsed ? (*parsed ? "1" : "0") : "-", c[2]) << c;
    } else if (c[0] == "title to file") {
      EXPECT_EQ(TitleForFile(c[1]), c[2]) << c;
    } else if (c[0] == "title from file") {
      EXPECT_EQ(TitleFromFile(c[1]), c[2]) << c;
    } else if (c[0] == "ipp") {
      options.IPP = c.Int(1);
      options.IppFree = c[2];
      EXPECT_EQ(IppText(options), c[3]) << c;
    } else {
      options.Pixel = c.Int(1);
      EXPECT_EQ(ThumbnailSize(options), c.Int(3)) << c;
    }
  }
}

}  // namespace
}  // namespace pictavue
