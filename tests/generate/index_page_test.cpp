#include "generate/index_page.h"

#include <cctype>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "generate/frame_set.h"
#include "generate/gallery_fixture.h"
#include "generate/page_layout.h"
#include "support/data_table.h"
#include "support/recording_front_end.h"

namespace pictavue {
namespace {

using testing::ReadTable;
using testing::Row;

// A tree of pictures.tsv in page order (or a number of pictures, all a menu needs), paginated.
RunState Paginated(const std::string& tree, const GalleryOptions& options) {
  RunState run;
  for (const Row& row : ReadTable("generate/pictures.tsv")) {
    if (row[0] == tree) {
      EXPECT_TRUE(AppendImage(
          run, {row[1], row[2], std::stoll(row[3]), static_cast<std::int16_t>(std::stoi(row[4])),
                static_cast<std::int16_t>(std::stoi(row[5]))}));
    }
  }
  if (std::isdigit(static_cast<unsigned char>(tree[0]))) {
    run.ImageCount = std::stoi(tree);
  }
  run.ImagesPerPage = IsUnlimited(options) ? 0 : ImagesPerPage(IppText(options)).value_or(0);
  run.PageCount = IsUnlimited(options) ? 1 : PageCount(run.ImageCount, run.ImagesPerPage);
  return run;
}

// Every page of pages.tsv, byte for byte, the frame sets and menus among them.
TEST(IndexPageTest, MatchesTheHandCheckedPages) {
  for (const Row& row : ReadTable("generate/pages.tsv")) {
    const bool posix = row[1] == "posix";
    GalleryOptions options =
        testing::OptionsFor(posix ? "/home/me/Photos" : "C:\\Photos", row[2], row.From(7));
    options.Title = row[4];
    options.Name = row[5];
    options.Email = row[6];
    const RunState run = Paginated(row[1], options);
    const PageContext context{options, run, posix ? PathStyle::kPosix : PathStyle::kWindows,
                              posix ? testing::kPosixHome : testing::kWindowsHome,
                              testing::kFixedNow};
    std::string page, frame_set, menu;
    if (row[3] == "frameset" || row[3] == "menu") {
      ASSERT_TRUE(WriteFrameSet(context, frame_set, menu).ok()) << row[0];
      page = row[3] == "menu" ? menu : frame_set;
    } else {
      testing::RecordingFrontEnd feedback;
      ASSERT_TRUE(WriteIndexPage(context, std::stoi(row[3]), feedback, page).ok()) << row[0];
    }
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

}  // namespace
}  // namespace pictavue
