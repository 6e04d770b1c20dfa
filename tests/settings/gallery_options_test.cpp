#include "settings/gallery_options.h"

#include <gtest/gtest.h>

#include "support/cases.h"

namespace pictavue {
namespace {

TEST(GalleryOptionsTest, PicturesPerPageTextAndThumbnailSize) {
  for (const auto& c : testing::CaseTable("settings/settings.txt", "ipp text")) {
    GalleryOptions options;
    options.IPP = c.Int(0);
    options.IppFree = c[1];
    EXPECT_EQ(IppText(options), c[2]) << c;
  }
  for (const auto& [position, size] : {std::pair{0, 50}, {5, 300}, {kNoListPosition, 100}}) {
    GalleryOptions options;
    options.Pixel = position;
    EXPECT_EQ(ThumbnailSize(options), size) << position;
  }
}

}  // namespace
}  // namespace pictavue
