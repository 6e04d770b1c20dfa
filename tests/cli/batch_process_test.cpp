// Batch mode as a process, for what only a process shows: the exit status the program ends with,
// standard output and standard error kept apart (no progress where standard error is no
// terminal), signals, and files as the system leaves them. Each outcome's messages and settings
// are BatchModeTest's.

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include "support/child_process.h"
#include "support/temp_folder.h"
#include "tools/picture_writers.h"

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

  testing::ChildRequest Request(const std::string& program, const Arguments& arguments,
                                const Arguments& more = {}) const {
    testing::ChildRequest request;
    request.argv = {program};
    request.argv.insert(request.argv.end(), arguments.begin(), arguments.end());
    request.argv.insert(request.argv.end(), more.begin(), more.end());
    request.environment = testing::HeadlessEnvironment(
        {{"HOME", folder_.MakeFolder("home")}, {"XDG_CONFIG_HOME", folder_.Path("home/.config")}});
    return request;
  }

  // The test's settings file: pages into the search folder, one picture a page, then more.
  std::string UseSettings(const std::string& more = "") const {
    return folder_.WriteFile("settings.ini", "[PageFormat]\r\nIPP=-1\r\nIppFree=1\r\n" + more +
                                                 "[OutFile]\r\nOutputDir=1\r\n");
  }
  Arguments BatchArguments(const Arguments& options = {}, const std::string& folder = "") const {
    Arguments arguments = {"--batch", "--settings", settings_};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.push_back(folder.empty() ? pictures_ : folder);
    return arguments;
  }
  testing::ChildResult Batch(const Arguments& options = {}) const {
    return testing::RunChild(Request(PICTAVUE_PROGRAM, BatchArguments(options)));
  }
  std::string Page(const std::string& name = "Pictavue001.htm") const {
    return pictures_ + "/" + name;
  }

  testing::TempFolder folder_;
  const std::string pictures_ = folder_.Path("pictures");
  const std::string settings_ = UseSettings();
};

TEST_F(BatchProcessTest, ExitStatusAndStreams) {
  struct Case {
    Arguments arguments;
    int status;
    std::string out, err;  // their start
  };
  folder_.MakeFolder("taken/Pictavue002.htm");  // a folder where a page goes
  folder_.WriteFile("taken/a.gif", testing::MakeGif(1, 1));
  folder_.WriteFile("taken/b.gif", testing::MakeGif(1, 1));
  const std::string usage =
      "使い方: pictavue --batch [--settings FILE] [--yes] [--open] [--lang LANG] FOLDER\n";
  const std::string missing = folder_.Path("missing"), taken = folder_.Path("taken");
  // English from the translation beside the program: asked for with --lang en or Language=en in
  // the settings file, which --lang outranks.
  const std::string english = folder_.WriteFile("english.ini", "[Option]\r\nLanguage=en\r\n");
  const std::string in_english = "Pictavue: " + missing + " is a folder that does not exist.\n";
  for (const Case& c : {
           Case{{"--help", "--lang", "en"}, 0, "Usage: pictavue --batch [--settings", ""},
           Case{BatchArguments({"--lang=en"}, missing), 1, "", in_english},
           Case{{"--batch", "--settings", english, missing}, 1, "", in_english},
           Case{{"--batch", "--lang", "ja", "--settings", english, missing},
                1,
                "",
                "Pictavue: " + missing + " は存在しないフォルダです。\n"},
           Case{{"--version"}, 0, "Pictavue 1.26\n", ""},
           Case{{"--help"}, 0, usage, ""},
           Case{{"--batch"}, 2, "", "Pictavue: FOLDER を指定してください。\n" + usage},
           Case{BatchArguments(), 0, Page() + "\n", ""},
           Case{BatchArguments({}, missing), 1, "",
                "Pictavue: " + missing + " は存在しないフォルダです。\n"},
           Case{BatchArguments({}, taken), 3, "", "Pictavue: 次の理由により処理を中止します。\n\n"},
       }) {
    const testing::ChildResult result = testing::RunChild(Request(PICTAVUE_PROGRAM, c.arguments));
    EXPECT_EQ(result.exit_code, c.status) << result.Describe() << " " << c.arguments.back();
    EXPECT_TRUE(result.out.starts_with(c.out) && result.out.empty() == c.out.empty()) << result.out;
    EXPECT_TRUE(result.err.starts_with(c.err) && result.err.empty() == c.err.empty()) << result.err;
  }
  EXPECT_NE(testing::ReadFileBytes(pictures_ + "/Pictavue002.htm").find("b.gif"),
            std::string::npos);
  // The language is kept where it was written and never added.
  EXPECT_NE(testing::ReadFileBytes(english).find("Language=en\r\n"), std::string::npos);
  EXPECT_EQ(testing::ReadFileBytes(settings_).find("Language"), std::string::npos);
}

