#include "settings/gallery_options.h"

#include <gtest/gtest.h>

#include "settings/control_id.h"

namespace pictavue {
namespace {

TEST(GalleryOptionsTest, IppTextIsTheListEntryOrTheTypedNumber) {
  struct Case {
    int ipp;
    const char* ipp_free;
    const char* expected;
  };
  const Case cases[] = {
      {0, "", "20"},    {2, "30", "100"}, {5, "", "無制限"},
      {-1, "30", "30"}, {-1, "", ""},     {7, "12", "12"},
  };
  for (const Case& c : cases) {
    GalleryOptions options;
    options.IPP = c.ipp;
    options.IppFree = c.ipp_free;
    EXPECT_EQ(IppText(options), c.expected) << "IPP=" << c.ipp;
  }
}

TEST(GalleryOptionsTest, ThumbnailSizeFollowsTheSizeListAndIs100WithoutAChoice) {
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
