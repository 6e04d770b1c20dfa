#include "platform/program_folder.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/path_kind.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;

TEST(ProgramFolderTest, IsTheFolderOfTheRunningExecutable) {
  const std::string file = ProgramFilePath("");
  ASSERT_EQ(PathKind(file), FileKind::kFile);
  EXPECT_EQ(fs::path(file).filename(), "platform_test");
  const std::string folder = ProgramFolder("");
  EXPECT_EQ(folder, fs::path(file).parent_path().string());
  EXPECT_NE(folder.back(), '/');
}

TEST(ProgramFolderTest, FindsTheProgramFromTheNameItWasStartedBy) {
  testing::TempFolder temp;
  const std::string tool = temp.WriteFile("bin/tool", "#!/bin/sh\n");
  ASSERT_EQ(chmod(tool.c_str(), 0755), 0);
  temp.WriteFile("other/tool", "not executable");
  const std::string base = temp.Path();
  const std::string path_variable = base + "/other:" + base + "/missing:" + base + "/bin";
  struct Case {
    std::string argv0;
    std::string current;
    std::string path_variable;
    std::string expected;
  };
  const Case cases[] = {
      {base + "/bin/tool", "/", "", tool},
      {"bin/tool", base, "", tool},
      {"tool", "/", path_variable, tool},
      {"tool", base + "/bin", ":" + base + "/other", tool},  // an empty entry: the current folder
      {"tool", "/", base + "/other", ""},
      {"bin/none", base, path_variable, ""},
      {"", base, path_variable, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ResolveProgramFile(c.argv0, c.current, c.path_variable), c.expected) << c.argv0;
  }
}

TEST(ProgramFilesInTest, LaysTheFoldersOutBelowTheProgramsFolder) {
  constexpr ProgramLayout kInstalled{"../lib/x86_64-linux-gnu/pictavue", "../share/pictavue",
                                     "../share/doc/pictavue"};
  struct Case {
    std::string program_folder;
    ProgramLayout layout;
    PathStyle style;
    ProgramFiles expected;  // installed is passed through
  };
  const Case cases[] = {
      {"/usr/bin",
       kInstalled,
       PathStyle::kPosix,
       {"/usr/bin", "/usr/lib/x86_64-linux-gnu/pictavue", "/usr/share/pictavue",
        "/usr/share/doc/pictavue", true}},
      {"/tmp/moved/opt/bin",
       kInstalled,
       PathStyle::kPosix,
       {"/tmp/moved/opt/bin", "/tmp/moved/opt/lib/x86_64-linux-gnu/pictavue",
        "/tmp/moved/opt/share/pictavue", "/tmp/moved/opt/share/doc/pictavue", true}},
      {"/", kPortableLayout, PathStyle::kPosix, {"/", "/", "/", "/docs", false}},
      {"/home/me/build/bin",
       kPortableLayout,
       PathStyle::kPosix,
       {"/home/me/build/bin", "/home/me/build/bin", "/home/me/build/bin", "/home/me/build/bin/docs",
        false}},
      {"D:\\", kPortableLayout, PathStyle::kWindows, {"D:\\", "D:\\", "D:\\", "D:\\docs", false}},
      {"C:\\Program Files\\Pictavue",
       kPortableLayout,
       PathStyle::kWindows,
       {"C:\\Program Files\\Pictavue", "C:\\Program Files\\Pictavue", "C:\\Program Files\\Pictavue",
        "C:\\Program Files\\Pictavue\\docs", true}},
  };
  for (const Case& c : cases) {
    const ProgramFiles got =
        ProgramFilesIn(c.program_folder, c.layout, c.expected.installed, c.style);
    EXPECT_EQ(got.program_folder, c.expected.program_folder);
    EXPECT_EQ(got.library_folder, c.expected.library_folder) << c.program_folder;
    EXPECT_EQ(got.data_folder, c.expected.data_folder) << c.program_folder;
    EXPECT_EQ(got.docs_folder, c.expected.docs_folder) << c.program_folder;
  }
}

}  // namespace
}  // namespace pictavue
