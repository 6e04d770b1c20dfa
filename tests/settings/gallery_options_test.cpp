#include "settings/gallery_options.h"

#include <gtest/gtest.h>

#include "support/data_table.h"

namespace pictavue {
namespace {

TEST(GalleryOptionsTest, PicturesPerPageTextAndThumbnailSize) {
  for (const testing::Row& row : testing::ReadTable("settings/gallery_options.tsv")) {
    GalleryOptions options;
    options.IPP = row.Int(0);
    options.IppFree = row[1];
    options.Pixel = row.Int(2);
    EXPECT_EQ(IppText(options), row[3]) << row.Text();
    EXPECT_EQ(ThumbnailSize(options), row.Int(4)) << row.Text();
  }
}

}  // namespace
}  // namespace pictavue
