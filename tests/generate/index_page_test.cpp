#include "generate/index_page.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "generate/gallery_fixture.h"
#include "generate/html_text.h"
#include "support/recording_front_end.h"

namespace pictavue {
namespace {

struct GoldenPage {
  const char* file;
  PathStyle style;
  const char* ipp_text;  // empty: "無制限"
  int page;
  std::function<void(GalleryOptions&)> configure;
};

// Both pages of the slide show without colour buttons, sub-windows or folder lines, with the
// title, name and e-mail trimmed.
void PlainSlideShow(GalleryOptions& options) {
  options.BGColor = kUnchecked;
  options.SubWin = kUnchecked;
  options.Separator = kUnchecked;
  options.FolderName = kUnchecked;
  options.OutputDir = kOutputDirSearch;
  options.ClientPull = kChecked;
  options.Title = "  Holiday\r\nSummer 2025\r\nKyoto  ";
  options.Name = " Taro Yamada ";
  options.Email = "taro@example.com";
}

std::vector<GoldenPage> GoldenPages() {
  return {
      {"defaults.htm", PathStyle::kWindows, "100", 1,
       [](GalleryOptions& o) { o.DirName = "D:\\Gallery"; }},
      {"plain_2.htm", PathStyle::kWindows, "2", 2, PlainSlideShow},
      {"plain_3.htm", PathStyle::kWindows, "2", 3, PlainSlideShow},
      {"subwin_unlimited.htm", PathStyle::kWindows, "", 1,
       [](GalleryOptions& o) {
         o.BGColor = kUnchecked;
         o.AutoSize = kUnchecked;
         o.Separator = kUnchecked;
         o.PathName = kChecked;
         o.AltNewLine = kChecked;
         o.ClientPull = kChecked;
         o.OutputDir = kOutputDirSearch;
         o.Name = "Taro Yamada";
       }},
      {"each_window_1.htm", PathStyle::kWindows, "3", 1,
       [](GalleryOptions& o) {
         o.BGColor = kUnchecked;
         o.OnlyOne = kUnchecked;
         o.FolderName = kUnchecked;
         o.Width = false;
         o.Longer = true;
         o.Pixel = 2;  // 150
         o.Title = "Gallery";
         o.Email = "  taro@example.com  ";
       }},
      {"file_names_2.htm", PathStyle::kWindows, "2", 2,
       [](GalleryOptions& o) {
         o.NotThumbnail = kChecked;
         o.PathName = kChecked;
         o.OutputDir = kOutputDirSearch;
       }},
      {"posix_names.htm", PathStyle::kPosix, "", 1,
       [](GalleryOptions& o) {
         o.BGColor = kUnchecked;
         o.OutputDir = kOutputDirSearch;
       }},
  };
}

void PrintTo(const GoldenPage& golden, std::ostream* out) {
  *out << golden.file;
}

class GoldenPageTest : public ::testing::TestWithParam<GoldenPage> {};

TEST_P(GoldenPageTest, MatchesTheHandWrittenPage) {
  const GoldenPage& golden = GetParam();
  const bool posix = golden.style == PathStyle::kPosix;
  RunState run = posix ? testing::PosixTree() : testing::WindowsTree();
  GalleryOptions options =
      testing::OptionsFor(posix ? "/home/me/Photos" : "C:\\Photos", golden.ipp_text, run);
  golden.configure(options);
  const PageContext context{options, run, golden.style,
                            posix ? testing::kPosixHome : testing::kWindowsHome,
                            testing::kFixedNow};
  testing::RecordingFrontEnd feedback;
  std::string page;
  ASSERT_TRUE(WriteIndexPage(context, golden.page, feedback, page).ok());
  EXPECT_EQ(testing::Golden(golden.file), page) << golden.file;
}

INSTANTIATE_TEST_SUITE_P(Pages, GoldenPageTest, ::testing::ValuesIn(GoldenPages()),
                         [](const ::testing::TestParamInfo<GoldenPage>& param_info) {
                           std::string name = param_info.param.file;
                           return name.substr(0, name.find('.'));
                         });

// The first, last and only pages are in the golden pages; this is the middle of 57 pictures.
TEST(NavigationLineTest, SecondPageOfFiftySevenPictures) {
  EXPECT_EQ(NavigationLine(2, {20, 39, true}, 57, "My #1.htm", "p%3.htm", PathStyle::kWindows),
            "<center><a href=\"My %231.htm\"><font color=\"blue\">Back</font></a>"
            "\u3000\u3000\u300021-40 / 57\u3000\u3000\u3000<a href=\"p%253.htm\">"
            "<font color=\"blue\">Next</font></a></center>\r\n");
}

TEST(FolderGroupLinesTest, RulesAndHeadingsBetweenGroups) {
  struct Case {
    bool separator;
    bool folder_name;
    bool path_name;
    const char* folder;
    bool first_on_page;
    const char* expected;
  };
  for (const Case& c : {
           Case{true, true, false, "C:\\Photos\\Trip\\", true, "Trip<br><br>\r\n"},
           Case{true, true, false, "C:\\Photos\\Trip\\", false, "<hr>\r\nTrip<br><br>\r\n"},
           Case{false, true, false, "C:\\Photos\\Trip\\", false, "<br>Trip<br><br>\r\n"},
           Case{false, true, true, "C:\\Photos\\Trip\\", false, "<br>C:\\Photos\\Trip<br><br>\r\n"},
           Case{true, true, true, "C:\\", false, "<hr>\r\nC:\\<br><br>\r\n"},
           // A drive root has no last folder name: only the line break is left, or nothing.
           Case{false, true, false, "C:\\", false, "<br><br><br>\r\n"},
           Case{false, true, false, "C:\\", true, ""},
           Case{true, true, false, "C:\\", false, "<hr>\r\n"},
           Case{true, false, true, "C:\\Photos\\Trip\\", false, "<hr>\r\n"},
           Case{false, false, true, "C:\\Photos\\Trip\\", false, ""},
           Case{true, false, false, "C:\\Photos\\Trip\\", true, ""},
       }) {
    std::string out;
    WriteFolderGroupLines(c.folder, c.first_on_page,
                          {c.separator, c.folder_name, c.path_name, PathStyle::kWindows}, out);
    EXPECT_EQ(out, c.expected) << c.separator << c.folder_name << c.path_name << c.folder
                               << c.first_on_page;
  }
}

// The page's text from its first line that starts with prefix to the end of that line.
std::string LineStartingWith(const std::string& page, const std::string& prefix) {
  const std::size_t start = page.find("\r\n" + prefix);
  if (start == std::string::npos) {
    return "<none>";
  }
  return page.substr(start + 2, page.find("\r\n", start + 2) - start - 2);
}

// Page p of run in Windows style, with no home address.
std::string WrittenPage(const GalleryOptions& options, const RunState& run, int page) {
  const PageContext context{options, run, PathStyle::kWindows, "", testing::kFixedNow};
  testing::RecordingFrontEnd feedback;
  std::string out;
  EXPECT_TRUE(WriteIndexPage(context, page, feedback, out).ok());
  return out;
}

TEST(IndexPageTest, TheHomeAddressIsEscapedLikeEveryAddress) {
  RunState run = testing::WindowsTree();
  GalleryOptions options = testing::OptionsFor("C:\\Photos", "20", run);
  const PageContext context{options, run, PathStyle::kPosix, "file:///opt/100% #1/docs/index.html",
                            testing::kFixedNow};
  testing::RecordingFrontEnd feedback;
  std::string page;
  ASSERT_TRUE(WriteIndexPage(context, 1, feedback, page).ok());
  EXPECT_EQ(LineStartingWith(page, "<br><br>generated by "),
            "<br><br>generated by <i><a href=\"file:///opt/100%25 %231/docs/index.html\">"
            "Pictavue</a></i> 1.26\u3000Copyright (C) 2026 The Pictavue developers");
}

// A quote in FileName would end the refresh address early; one in Email would leave the mailto
// attribute. The shown e-mail text stays as typed.
TEST(IndexPageTest, FileNameAndEmailStayInsideTheirAttributes) {
  RunState run = testing::WindowsTree();
  GalleryOptions options = testing::OptionsFor("C:\\Photos", "2", run);
  options.FileName = "'q";
  options.ClientPull = kChecked;
  options.Email = "a@b\" onmouseover=\"alert(2)";
  const std::string page = WrittenPage(options, run, 1);
  EXPECT_NE(page.find("content=\"15;url=%27q002.htm\">"), std::string::npos);
  EXPECT_NE(page.find("<a href=\"'q002.htm\">"), std::string::npos);
  EXPECT_NE(page.find("<a href=\"mailto:a@b&quot; onmouseover=&quot;alert(2)\">a@b\" "
                      "onmouseover=\"alert(2)</a>"),
            std::string::npos);
}

TEST(IndexPageTest, ReportsEachPictureAsProgressAndYieldsAfterIt) {
  RunState run = testing::WindowsTree();
  GalleryOptions options = testing::OptionsFor("C:\\Photos", "2", run);
  const PageContext context{options, run, PathStyle::kWindows, "", testing::kFixedNow};

  class Recorder : public RunFeedback {
   public:
    std::vector<std::string> events;
    void SetProgressRange(int, int) override { events.push_back("range"); }
    void SetProgressValue(int value) override {
      events.push_back("value " + std::to_string(value));
    }
    bool YieldEvents() override {
      events.push_back("yield");
      return true;  // a cancel is the run's business: the page is finished all the same
    }
  } recorder;

  std::string page;
  ASSERT_TRUE(WriteIndexPage(context, 2, recorder, page).ok());
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"value 3", "yield", "value 4", "yield"}));
  EXPECT_EQ(page.substr(page.size() - 16), "</body></html>\r\n");
}

TEST(IndexPageTest, AThousandPagesAndMoreKeepTheirNumbers) {
  RunState run;
  for (int i = 0; i < 1001; ++i) {
    ImageEntry entry;
    entry.Folder = "C:\\P\\";
    entry.FileName = "x.gif";
    ASSERT_TRUE(AppendImage(run, entry));
  }
  GalleryOptions options = testing::OptionsFor("C:\\P", "1", run);
  options.ClientPull = kChecked;
  options.Delay = "5";
  std::string page = WrittenPage(options, run, 999);
  EXPECT_NE(page.find("<meta http-equiv=\"refresh\" content=\"5;url=Pictavue1000.htm\">"
                      "<title>Pictavue [999/1001]</title>"),
            std::string::npos);
  page = WrittenPage(options, run, 1000);
  EXPECT_EQ(LineStartingWith(page, "<center><a"),
            "<center><a href=\"Pictavue999.htm\"><font color=\"blue\">Back</font></a>"
            "\u3000\u3000\u30001000-1000 / 1001\u3000\u3000\u3000<a href=\"Pictavue1001.htm\">"
            "<font color=\"blue\">Next</font></a></center>");
}

}  // namespace
}  // namespace pictavue
