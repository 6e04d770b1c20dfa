#include "settings/gallery_options.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace pictavue
