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
    EXPECT_EQ(page, testing::DataFile("generate/golden/" + row[0], page)) << row[0];
  }
}

TEST(IndexPageTest, LinesBetweenFolderGroups) {
  for (const Row& row : ReadTable("generate/folder_groups.tsv")) {
    std::string out;
    WriteFolderGroupLines(row[3], row[4] == "first",
                          {row[0] == "1", row[1] == "1", row[2] == "1", PathStyle::kWindows}, out);
    EXPECT_EQ(out, row[5]) << row.Text();
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
