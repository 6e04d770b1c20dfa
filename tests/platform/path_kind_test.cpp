#include "platform/path_kind.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;

class FileSystemTest : public ::testing::Test {
 protected:
  FileSystemTest() {
    temp_.MakeFolder("Photos/Trip");
    temp_.WriteFile("Photos/a.gif", "GIF89a");
    fs::create_directory_symlink(temp_.Path("Photos"), temp_.Path("to-photos"));
    fs::create_symlink(temp_.Path("Photos/a.gif"), temp_.Path("to-file"));
    fs::create_symlink(temp_.Path("gone"), temp_.Path("broken"));
  }
  testing::TempFolder temp_;
};

TEST_F(FileSystemTest, TellsFoldersFromFilesAndMissingPaths) {
  struct Case {
    std::string path;
    FileKind kind;
  };
  const Case cases[] = {
      {temp_.Path("Photos"), FileKind::kFolder},
      {temp_.Path("Photos/a.gif"), FileKind::kFile},
      {temp_.Path("to-photos"), FileKind::kFolder},
      {temp_.Path("to-file"), FileKind::kFile},
      {temp_.Path("broken"), FileKind::kMissing},
      {temp_.Path("missing"), FileKind::kMissing},
      {temp_.Path("Photos/a.gif/x"), FileKind::kMissing},
      {std::string("/dev/null"), FileKind::kFile},
      {std::string(), FileKind::kMissing},
      {temp_.Path("Photos") + std::string(1, '\0') + "x", FileKind::kMissing},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PathKind(c.path), c.kind) << c.path;
  }
}

TEST_F(FileSystemTest, NormalizesFolderPathsByTextAndChecksThatTheyExist) {
  const std::string base = fs::canonical(temp_.Path()).string();
  testing::CurrentFolderChange change(temp_.Path("Photos"));
  struct Case {
    std::string path;
    std::string normalized;
  };
  const Case cases[] = {
      {base + "/Photos/Trip/", base + "/Photos/Trip"},
      {base + "/Photos/Trip/..", base + "/Photos"},
      {"Trip", base + "/Photos/Trip"},
      {"..", base},
      {".", base + "/Photos"},
      {base + "/to-photos/Trip", base + "/to-photos/Trip"},  // the link stays as written
      {base + "/Photos/Missing/..", base + "/Photos"},       // ".." goes by text
      {base + "/Photos/Missing", ""},
      {base + "/broken", ""},
      {"/", "/"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NormalizeFolderPath(c.path), c.normalized) << c.path;
  }
}

TEST_F(FileSystemTest, FindsTheHomeFolder) {
  {
    testing::ScopedEnvironment home("HOME", temp_.Path().c_str());
    EXPECT_EQ(HomeFolder(), temp_.Path());
    EXPECT_EQ(DefaultSearchFolder(), temp_.Path());
  }
  testing::ScopedEnvironment no_home("HOME", nullptr);
  const std::string from_password_database = HomeFolder();
  EXPECT_FALSE(from_password_database.empty());
  EXPECT_EQ(PathKind(from_password_database), FileKind::kFolder);
}

TEST_F(FileSystemTest, ReportsTheCurrentFolder) {
  testing::CurrentFolderChange change(temp_.Path("Photos/Trip"));
  EXPECT_EQ(CurrentFolder(), fs::canonical(temp_.Path("Photos/Trip")).string());
}

}  // namespace
}  // namespace pictavue
