// Path kinds, canonical folder paths, the program's folder and the settings location, on the
// system's own file system: drive letters, backslashes, names stored in their own letter case.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/path_kind.h"
#include "platform/paths.h"
#include "platform/program_folder.h"
#include "platform/settings_location.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

using testing::TempFolder;

// Makes a folder tree at a drive's root for one test and removes what it made afterwards.
class RootTree {
 public:
  explicit RootTree(std::string top) : top_(std::move(top)) {
    std::error_code error;
    made_ = !std::filesystem::exists(top_, error) && std::filesystem::create_directory(top_, error);
  }
  ~RootTree() {
    if (made_) {
      std::error_code error;
      std::filesystem::remove_all(top_, error);
    }
  }
  RootTree(const RootTree&) = delete;
  RootTree& operator=(const RootTree&) = delete;

  bool made() const { return made_; }

 private:
  std::string top_;
  bool made_ = false;
};

TEST(PathsWin32, KindOfAPath) {
  TempFolder folder;
  const std::string file = folder.WriteFile("a.gif", "x");
  struct Case {
    std::string path;
    FileKind kind;
  };
  const std::vector<Case> cases = {
      {"C:\\", FileKind::kFolder},
      {"c:/", FileKind::kFolder},
      {folder.Path(), FileKind::kFolder},
      {folder.Path() + "\\", FileKind::kFolder},
      {file, FileKind::kFile},
      {folder.Path("missing"), FileKind::kMissing},
      {"", FileKind::kMissing},
      {folder.Path("*.gif"), FileKind::kMissing},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PathKind(c.path), c.kind) << c.path;
  }
}

TEST(PathsWin32, NormalizeFolderPathSpellsEveryNameAsStored) {
  const RootTree tree("C:\\My Pictures");
  if (!tree.made()) {
    GTEST_SKIP() << "C:\\My Pictures exists already or C:\\ cannot be written";
  }
  std::filesystem::create_directories("C:\\My Pictures\\Trip");
  struct Case {
    const char* path;
    const char* normalized;
  };
  const std::vector<Case> cases = {
      {"c:\\my pictures\\trip\\", "C:\\My Pictures\\Trip"},
      {"  C:\\MY PICTURES\\TRIP  ", "C:\\My Pictures\\Trip"},
      {"c:/my pictures/trip", "C:\\My Pictures\\Trip"},
      {"c:\\my pictures", "C:\\My Pictures"},
      {"c:", "C:\\"},
      {"c:\\", "C:\\"},
      {"c:\\my pictures\\missing\\", ""},
      {"c:\\my pict*\\trip\\", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NormalizeFolderPath(c.path), c.normalized) << c.path;
  }
}

TEST(PathsWin32, DefaultSearchFolderIsTheWindowsFoldersDrive) {
  char windows_folder[MAX_PATH + 1] = {};
  ASSERT_GT(GetWindowsDirectoryA(windows_folder, MAX_PATH), 0u);
  EXPECT_EQ(DefaultSearchFolder(), std::string(windows_folder, 3));
  EXPECT_EQ(DefaultSearchFolder().substr(1), ":\\");
}

TEST(PathsWin32, ProgramFolderAndSettingsBesideIt) {
  const std::string program = ProgramFilePath("");
  ASSERT_FALSE(program.empty());
  EXPECT_EQ(PathKind(program), FileKind::kFile);
  const std::string folder = ProgramFolder("");
  EXPECT_EQ(program.substr(0, folder.size() + 1), folder + "\\");
  EXPECT_EQ(LastComponent(program, PathStyle::kWindows), "platform_win32_test.exe");

  // The test program's folder is a writable portable copy: the settings live beside it.
  const SettingsLocation location = LocateSettings(LocateProgramFiles(folder), false);
  EXPECT_EQ(location.settings_file_path, folder + "\\Pictavue.ini");
  EXPECT_EQ(location.default_output_folder, folder);
  EXPECT_TRUE(location.portable);
}

TEST(PathsWin32, ResolvingAProgramByItsName) {
  TempFolder folder;
  const std::string tools = folder.MakeFolder("tools");
  const std::string viewer = folder.WriteFile("tools\\viewer.exe", "MZ");
  EXPECT_EQ(ResolveProgramFile("viewer", tools, ""), viewer);
  EXPECT_EQ(ResolveProgramFile("viewer.exe", "C:\\", "C:\\none;" + tools), viewer);
  EXPECT_EQ(ResolveProgramFile("tools\\viewer.exe", folder.Path(), ""), viewer);
  EXPECT_EQ(ResolveProgramFile(viewer, "C:\\", ""), viewer);
  EXPECT_EQ(ResolveProgramFile("missing", tools, tools), "");
  EXPECT_EQ(ResolveProgramFile("", tools, tools), "");
}

TEST(PathsWin32, CurrentAndHomeFolders) {
  TempFolder folder;
  {
    const testing::CurrentFolderChange change(folder.path());
    EXPECT_EQ(CurrentFolder(), folder.Path());
  }
  EXPECT_EQ(PathKind(HomeFolder()), FileKind::kFolder);
}

}  // namespace
}  // namespace pictavue
