#include "platform/paths.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/memory_directory.h"

namespace pictavue {
namespace {

constexpr PathStyle kWin = PathStyle::kWindows;
constexpr PathStyle kPosix = PathStyle::kPosix;

TEST(PathRulesTest, RecognisesRoots) {
  struct Case {
    PathStyle style;
    const char* path;
    bool root;
  };
  const Case cases[] = {
      {kWin, "C:\\", true},
      {kWin, "c:", true},
      {kWin, "C:\\Tools\\", false},
      {kWin, "\\\\server\\share", true},
      {kWin, "//server/share", true},
      {kWin, "\\\\server", false},
      {kWin, "\\\\server\\share\\dir", false},
      {kWin, "\\", false},
      {kWin, "1:\\", false},
      {kPosix, "/", true},
      {kPosix, "//", true},
      {kPosix, "/home/", false},
      {kPosix, "C:\\", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsRootPath(c.path, c.style), c.root) << c.path;
  }
}

TEST(PathRulesTest, AddsAndRemovesTrailingSeparators) {
  struct Case {
    PathStyle style;
    const char* path;
    const char* with;
    const char* without;
  };
  const Case cases[] = {
      {kWin, "C:\\Photos", "C:\\Photos\\", "C:\\Photos"},
      {kWin, "C:\\Photos\\\\", "C:\\Photos\\\\", "C:\\Photos"},
      {kWin, "C:\\", "C:\\", "C:\\"},
      {kWin, "C:", "C:\\", "C:"},
      {kWin, "C:/Photos/", "C:/Photos/", "C:/Photos"},
      {kPosix, "/home/me", "/home/me/", "/home/me"},
      {kPosix, "/home/me//", "/home/me//", "/home/me"},
      {kPosix, "//", "//", "/"},
      {kPosix, "dir\\", "dir\\/", "dir\\"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WithTrailingSeparator(c.path, c.style), c.with) << c.path;
    EXPECT_EQ(WithoutTrailingSeparator(c.path, c.style), c.without) << c.path;
  }
}

TEST(PathRulesTest, JoinsAndTakesTheLastComponent) {
  struct Case {
    PathStyle style;
    const char* folder;
    const char* name;
    const char* joined;
    const char* last_of_folder;
  };
  const Case cases[] = {
      {kWin, "C:\\Photos\\Trip\\", "a.gif", "C:\\Photos\\Trip\\a.gif", "Trip"},
      {kWin, "C:\\", "a.gif", "C:\\a.gif", ""},
      {kWin, "\\\\server\\share", "a.gif", "\\\\server\\share\\a.gif", ""},
      {kWin, "Photos", "a.gif", "Photos\\a.gif", "Photos"},
      {kWin, "", "a.gif", "a.gif", ""},
      {kPosix, "/home/me/", "a.gif", "/home/me/a.gif", "me"},
      {kPosix, "/", "a.gif", "/a.gif", ""},
      {kPosix, "/home/dir\\x", "a.gif", "/home/dir\\x/a.gif", "dir\\x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JoinPath(c.folder, c.name, c.style), c.joined) << c.folder;
    EXPECT_EQ(LastComponent(c.folder, c.style), c.last_of_folder) << c.folder;
  }
}

TEST(PathRulesTest, PutsTheSettingsFileIntoTheProgramFolder) {
  struct Case {
    PathStyle style;
    const char* program_folder;
    const char* settings_file;
  };
  const Case cases[] = {
      {kWin, "E:\\", "E:\\Pictavue.ini"},
      {kWin, "C:\\Tools", "C:\\Tools\\Pictavue.ini"},
      {kWin, "\\\\server\\share\\", "\\\\server\\share\\Pictavue.ini"},
      {kWin, "\\\\server\\share", "\\\\server\\share\\Pictavue.ini"},
      {kPosix, "/", "/Pictavue.ini"},
      {kPosix, "/opt/pictavue", "/opt/pictavue/Pictavue.ini"},
      {kPosix, "", "Pictavue.ini"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SettingsFilePath(c.program_folder, c.style), c.settings_file) << c.program_folder;
  }
}

TEST(PathRulesTest, TellsWhetherAPathLiesInAFolder) {
  struct Case {
    PathStyle style;
    const char* path;
    const char* folder;
    bool below;
  };
  const Case cases[] = {
      {kWin, "c:\\program files\\Pictavue", "C:\\Program Files", true},
      {kWin, "C:\\Program Files", "C:\\Program Files\\", true},
      {kWin, "C:\\Program Files (x86)\\Pictavue", "C:\\Program Files", false},
      {kWin, "D:\\Tools", "D:\\", true},
      {kWin, "D:\\Tools", "", false},  // an unknown folder holds nothing
      {kPosix, "/usr/bin", "/usr", true},
      {kPosix, "/USR/bin", "/usr", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsSameOrBelowFolder(c.path, c.folder, c.style), c.below) << c.path << " " << c.folder;
  }
}

TEST(PathRulesTest, TakesTheDriveRootOfTheWindowsFolder) {
  EXPECT_EQ(WindowsDriveRoot("C:\\WINDOWS"), "C:\\");
  EXPECT_EQ(WindowsDriveRoot("d:\\winnt\\"), "d:\\");
  EXPECT_EQ(WindowsDriveRoot("C:"), "C:");
  EXPECT_EQ(WindowsDriveRoot(std::string("C\0:\\WINDOWS", 11)), "C");
  EXPECT_EQ(WindowsDriveRoot(""), "");
}

class NormalizeWindowsFolderPathTest : public ::testing::Test {
 protected:
  NormalizeWindowsFolderPathTest() {
    tree_.AddFolder("C:\\My Pictures\\Trip");
    tree_.AddFolder("C:\\Photos");
    tree_.AddFile("C:\\Photos\\readme.txt");
    tree_.AddFolder("\\\\FILER\\Share\\Pics\\Summer");
  }
  testing::MemoryDirectory tree_;
};

TEST_F(NormalizeWindowsFolderPathTest, SpellsEachComponentAsStored) {
  struct Case {
    const char* path;
    const char* normalized;
  };
  const Case cases[] = {
      {"c:\\my pictures\\trip\\", "C:\\My Pictures\\Trip"},
      {"  c:\\photos  ", "C:\\Photos"},
      {"c:\\photos\\readme.txt", "C:\\Photos\\readme.txt"},
      {"c:", "C:\\"},
      {"c:\\", "C:\\"},
      {"z:\\", "Z:\\"},  // a root is not looked up
      {"c:\\missing", ""},
      {"c:\\my pictures\\missing\\trip", ""},
      {"", ""},
      {"\\\\filer\\share\\pics\\summer\\", "\\\\FILER\\SHARE\\Pics\\Summer"},
      {"\\\\filer\\share\\", "\\\\FILER\\SHARE\\"},
      {"\\\\filer\\share", ""},  // a share root without its separator
      {"\\\\filer", ""},
      {"\\/filer\\share\\pics", "\\\\FILER\\SHARE\\Pics"},
      // The system takes '/' for '\': the middle components are looked up, not skipped.
      {"c:/my pictures/trip", "C:\\My Pictures\\Trip"},
      {"//filer/share/pics", "\\\\FILER\\SHARE\\Pics"},
      // "." and ".." by text, before any look-up; ".." stops at the root.
      {"c:\\my pictures\\..\\my pictures\\.\\trip\\", "C:\\My Pictures\\Trip"},
      {"c:\\photos\\..\\..\\photos", "C:\\Photos"},
      {"\\\\filer\\share\\pics\\..\\pics\\summer", "\\\\FILER\\SHARE\\Pics\\Summer"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NormalizeWindowsFolderPath(c.path, tree_.Lookup()), c.normalized) << c.path;
  }
}

TEST_F(NormalizeWindowsFolderPathTest, LooksUpEachPrefixInUpperCaseAndStopsAtTheFirstMiss) {
  std::vector<std::string> asked;
  const StoredNameLookup recording = [&](const std::string& path) {
    asked.push_back(path);
    return tree_.StoredName(path);
  };
  EXPECT_EQ(NormalizeWindowsFolderPath("c:\\my pictures\\nope\\trip", recording), "");
  EXPECT_EQ(asked, (std::vector<std::string>{"C:\\MY PICTURES", "C:\\MY PICTURES\\NOPE"}));
}

TEST(ResolvePosixPathLexicallyTest, ResolvesDotsAgainstTheCurrentFolder) {
  struct Case {
    const char* path;
    const char* current;
    const char* resolved;
  };
  const Case cases[] = {
      {"a/./b/", "/cwd", "/cwd/a/b"}, {"../x", "/cwd/sub", "/cwd/x"}, {"..", "/", "/"},
      {"/../..", "/cwd", "/"},        {"", "/cwd", "/cwd"},           {"//a//b//", "/cwd", "/a/b"},
      {" a ", "/cwd", "/cwd/ a "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ResolvePosixPathLexically(c.path, c.current), c.resolved) << c.path;
  }
}

}  // namespace
}  // namespace pictavue
