#include "settings/gallery_options.h"

#include <gtest/gtest.h>

#include "settings/control_id.h"
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

TEST(ControlIdTest, ArrayElementsAreNamedWithTheirIndex) {
  EXPECT_EQ(ControlName(ControlId::Command6_0), "Command6(0)");
  EXPECT_EQ(ControlName(ControlId::optThumb_2), "optThumb(2)");
  EXPECT_EQ(ControlName(ControlId::chkSubWIndow), "chkSubWIndow");
}

}  // namespace
}  // namespace pictavue
