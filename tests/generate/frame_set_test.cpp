#include "generate/frame_set.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "generate/gallery_fixture.h"
#include "generate/page_layout.h"

namespace pictavue {
namespace {

TEST(FrameSetTest, MatchesTheHandWrittenFrameSetAndMenu) {
  RunState run = testing::WindowsTree();
  GalleryOptions options = testing::OptionsFor("C:\\Photos", "2", run);
  options.FrameMenu = kChecked;
  options.Title = "Holiday\r\nSummer 2025\r\nKyoto";
  const PageContext context{options, run, PathStyle::kWindows, testing::kWindowsHome,
                            testing::kFixedNow};
  std::string frame_set;
  std::string menu;
  ASSERT_TRUE(WriteFrameSet(context, frame_set, menu).ok());
  EXPECT_EQ(testing::Golden("frameset.htm"), frame_set);
  EXPECT_EQ(testing::Golden("menu.htm"), menu);
}

// The menu lines of a run, without the head and foot of the menu page.
std::vector<std::string> MenuLinks(const std::string& menu) {
  std::vector<std::string> links;
  std::size_t start = 0;
  for (std::size_t end = menu.find("\r\n"); end != std::string::npos;
       start = end + 2, end = menu.find("\r\n", start)) {
    const std::string line = menu.substr(start, end - start);
    if (line.rfind("<a ", 0) == 0) {
      links.push_back(line);
    }
  }
  return links;
}

TEST(FrameSetTest, MenuRangesAndTitles) {
  RunState run;
  run.ImageCount = 45;
  run.ImagesPerPage = 20;
  run.PageCount = 3;
  GalleryOptions options;
  const PageContext context{options, run, PathStyle::kWindows, "", testing::kFixedNow};
  std::string frame_set;
  std::string menu;
  ASSERT_TRUE(WriteFrameSet(context, frame_set, menu).ok());
  EXPECT_EQ(MenuLinks(menu), (std::vector<std::string>{
                                 "<a href=\"Pictavue001.htm\" target=\"main\">001-020</a><br>",
                                 "<a href=\"Pictavue002.htm\" target=\"main\">021-040</a><br>",
                                 "<a href=\"Pictavue003.htm\" target=\"main\">041-045</a><br>"}));
  // A blank title: both files fall back to the product name.
  EXPECT_EQ(frame_set.substr(0, frame_set.find("\r\n")),
            "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html\">"
            "<title>Pictavue</title></head>");
  EXPECT_EQ(menu.substr(0, menu.find("\r\n")), frame_set.substr(0, frame_set.find("\r\n")));

  // Four-digit numbers, and a base name with characters an address must encode.
  run.ImageCount = 1019;
  run.ImagesPerPage = 20;
  run.PageCount = 51;
  options.FileName = "50% #";
  frame_set.clear();
  menu.clear();
  ASSERT_TRUE(WriteFrameSet(context, frame_set, menu).ok());
  const std::vector<std::string> links = MenuLinks(menu);
  ASSERT_EQ(links.size(), 51u);
  EXPECT_EQ(links[49], "<a href=\"50%25 %23050.htm\" target=\"main\">981-1000</a><br>");
  EXPECT_EQ(links[50], "<a href=\"50%25 %23051.htm\" target=\"main\">1001-1019</a><br>");
  EXPECT_NE(frame_set.find("<frame name=\"menu\" src=\"50%25 %23m.htm\">"), std::string::npos);
}

TEST(FrameSetTest, OverflowOfTheLastNumberFailsAndWritesNothing) {
  RunState run;
  run.ImageCount = 32760;
  run.ImagesPerPage = 999;
  run.PageCount = 33;
  GalleryOptions options;
  const PageContext context{options, run, PathStyle::kWindows, "", testing::kFixedNow};
  std::string frame_set = "kept";
  std::string menu = "kept";
  const Status status = WriteFrameSet(context, frame_set, menu);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.description(), "オーバーフローしました。");
  EXPECT_EQ(frame_set, "kept");
  EXPECT_EQ(menu, "kept");
}

}  // namespace
}  // namespace pictavue
