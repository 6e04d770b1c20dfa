#include "generate/page_layout.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "generate/page_context.h"
#include "generate/program_info.h"

namespace pictavue {
namespace {

TEST(PageFileNameTest, NumbersPagesInTheThreeDigitFormat) {
  struct Case {
    bool unlimited;
    int page;
    const char* expected;
  };
  for (const Case& c : {Case{false, 1, "Pictavue001.htm"}, Case{false, 999, "Pictavue999.htm"},
                        Case{false, 1000, "Pictavue1000.htm"}, Case{true, 1, "Pictavue.htm"}}) {
    EXPECT_EQ(PageFileName("Pictavue", c.unlimited, c.page), c.expected) << c.page;
  }
}

TEST(ImagesPerPageTest, RoundsTheTypedNumberHalfToEven) {
  for (const auto& [text, expected] : std::vector<std::pair<const char*, int>>{{"20", 20},
                                                                               {"999", 999},
                                                                               {"1", 1},
                                                                               {"2.5", 2},
                                                                               {"1.5", 2},
                                                                               {"3.5", 4},
                                                                               {"2.51", 3},
                                                                               {"1.4", 1},
                                                                               {" 50 ", 50},
                                                                               {"+7", 7}}) {
    EXPECT_EQ(ImagesPerPage(text), expected) << text;
  }
  for (const char* text :
       {"0.5", "0", "-3", "abc", "", "12abc", "1e2", "+-1", "40000", "無制限", "inf", "nan"}) {
    EXPECT_EQ(ImagesPerPage(text), std::nullopt) << text;
  }
}

TEST(PageCountTest, RoundsUpToWholePages) {
  struct Case {
    int images;
    int per_page;
    int expected;
  };
  for (const Case& c :
       {Case{100, 20, 5}, Case{101, 20, 6}, Case{7, 20, 1}, Case{32760, 999, 33}, Case{0, 20, 0}}) {
    EXPECT_EQ(PageCount(c.images, c.per_page), c.expected) << c.images << "/" << c.per_page;
  }
}

TEST(SliceOfPageTest, CutsByCountAndKnowsTheNextPage) {
  struct Case {
    int page;
    int images;
    int per_page;
    bool unlimited;
    int first;
    int last;
    bool has_next;
  };
  for (const Case& c : {
           Case{1, 57, 20, false, 0, 19, true},
           Case{2, 57, 20, false, 20, 39, true},
           Case{3, 57, 20, false, 40, 56, false},
           Case{2, 40, 20, false, 20, 39, false},  // an exact multiple: the last page is full
           Case{1, 7, 20, false, 0, 6, false},
           Case{1, 57, 20, true, 0, 56, false},
           Case{1638, 32760, 20, false, 32740, 32759, false},
           Case{32, 32760, 999, false, 30969, 31967, true},
       }) {
    const std::optional<PageSlice> slice = SliceOfPage(c.page, c.images, c.per_page, c.unlimited);
    ASSERT_TRUE(slice.has_value()) << c.page;
    EXPECT_EQ(slice->FirstIndex, c.first) << c.page;
    EXPECT_EQ(slice->LastIndex, c.last) << c.page;
    EXPECT_EQ(slice->HasNext, c.has_next) << c.page;
  }
}

TEST(SliceOfPageTest, StopsWhereTheSixteenBitArithmeticWouldWrap) {
  // FirstIndex + ImagesPerPage is the first value that can pass 32767.
  EXPECT_FALSE(SliceOfPage(33, 32760, 999, false).has_value());   // 31968 + 999
  EXPECT_FALSE(SliceOfPage(2, 32760, 16384, false).has_value());  // 16384 + 16384 = 32768
  EXPECT_TRUE(SliceOfPage(2, 32760, 16383, false).has_value());   // 16383 + 16383 = 32766
  EXPECT_TRUE(SliceOfPage(1, 32760, 32767, false).has_value());
}

TEST(OutputFolderTest, FollowsTheOutputChoiceAndEndsInTheSeparator) {
  struct Case {
    PathStyle style;
    int output_dir;
    const char* dir_name;
    const char* expected;
  };
  const char* const kDefault = "C:\\Program Files\\Pictavue";
  for (const Case& c : {
           Case{PathStyle::kWindows, kOutputDirSearch, "D:\\Web", "C:\\Photos\\"},
           Case{PathStyle::kWindows, kOutputDirChosen, "D:\\Web", "D:\\Web\\"},
           Case{PathStyle::kWindows, kOutputDirChosen, "D:\\", "D:\\"},
           Case{PathStyle::kWindows, kOutputDirChosen, "", "C:\\Program Files\\Pictavue\\"},
           // No list position: the pages go where the output-path check looked, the search folder.
           Case{PathStyle::kWindows, kNoListPosition, "D:\\Web", "C:\\Photos\\"},
       }) {
    GalleryOptions options;
    options.SearchDir = "C:\\Photos";
    options.OutputDir = c.output_dir;
    options.DirName = c.dir_name;
    EXPECT_EQ(OutputFolder(options, kDefault, c.style), c.expected) << c.output_dir;
  }

  GalleryOptions posix;
  posix.SearchDir = "/home/me/Photos/";
  posix.OutputDir = kOutputDirSearch;
  EXPECT_EQ(OutputFolder(posix, "/home/me", PathStyle::kPosix), "/home/me/Photos/");
  posix.OutputDir = kOutputDirChosen;
  EXPECT_EQ(OutputFolder(posix, "/home/me", PathStyle::kPosix), "/home/me/");
  posix.DirName = "/";
  EXPECT_EQ(OutputFolder(posix, "/home/me", PathStyle::kPosix), "/");
}

TEST(PageToOpenTest, NamesTheFrameSetTheOnlyPageOrTheFirstPage) {
  struct Case {
    int ipp;
    int frame_menu;
    int page_count;
    const char* expected;
  };
  for (const Case& c : {
           Case{kIppUnlimited, kUnchecked, 1, "D:\\Web\\Pictavue.htm"},
           Case{kIppUnlimited, kChecked, 1, "D:\\Web\\Pictavue.htm"},
           Case{0, kChecked, 2, "D:\\Web\\Pictavue.htm"},
           Case{0, kChecked, 1, "D:\\Web\\Pictavue001.htm"},
           Case{0, kUnchecked, 3, "D:\\Web\\Pictavue001.htm"},
           Case{0, kGrayed, 3, "D:\\Web\\Pictavue.htm"},  // dimmed counts as on
       }) {
    GalleryOptions options;
    options.SearchDir = "C:\\Photos";
    options.DirName = "D:\\Web";
    options.IPP = c.ipp;
    options.FrameMenu = c.frame_menu;
    EXPECT_EQ(PageToOpen(options, c.page_count, "C:\\Prog", PathStyle::kWindows), c.expected)
        << c.ipp << " " << c.frame_menu << " " << c.page_count;
  }
}

TEST(ProgramInfoTest, VersionTextPadsTheMinorNumberAndShowsARevisionAboveZero) {
  struct Case {
    ProgramVersion version;
    const char* expected;
  };
  for (const Case& c :
       {Case{{1, 26, 0}, "1.26"}, Case{{1, 5, 2}, "1.05.2"}, Case{{1, 100, 1}, "1.100.1"}}) {
    EXPECT_EQ(VersionText(c.version), c.expected);
  }
}

TEST(PageTitleTest, TrimsThenCutsAtTheFirstLineBreak) {
  struct Case {
    const char* title;
    const char* page_title;
    const char* heading;
  };
  for (const Case& c : {
           Case{"", "Pictavue", ""}, Case{"   ", "Pictavue", ""},
           Case{"  My Photos  ", "My Photos", "My Photos"},
           Case{"One\r\nTwo\r\nThree", "One", "One<br>Two<br>Three"},
           // Trimmed before the cut, so a blank ending the first line stays.
           Case{" One \r\nTwo ", "One ", "One <br>Two"}, Case{"\tTab\t", "\tTab\t", "\tTab\t"},
           Case{"\u3000全角\u3000", "\u3000全角\u3000", "\u3000全角\u3000"},
           Case{"<b>bold</b>", "<b>bold</b>", "<b>bold</b>"},
           Case{"a\nb", "a\nb", "a\nb"},  // only CR LF is a line break of the title
       }) {
    EXPECT_EQ(PageTitle(c.title), c.page_title) << c.title;
    EXPECT_EQ(PageHeading(c.title), c.heading) << c.title;
  }
}

}  // namespace
}  // namespace pictavue
