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

}  // namespace
}  // namespace pictavue
