#include "platform/launch.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/path_style.h"
#include "support/cases.h"
#include "support/data_table.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;

const bool kPosix = NativePathStyle() == PathStyle::kPosix;

// What both systems' launchers share: a program that starts gives its task (process) identifier,
// one that cannot start gives 0; the Windows shell reports a missing document by its own number.
TEST(SystemLauncherTest, StartsWhatCanRunAndReportsWhatCannot) {
  const auto launcher = MakeSystemLauncher();
  testing::TempFolder folder;
  const ProgramCommand quick =
      kPosix ? ProgramCommand{"/bin/true", {}}
             : ProgramCommand{"C:\\windows\\system32\\cmd.exe", {"/c", "exit"}};
  EXPECT_NE(launcher->StartProgram(quick), 0);
  EXPECT_EQ(launcher->StartProgram({folder.Path("missing.exe"), {"page.htm"}}), 0);
  EXPECT_EQ(launcher->StartProgram({"", {}}), 0);
  if (!kPosix) {
    EXPECT_EQ(launcher->OpenDocument(folder.Path("missing.htm")), kOpenFileNotFound);
  }
}

TEST(BrowserCommandTest, QuotesTheBrowserOnceAndThePageAlways) {
  for (const testing::Row& row : testing::ReadTable("platform/browser_commands.tsv")) {
    const ProgramCommand command = BrowserCommand(row[0], row[1]);
    EXPECT_EQ(command.program, row[2]) << row.Text();
    EXPECT_EQ(command.arguments, std::vector<std::string>{row[1]}) << row.Text();
    EXPECT_EQ(CommandLineText(command), row[3]) << row.Text();
  }
}

// The POSIX launcher, with shell scripts that record their arguments (the count first, one a
// line) and then run a tail.
TEST(SystemLauncherTest, EachArgumentArrivesWholeWithoutAShellAndTheAssociationAnswers) {
  if (!kPosix) {
    GTEST_SKIP() << "shell scripts and xdg-open";
  }
  const testing::TempFolder folder;
  const std::string record = folder.Path("record.txt");
  const auto recorder = [&](const std::string& name, const std::string& tail) {
    fs::remove(record);
    const std::string path =
        folder.WriteFile(name, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" >'" + record + "~'\nmv '" +
                                   record + "~' '" + record + "'\n" + tail);
    fs::permissions(path, fs::perms::owner_all);
    return path;
  };
  const auto recorded = [&record] {
    for (int attempt = 0; attempt < 250 && !fs::exists(record); ++attempt) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return testing::ReadFileBytes(record);
  };

  const std::string page = folder.Path("my \"best\" $(pics) & more; `x`/Pictavue001.htm");
  EXPECT_GT(MakeSystemLauncher()->StartProgram({recorder("odd browser\"", ""), {page}}), 0);
  EXPECT_EQ(recorded(), "1\n" + page + "\n");
  // A file that cannot run starts nothing.
  EXPECT_EQ(MakeSystemLauncher()->StartProgram({folder.WriteFile("text", "just text"), {page}}), 0);

  const char* const path = std::getenv("PATH");
  const testing::ScopedEnvironment with_bin(
      "PATH", (folder.MakeFolder("bin") + ":" + (path ? path : "")).c_str());
  for (const auto& c : testing::CaseTable("platform/launch.txt", "xdg-open")) {
    const std::string document = c[0] == "page" ? page : c[0];
    recorder("bin/xdg-open", c[1]);
    EXPECT_EQ(MakeSystemLauncher(std::chrono::milliseconds(300))->OpenDocument(document), c.Int(2))
        << c;
    EXPECT_EQ(recorded(), "1\n" + (document[0] == '-' ? "./" + document : document) + "\n") << c;
  }
  const testing::ScopedEnvironment no_tools("PATH", folder.MakeFolder("empty").c_str());
  EXPECT_EQ(MakeSystemLauncher()->OpenDocument("/p.htm"), kOpenNoAssociation);
}

}  // namespace
}  // namespace pictavue
