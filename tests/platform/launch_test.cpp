#include "platform/launch.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/path_style.h"
#include "support/data_table.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

TEST(BrowserCommandTest, QuotesTheBrowserOnceAndThePageAlways) {
  for (const testing::Row& row : testing::ReadTable("platform/browser_commands.tsv")) {
    const ProgramCommand command = BrowserCommand(row[0], row[1]);
    EXPECT_EQ(command.program, row[2]) << row.Text();
    EXPECT_EQ(command.arguments, Lines{row[1]}) << row.Text();
    EXPECT_EQ(CommandLineText(command), row[3]) << row.Text();
  }
}

// The POSIX launcher: xdg-open and programs started without a shell. The Windows launcher is
// tested on the system in platform_win32_test.
class SystemLauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (NativePathStyle() == PathStyle::kWindows) {
      GTEST_SKIP() << "xdg-open and POSIX programs";
    }
  }

  // A shell script that writes its argument count, its arguments and "end" into record.txt,
  // then runs tail.
  std::string WriteRecorder(const std::string& name, const std::string& tail = "") {
    fs::remove(record_);
    const std::string path = folder_.WriteFile(
        name, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" end > '" + record_ + "'\n" + tail);
    fs::permissions(path, fs::perms::owner_all);
    return path;
  }

  // The lines the recorder wrote, once it has written them all.
  Lines Recorded() const {
    for (int attempt = 0; attempt < 250; ++attempt) {
      const std::string text = testing::ReadFileBytes(record_);
      if (text.ends_with("end\n")) {
        Lines lines;
        for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1) {
          lines.push_back(text.substr(start, end - start));
        }
        return lines;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return {};
  }

  testing::TempFolder folder_;
  const std::string record_ = folder_.Path("record.txt");
};

TEST_F(SystemLauncherTest, AProgramGetsEachArgumentWholeWithoutAShell) {
  const std::string page = folder_.Path("my \"best\" $(pics) & more; `x`/Pictavue001.htm");
  for (const char* name : {"browser", "odd browser\""}) {
    const std::string browser = WriteRecorder(name);
    EXPECT_GT(MakeSystemLauncher()->StartProgram({browser, {page}}), 0) << name;
    EXPECT_EQ(Recorded(), (Lines{"1", page, "end"})) << name;
  }
  // A file that cannot run starts nothing.
  const std::string text = folder_.WriteFile("not-a-program", "just text");
  EXPECT_EQ(MakeSystemLauncher()->StartProgram({text, {page}}), 0);
}

TEST_F(SystemLauncherTest, AssociationCodesFromTheExitOfXdgOpen) {
  const std::string bin = folder_.MakeFolder("bin");
  const char* const path = std::getenv("PATH");
  const testing::ScopedEnvironment with_bin("PATH", (bin + ":" + (path ? path : "")).c_str());
  const std::string page = folder_.Path("a b/-x \"y\"/Pictavue001.htm");
  for (const auto& [tail, expected] : std::vector<std::pair<std::string, int>>{
           {"exit 0\n", 42},
           {"exit 1\n", 31},
           {"exit 2\n", 2},
           {"exit 3\n", 31},
           {"kill -9 $$\n", 31},
           {"sleep 3\n", 42}}) {  // still running after the wait: taken as started
    WriteRecorder("bin/xdg-open", tail);
    EXPECT_EQ(MakeSystemLauncher(std::chrono::milliseconds(300))->OpenDocument(page), expected)
        << tail;
    EXPECT_EQ(Recorded(), (Lines{"1", page, "end"})) << tail;
  }
  // A relative page that looks like an option stays a path.
  WriteRecorder("bin/xdg-open", "exit 0\n");
  EXPECT_EQ(MakeSystemLauncher()->OpenDocument("-pics/Pictavue001.htm"), 42);
  EXPECT_EQ(Recorded(), (Lines{"1", "./-pics/Pictavue001.htm", "end"}));
}

TEST_F(SystemLauncherTest, NoAssociationProgramAtAll) {
  const testing::ScopedEnvironment path("PATH", folder_.MakeFolder("empty").c_str());
  EXPECT_EQ(MakeSystemLauncher()->OpenDocument("/p.htm"), kOpenNoAssociation);
}

}  // namespace
}  // namespace pictavue
