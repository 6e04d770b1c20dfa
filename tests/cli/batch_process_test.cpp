// Batch mode as a process, for what only a process shows: the exit status the program ends with,
// standard output and standard error kept apart (no progress where standard error is no
// terminal), and Ctrl+C as a signal. Each outcome's messages and settings are BatchModeTest's.

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <signal.h>

#include "support/child_process.h"
#include "support/picture_writers.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using Arguments = std::vector<std::string>;

class BatchProcessTest : public ::testing::Test {
 protected:
  BatchProcessTest() {
    folder_.WriteFile("pictures/a.gif", testing::MakeGif(120, 90));
    folder_.WriteFile("pictures/b.gif", testing::MakeGif(90, 120));
  }

  testing::ChildRequest Request(const std::string& program, const Arguments& arguments) const {
    testing::ChildRequest request;
    request.argv = {program};
    request.argv.insert(request.argv.end(), arguments.begin(), arguments.end());
    request.environment = testing::HeadlessEnvironment(
        {{"HOME", folder_.MakeFolder("home")}, {"XDG_CONFIG_HOME", folder_.Path("home/.config")}});
    return request;
  }

  testing::TempFolder folder_;
  const std::string pictures_ = folder_.Path("pictures");
  // Pages into the search folder, one picture a page.
  const std::string settings_ = folder_.WriteFile(
      "settings.ini", "[PageFormat]\r\nIPP=-1\r\nIppFree=1\r\n[OutFile]\r\nOutputDir=1\r\n");
};

TEST_F(BatchProcessTest, ExitStatusAndStreams) {
  struct Case {
    Arguments arguments;
    int status;
    std::string out;  // its start
    std::string err;  // its start
  };
  folder_.MakeFolder("taken/Pictavue002.htm");  // a folder where a page goes
  folder_.WriteFile("taken/a.gif", testing::MakeGif(1, 1));
  folder_.WriteFile("taken/b.gif", testing::MakeGif(1, 1));
  for (const Case& c : {
           Case{{"--version"}, 0, "Pictavue 1.26\n", ""},
           Case{{"--help"},
                0,
                "Usage: pictavue --batch [--settings FILE] [--yes] [--open] FOLDER\n",
                ""},
           Case{{"--batch"}, 2, "", "Pictavue: FOLDER is missing\nUsage: pictavue --batch"},
           Case{{"--batch", "--settings", settings_, pictures_},
                0,
                pictures_ + "/Pictavue001.htm\n",
                ""},
           Case{{"--batch", "--settings", settings_, folder_.Path("missing")},
                1,
                "",
                "Pictavue: " + folder_.Path("missing") + " は存在しないフォルダです。\n"},
           Case{{"--batch", "--settings", settings_, folder_.Path("taken")},
                3,
                "",
                "Pictavue: 次の理由により処理を中止します。\n\n"},
       }) {
    const testing::ChildResult result = testing::RunChild(Request(PICTAVUE_PROGRAM, c.arguments));
    EXPECT_EQ(result.exit_code, c.status) << result.Describe() << " " << c.arguments.back();
    EXPECT_TRUE(result.out.starts_with(c.out) && result.out.empty() == c.out.empty()) << result.out;
    EXPECT_TRUE(result.err.starts_with(c.err) && result.err.empty() == c.err.empty()) << result.err;
  }
  EXPECT_NE(testing::ReadFileBytes(pictures_ + "/Pictavue002.htm").find("b.gif"),
            std::string::npos);
}

// A stand-in run that waits until it is cancelled, so that the signal arrives mid-run.
TEST_F(BatchProcessTest, CtrlCCancelsTheRunWith130) {
  testing::Child child(
      Request(PICTAVUE_STAND_IN_RUN, {"--batch", "--settings", settings_, pictures_}));
  ASSERT_GT(child.pid(), 0);
  for (int attempt = 0; attempt < 500 && !fs::exists(pictures_ + "/running"); ++attempt) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_TRUE(fs::exists(pictures_ + "/running"));
  ASSERT_EQ(kill(child.pid(), SIGINT), 0);
  const testing::ChildResult result = child.Wait();
  EXPECT_EQ(result.exit_code, 130) << result.Describe();
  EXPECT_EQ(result.out + result.err, "");
  // Cancelled runs leave the history alone, but the settings are still saved.
  EXPECT_NE(testing::ReadFileBytes(settings_).find("DirHistry1=\r\n"), std::string::npos);
}

}  // namespace
}  // namespace pictavue
