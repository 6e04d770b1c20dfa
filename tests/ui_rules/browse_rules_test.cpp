#include "ui/rules/browse_rules.h"

#include <map>
#include <string>

#include <gtest/gtest.h>

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

struct Case {
  const char* text;
  const char* start;  // the folder the chooser opens at
};

TEST(BrowseRulesTest, AFolderChooserOpensAtAnExistingFolderOnly) {
  for (const Case& c :
       {Case{"C:\\Program Files\\Browser", "C:\\Program Files\\Browser"}, Case{"  D:\\  ", "D:\\"},
        Case{"browser.exe", ""}, Case{"E:\\Nothing", ""}, Case{"", ""}}) {
    EXPECT_EQ(FolderBrowseStart(c.text, KindInFakeTree), c.start) << c.text;
  }
}

TEST(BrowseRulesTest, AFileChooserOpensAtTheFolderOfThePath) {
  const char* folder = "C:\\Program Files\\Browser\\";
  for (const Case& c : {
           Case{"C:\\Program Files\\Browser\\browser.exe", folder},
           Case{"  C:\\Program Files\\Browser\\browser.exe ", folder},
           Case{"C:\\Program Files\\Browser\\gone.exe", folder},  // a missing file
           Case{folder, folder},
           Case{"C:\\Gone\\browser.exe", ""},
           Case{"browser.exe", ""},       // no folder part, a file
           Case{"Pictures", "Pictures"},  // no folder part, but a folder
           Case{"D:\\browser.exe", "D:\\"},
           Case{"", ""},
       }) {
    EXPECT_EQ(FileBrowseStart(c.text, PathStyle::kWindows, KindInFakeTree), c.start) << c.text;
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
