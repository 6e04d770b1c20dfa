#include "generate/index_page.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "generate/gallery_fixture.h"
#include "support/data_table.h"
#include "support/recording_front_end.h"

namespace pictavue {
namespace {

using testing::ReadTable;
using testing::Row;

// Every page of pages.tsv, byte for byte.
TEST(IndexPageTest, MatchesTheHandCheckedPages) {
  for (const Row& row : ReadTable("generate/pages.tsv")) {
    const bool posix = row[1] == "posix";
    RunState run = testing::Tree(row[1]);
    GalleryOptions options =
        testing::OptionsFor(posix ? "/home/me/Photos" : "C:\\Photos", row[2], row.From(7));
    options.Title = row[4];
    options.Name = row[5];
    options.Email = row[6];
    testing::Paginate(options, run);
    const PageContext context{options, run, posix ? PathStyle::kPosix : PathStyle::kWindows,
                              posix ? testing::kPosixHome : testing::kWindowsHome,
                              testing::kFixedNow};
    testing::RecordingFrontEnd feedback;
    std::string page;
    ASSERT_TRUE(WriteIndexPage(context, std::stoi(row[3]), feedback, page).ok()) << row[0];
    EXPECT_EQ(page, testing::DataFile("generate/golden/" + row[0])) << row[0];
  }
}

// The first, last and only pages are in the golden pages; this is the middle of 57 pictures.
TEST(IndexPageTest, NavigationLineOfAMiddlePage) {
  EXPECT_EQ(NavigationLine(2, {20, 39, true}, 57, "My #1.htm", "p%3.htm", PathStyle::kWindows),
            "<center><a href=\"My %231.htm\"><font color=\"blue\">Back</font></a>"
            "\u3000\u3000\u300021-40 / 57\u3000\u3000\u3000<a href=\"p%253.htm\">"
            "<font color=\"blue\">Next</font></a></center>\r\n");
}

TEST(IndexPageTest, LinesBetweenFolderGroups) {
  for (const Row& row : ReadTable("generate/folder_groups.tsv")) {
    std::string out;
    WriteFolderGroupLines(row[3], row[4] == "first",
                          {row[0] == "1", row[1] == "1", row[2] == "1", PathStyle::kWindows}, out);
    EXPECT_EQ(out, row[5]) << row.Text();
  }
}

// A quote in FileName would end the refresh address early; one in Email would leave the mailto
// attribute. The shown e-mail text stays as typed.
TEST(IndexPageTest, FileNameAndEmailStayInsideTheirAttributes) {
  RunState run = testing::Tree("windows");
  GalleryOptions options = testing::OptionsFor("C:\\Photos", "2", {"ClientPull=1"});
  options.FileName = "'q";
  options.Email = "a@b\" onmouseover=\"alert(2)";
  testing::Paginate(options, run);
  const PageContext context{options, run, PathStyle::kWindows, "", testing::kFixedNow};
  testing::RecordingFrontEnd feedback;
  std::string page;
  ASSERT_TRUE(WriteIndexPage(context, 1, feedback, page).ok());
  for (const char* text : {"content=\"15;url=%27q002.htm\">", "<a href=\"'q002.htm\">",
                           "<a href=\"mailto:a@b&quot; onmouseover=&quot;alert(2)\">a@b\" "
                           "onmouseover=\"alert(2)</a>"}) {
    EXPECT_NE(page.find(text), std::string::npos) << text;
  }
}

// A page once begun is finished: the yields only let the window repaint.
TEST(IndexPageTest, ReportsEachPictureAsProgressAndYieldsAfterIt) {
  RunState run = testing::Tree("windows");
  const GalleryOptions options = testing::OptionsFor("C:\\Photos", "2");
  testing::Paginate(options, run);
  const PageContext context{options, run, PathStyle::kWindows, "", testing::kFixedNow};
  testing::RecordingFrontEnd feedback;
  feedback.RecordProgress(true);
  feedback.CancelAtYield(1);
  std::string page;
  ASSERT_TRUE(WriteIndexPage(context, 2, feedback, page).ok());
  EXPECT_EQ(feedback.Events(), (std::vector<std::string>{"value 3", "value 4"}));
  EXPECT_EQ(feedback.YieldCount(), 2);
  EXPECT_TRUE(page.ends_with("</body></html>\r\n"));
}

}  // namespace
}  // namespace pictavue