// Links planted where the pages, the menu and the frame set go: each gives way to its file, and
// what it leads to is never written, the first page's (which the create probe meets after the
// question) included.
TEST_F(BatchProcessTest, PlantedLinksAreReplacedNeverFollowed) {
  UseSettings("FrameMenu=1\r\n");
  const char* const names[] = {"Pictavue001.htm", "Pictavue002.htm", "Pictavue.htm",
                               "Pictavuem.htm"};
  for (const char* name : names) {
    fs::create_symlink(folder_.WriteFile(std::string("victims/") + name, "victim\n"), Page(name));
  }
  const testing::ChildResult result = Batch({"--yes"});
  EXPECT_EQ(result.exit_code, 0) << result.Describe();
  for (const char* name : names) {
    EXPECT_FALSE(fs::is_symlink(Page(name))) << name;
    EXPECT_TRUE(testing::ReadFileBytes(Page(name)).ends_with("</html>\r\n")) << name;
    EXPECT_EQ(testing::ReadFileBytes(folder_.Path(std::string("victims/") + name)), "victim\n");
  }
}

// What a write can meet: a file-size limit, standard output on a full device, closed, or a pipe
// whose reader has gone. Each ends with its message and status 3, never a silent signal, and
// leaves no half page.
TEST_F(BatchProcessTest, WriteFaultsEndWithAMessageNotASignal) {
  const std::string fifo = folder_.Path("pipe");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  struct Case {
    std::string shell;  // runs the program as "$@"
    std::string err;    // what standard error holds
    bool pages;         // the page is written
  };
  const Case cases[] = {
      {"ulimit -f 1; exec \"$@\"", "File too large", false},
      {"exec \"$@\" >/dev/full", "standard output: No space left on device\n", true},
      {"exec \"$@\" >&-", "standard output: Bad file descriptor\n", true},
      // Opened while this shell reads it too; then the shell's end is closed.
      {"exec 4<>'" + fifo + "'; exec \"$@\" >'" + fifo + "' 4<&-", "standard output: Broken pipe\n",
       true},
  };
  for (const Case& c : cases) {
    fs::remove(Page());
    const testing::ChildResult result = testing::RunChild(
        Request("/bin/sh", {"-c", c.shell, "sh", PICTAVUE_PROGRAM}, BatchArguments()));
    EXPECT_EQ(result.exit_code, 3) << c.shell << ": " << result.Describe();
    EXPECT_NE(result.err.find(c.err), std::string::npos) << c.shell << ": " << result.err;
    EXPECT_EQ(fs::exists(Page()), c.pages) << c.shell;
    // The two pictures, and the two pages when they were written whole.
    EXPECT_EQ(std::distance(fs::directory_iterator(pictures_), {}), c.pages ? 4 : 2) << c.shell;
  }
}

// Signals while the pages are written: Ctrl+C ends the run after the page at hand (130, without a
// word), a kill anywhere. Every page on disk is whole either way, and what a kill left goes with
// the next run.
TEST_F(BatchProcessTest, ARunStoppedWhileWritingLeavesNoHalfPage) {
  constexpr int kPictures = 3002;  // with the two of every test
  for (int i = 2; i < kPictures; ++i) {
    folder_.WriteFile("pictures/p" + std::to_string(i) + ".gif", testing::MakeGif(4, 4));
  }
  const auto pages_on_disk = [this] {
    int pages = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(pictures_)) {
      const std::string name = entry.path().filename().string();
      EXPECT_FALSE(name.ends_with(".htm") &&
                   !testing::ReadFileBytes(entry.path().string()).ends_with("</html>\r\n"))
          << name;
      pages += name.ends_with(".htm") ? 1 : 0;
    }
    return pages;
  };
  for (const int signal_number : {SIGINT, SIGKILL}) {
    testing::Child child(Request(PICTAVUE_PROGRAM, BatchArguments({"--yes"})));
    // Not the first page: the create probe makes and deletes an empty one before any page is
    // written, and a kill landing between the two would be mistaken for a half page.
    for (int wait = 0; wait < 20000 && !fs::exists(Page("Pictavue002.htm")); ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_EQ(kill(child.pid(), signal_number), 0);
    const testing::ChildResult result = child.Wait();
    EXPECT_EQ(signal_number == SIGINT ? result.exit_code : result.signal,
              signal_number == SIGINT ? 130 : SIGKILL)
        << result.Describe();
    EXPECT_EQ(signal_number == SIGINT ? result.out + result.err : "", "");  // a cancel is silent
    EXPECT_LT(pages_on_disk(), kPictures) << "the run ended before the signal came";
  }
  folder_.WriteFile("pictures/.Pictavue001.htm.abcd1234.pictavue-tmp", "as a kill leaves it");
  EXPECT_EQ(Batch({"--yes"}).exit_code, 0);
  EXPECT_EQ(pages_on_disk(), kPictures);
  for (const fs::directory_entry& entry : fs::directory_iterator(pictures_)) {
    EXPECT_FALSE(entry.path().string().ends_with(".pictavue-tmp")) << entry.path();
  }
}

}  // namespace
}  // namespace pictavue
