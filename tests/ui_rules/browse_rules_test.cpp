#include "ui/rules/browse_rules.h"

#include <map>
#include <string>

#include <gtest/gtest.h>

#include "support/data_table.h"

namespace pictavue {
namespace {

TEST(BrowseRulesTest, AChooserOpensAtAnExistingFolderOfThePath) {
  std::map<std::string, FileKind, std::less<>> tree;
  const auto kind_of = [&tree](std::string_view path) {
    const auto found = tree.find(path);
    return found == tree.end() ? FileKind::kMissing : found->second;
  };
  for (const testing::Row& row : testing::ReadTable("ui/browse_start.tsv")) {
    if (row[0] == "tree") {
      tree[row[1]] = row[2] == "folder" ? FileKind::kFolder : FileKind::kFile;
    } else {
      EXPECT_EQ(row[0] == "folder" ? FolderBrowseStart(row[1], kind_of)
                                   : FileBrowseStart(row[1], PathStyle::kWindows, kind_of),
                row[2])
          << row.Text();
    }
  }
}

// POSIX programs have no extension: both entries list every name, programs narrowed by the
// chooser itself.
TEST(BrowseRulesTest, NameFiltersFollowThePathStyle) {
  const FileFilter& programs = BrowserFilters().front();
  EXPECT_EQ(QtNameFilter(programs, PathStyle::kWindows), "実行ﾌｧｲﾙ(*.exe) (*.exe)");
  EXPECT_EQ(QtNameFilter(programs, PathStyle::kPosix), "実行ﾌｧｲﾙ(*.exe) (*)");
}

}  // namespace
}  // namespace pictavue
