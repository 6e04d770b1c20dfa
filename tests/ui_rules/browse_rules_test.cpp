#include "ui/rules/browse_rules.h"

#include <map>
#include <string>

#include <gtest/gtest.h>

#include "support/data_table.h"

namespace pictavue {
namespace {

// A file system of a few folders, in Windows style.
FileKind KindInFakeTree(std::string_view path) {
  static const std::map<std::string_view, FileKind> kinds = {
      {"C:\\Program Files\\Browser\\", FileKind::kFolder},
      {"C:\\Program Files\\Browser", FileKind::kFolder},
      {"C:\\Program Files\\Browser\\browser.exe", FileKind::kFile},
      {"browser.exe", FileKind::kFile},
      {"Pictures", FileKind::kFolder},
      {"D:\\", FileKind::kFolder},
  };
  const auto found = kinds.find(path);
  return found == kinds.end() ? FileKind::kMissing : found->second;
}

TEST(BrowseRulesTest, AChooserOpensAtAnExistingFolderOfThePath) {
  for (const testing::Row& row : testing::ReadTable("ui/browse_start.tsv")) {
    EXPECT_EQ(row[0] == "folder" ? FolderBrowseStart(row[1], KindInFakeTree)
                                 : FileBrowseStart(row[1], PathStyle::kWindows, KindInFakeTree),
              row[2])
        << row.Text();
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
