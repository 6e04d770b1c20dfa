#include "ui/rules/browse_rules.h"

#include <map>

#include "ui_rules/rules_test.h"

namespace pictavue {
namespace {

TEST(BrowseRulesTest, WhereAChooserOpensAndWhatItLists) {
  std::map<std::string, FileKind, std::less<>> tree;
  const auto kind_of = [&tree](std::string_view path) {
    const auto found = tree.find(path);
    return found == tree.end() ? FileKind::kMissing : found->second;
  };
  for (const testing::Row& row : testing::ReadTable("ui/browse_start.tsv")) {
    if (row[0] == "tree") {
      tree[row[1]] = row[2] == "folder" ? FileKind::kFolder : FileKind::kFile;
    } else if (row[0] == "programs") {
      EXPECT_EQ(QtNameFilter(BrowserFilters().front(), testing::StyleOf(row[1])), row[2]);
    } else {
      EXPECT_EQ(row[0] == "folder" ? FolderBrowseStart(row[1], kind_of)
                                   : FileBrowseStart(row[1], PathStyle::kWindows, kind_of),
                row[2])
          << row.Text();
    }
  }
}

}  // namespace
}  // namespace pictavue
