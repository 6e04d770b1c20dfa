#include "generate/frame_set.h"

#include <string>

#include <gtest/gtest.h>

#include "generate/gallery_fixture.h"
#include "support/data_table.h"

namespace pictavue {
namespace {

struct FrameSetFiles {
  Status status = Status::Ok();
  std::string frame_set = "kept";
  std::string menu = "kept";
};

FrameSetFiles Write(const GalleryOptions& options, const RunState& run) {
  const PageContext context{options, run, PathStyle::kWindows, testing::kWindowsHome,
                            testing::kFixedNow};
  FrameSetFiles files;
  files.frame_set.clear();
  files.menu.clear();
  files.status = WriteFrameSet(context, files.frame_set, files.menu);
  return files;
}

TEST(FrameSetTest, MatchesTheHandCheckedFrameSetAndMenu) {
  RunState run = testing::Tree("windows");
  const GalleryOptions options = testing::OptionsFor(
      "C:\\Photos", "2", {"FrameMenu=1", "Title=Holiday\\nSummer 2025\\nKyoto"});
  testing::Paginate(options, run);
  const FrameSetFiles files = Write(options, run);
  ASSERT_TRUE(files.status.ok());
  EXPECT_EQ(files.frame_set, testing::DataFile("generate/golden/frameset.htm"));
  EXPECT_EQ(files.menu, testing::DataFile("generate/golden/menu.htm"));
}

// Four-digit numbers, a base name an address must encode, and a blank title.
TEST(FrameSetTest, ManyPagesAndAnAwkwardName) {
  RunState run;
  run.ImageCount = 1019;
  run.ImagesPerPage = 20;
  run.PageCount = 51;
  GalleryOptions options;
  options.FileName = "50% #";
  const FrameSetFiles files = Write(options, run);
  ASSERT_TRUE(files.status.ok());
  EXPECT_TRUE(files.menu.starts_with(
      "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html\">"
      "<title>Pictavue</title></head>\r\n<body bgcolor=\"white\"><center>\r\n"
      "<a href=\"50%25 %23001.htm\" target=\"main\">001-020</a><br>\r\n"));
  EXPECT_TRUE(files.menu.ends_with(
      "<a href=\"50%25 %23050.htm\" target=\"main\">981-1000</a><br>\r\n"
      "<a href=\"50%25 %23051.htm\" target=\"main\">1001-1019</a><br>\r\n</center></body>\r\n"
      "</html>\r\n"));
  EXPECT_NE(files.frame_set.find("<frame name=\"menu\" src=\"50%25 %23m.htm\">"),
            std::string::npos);
}

TEST(FrameSetTest, OverflowOfTheLastNumberFailsAndWritesNothing) {
  RunState run;
  run.ImageCount = 32760;
  run.ImagesPerPage = 999;
  run.PageCount = 33;
  FrameSetFiles files;
  const PageContext context{GalleryOptions(), run, PathStyle::kWindows, "", testing::kFixedNow};
  files.status = WriteFrameSet(context, files.frame_set, files.menu);
  EXPECT_EQ(files.status.description(), "オーバーフローしました。");
  EXPECT_EQ(files.frame_set + files.menu, "keptkept");
}

}  // namespace
}  // namespace pictavue
