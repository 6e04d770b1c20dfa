#include "generate/frame_set.h"

#include <cctype>
#include <string>

#include <gtest/gtest.h>

#include "generate/gallery_fixture.h"
#include "support/data_table.h"

namespace pictavue {
namespace {

TEST(FrameSetTest, MatchesTheHandCheckedFrameSetsAndMenus) {
  for (const testing::Row& row : testing::ReadTable("generate/frame_sets.tsv")) {
    RunState run =
        std::isdigit(static_cast<unsigned char>(row[2][0])) ? RunState() : testing::Tree(row[2]);
    if (run.ImageCount == 0) {
      run.ImageCount = std::stoi(row[2]);  // the menu needs the count only
    }
    const GalleryOptions options = testing::OptionsFor("C:\\Photos", row[3], row.From(4));
    testing::Paginate(options, run);
    const PageContext context{options, run, PathStyle::kWindows, testing::kWindowsHome,
                              testing::kFixedNow};
    std::string frame_set, menu;
    ASSERT_TRUE(WriteFrameSet(context, frame_set, menu).ok()) << row.Text();
    EXPECT_EQ(frame_set, testing::DataFile("generate/golden/" + row[0], frame_set)) << row.Text();
    EXPECT_EQ(menu, testing::DataFile("generate/golden/" + row[1], menu)) << row.Text();
  }
}

}  // namespace
}  // namespace pictavue
