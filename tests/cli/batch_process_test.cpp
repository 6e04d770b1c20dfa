// The program's batch mode as a user meets it: a process with arguments, an environment, standard
// output, standard error, an exit status, and the pages and settings file it leaves.

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include "support/child_process.h"
#include "support/temp_folder.h"
#include "tools/picture_writers.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;
using Arguments = std::vector<std::string>;

// The second part of the message about a folder that does not exist, as the console writes it.
constexpr char kMissingTail[] =
    " は存在しないフォルダです。\n\nリムーバブルドライブの場合はメディアが挿入されているかどうか"
    "確認してください。\n";
constexpr char kAbortLead[] = "Pictavue: 次の理由により処理を中止します。\n\n";
constexpr char kUsageLine[] =
    "使い方: pictavue --batch [--settings FILE] [--yes] [--open] [--lang LANG] FOLDER\n";

class BatchProcessTest : public ::testing::Test {
 protected:
  BatchProcessTest() : pictures_(folder_.MakeFolder("pictures")) {
    folder_.WriteFile("pictures/a.gif", testing::MakeGif(120, 90));
    folder_.WriteFile("pictures/b.gif", testing::MakeGif(90, 120));
    folder_.WriteFile("pictures/notes.txt", "not a picture");
    environment_["HOME"] = folder_.MakeFolder("home");
    environment_["XDG_CONFIG_HOME"] = folder_.Path("home/.config");
    UseSettings("");
  }

  // The test's settings file: pages into the search folder, then the given lines.
  void UseSettings(const std::string& more) {
    settings_ = folder_.WriteFile("settings.ini", "[OutFile]\r\nOutputDir=1\r\n" + more);
  }

  testing::ChildRequest Request(const std::string& program, const Arguments& arguments) const {
    testing::ChildRequest request;
    request.argv = {program};
    request.argv.insert(request.argv.end(), arguments.begin(), arguments.end());
    request.environment = testing::HeadlessEnvironment(environment_);
    return request;
  }

  testing::ChildResult Run(const Arguments& arguments,
                           const std::string& program = PICTAVUE_PROGRAM) const {
    return testing::RunChild(Request(program, arguments));
  }

  // Batch mode with the test's own settings file.
  testing::ChildResult Batch(const Arguments& options, const std::string& folder) const {
    return Run(BatchArguments(options, folder));
  }
  Arguments BatchArguments(const Arguments& options, const std::string& folder) const {
    Arguments arguments = {"--batch", "--settings", settings_};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.push_back(folder);
    return arguments;
  }

  std::string Page(const std::string& name = "Pictavue001.htm") const {
    return pictures_ + "/" + name;
  }
  std::string Saved() const { return testing::ReadFileBytes(settings_); }

  testing::TempFolder folder_;
  std::string pictures_;
  std::string settings_;
  std::map<std::string, std::string> environment_;
};

TEST_F(BatchProcessTest, VersionHelpAndUsage) {
  struct Case {
    Arguments arguments;
    int status;
    std::string out_start;
    std::string err_start;
  };
  const std::vector<Case> cases = {
      {{"--version"}, 0, "Pictavue 1.26\n", ""},
      {{"--help", "--settings", settings_}, 0, kUsageLine, ""},
      {{"--batch"}, 2, "", "Pictavue: FOLDER を指定してください。\n使い方: pictavue --batch"},
      {{"--batch", "--quiet", pictures_}, 2, "", "Pictavue: --quiet は不明なオプションです。\n"},
  };
  for (const Case& c : cases) {
    const testing::ChildResult result = Run(c.arguments);
    EXPECT_EQ(result.exit_code, c.status) << c.arguments.back();
    EXPECT_EQ(result.out.substr(0, c.out_start.size()), c.out_start) << c.arguments.back();
    EXPECT_EQ(result.err.substr(0, c.err_start.size()), c.err_start) << c.arguments.back();
    EXPECT_EQ(result.out.empty(), c.out_start.empty()) << c.arguments.back();
    EXPECT_EQ(result.err.empty(), c.err_start.empty()) << c.arguments.back();
  }
}

// --lang en, or Language=en in the settings file, makes batch mode speak English, with the
// translation that lies beside the program; the command line outranks the file. The file is
// saved with the line it had and without one it did not have.
TEST_F(BatchProcessTest, EnglishWhenAskedFor) {
  const std::string empty = folder_.MakeFolder("empty");
  const std::string again = folder_.MakeFolder("again");
  folder_.WriteFile("again/a.gif", testing::MakeGif(1, 1));
  folder_.WriteFile("again/Pictavue001.htm", "old page\n");
  const std::string nowhere = folder_.Path("nowhere");
  const std::string english = "[Option]\r\nLanguage=en\r\n";
  const std::vector<std::tuple<std::string, Arguments, std::string, std::string>> cases = {
      {"", {"--lang", "en"}, nowhere, nowhere + " is a folder that does not exist.\n\nIf it is"},
      {english, {}, empty, "The chosen folder holds no picture files.\n"},
      {english, {"--lang", "ja"}, empty, "指定されたフォルダには画像ファイルが存在しません。\n"},
      {"",
       {"--lang=en", "--yes"},
       again,
       "Pictavue001.htm exists.\n\nOverwrite it?\nPictavue: "
       "answered Yes (--yes)\n"},
  };
  for (const auto& [settings, options, folder, message] : cases) {
    UseSettings(settings);
    const testing::ChildResult result = Batch(options, folder);
    EXPECT_THAT(result.err, StartsWith("Pictavue: " + message));
    EXPECT_EQ(Saved().find("Language=en") != std::string::npos, settings == english) << message;
  }
  EXPECT_THAT(Run({"--help", "--lang", "en"}).out,
              StartsWith("Usage: pictavue --batch [--settings"));
}

TEST_F(BatchProcessTest, PagesWrittenThePagePathOnStandardOutputAndTheHistorySaved) {
  const testing::ChildResult result = Batch({}, pictures_);
  EXPECT_EQ(result.exit_code, 0) << result.Describe();
  EXPECT_EQ(result.out, Page() + "\n");
  EXPECT_EQ(result.err, "");  // no terminal, no progress
  const std::string page = testing::ReadFileBytes(Page());
  EXPECT_THAT(page, HasSubstr("a.gif"));
  EXPECT_THAT(page, HasSubstr("b.gif"));
  EXPECT_THAT(page, Not(HasSubstr("notes.txt")));
  EXPECT_THAT(Saved(), HasSubstr("[SearchDir]\r\nDirHistry1=" + pictures_ + "\r\nDirHistry2=\r\n"));
  EXPECT_THAT(Saved(), HasSubstr("\r\nOutputDir=1\r\n"));
}

TEST_F(BatchProcessTest, SeveralPagesAndTheFrameSet) {
  UseSettings("[PageFormat]\r\nIPP=-1\r\nIppFree=1\r\nFrameMenu=1\r\n");
  const testing::ChildResult result = Batch({}, pictures_);
  EXPECT_EQ(result.exit_code, 0) << result.Describe();
  EXPECT_EQ(result.out, Page("Pictavue.htm") + "\n");
  for (const char* name : {"Pictavue001.htm", "Pictavue002.htm", "Pictavue.htm", "Pictavuem.htm"}) {
    EXPECT_TRUE(fs::exists(Page(name))) << name;
  }
}

TEST_F(BatchProcessTest, WhatWritesNothingExitsWith1AndSaysWhy) {
  const std::string empty = folder_.MakeFolder("empty");
  const std::string file = folder_.WriteFile("loose.gif", testing::MakeGif(1, 1));
  struct Case {
    std::string settings;
    std::string folder;
    std::string err;
    std::string kept = "\r\nOutputDir=1\r\n";  // a line of the settings, saved again
  };
  const std::vector<Case> cases = {
      {"", folder_.Path("missing"), "Pictavue: " + folder_.Path("missing") + kMissingTail},
      {"", file, "Pictavue: " + file + kMissingTail},
      {"", "relative/missing", "Pictavue: relative/missing" + std::string(kMissingTail)},
      {"", empty, "Pictavue: 指定されたフォルダには画像ファイルが存在しません。\n"},
      {"[SearchDir]\r\nGIF=0\r\n", pictures_,
       "Pictavue: 画像の形式がひとつも選択されていません。\n", "\r\nGIF=0\r\n"},
      {"[PageFormat]\r\nClientPull=1\r\nDelay=0\r\n", pictures_,
       "Pictavue: スライドショーの間隔が数値でないか０秒です。\n", "\r\nClientPull=1\r\n"},
  };
  for (const Case& c : cases) {
    UseSettings(c.settings);
    const testing::ChildResult result = Batch({}, c.folder);
    EXPECT_EQ(result.exit_code, 1) << c.folder;
    EXPECT_EQ(result.out, "") << c.folder;
    EXPECT_EQ(result.err, c.err) << c.folder;
    EXPECT_FALSE(fs::exists(Page())) << c.folder;
    // Saved at the end in every case, the history untouched.
    EXPECT_THAT(Saved(), HasSubstr("DirHistry1=\r\n")) << c.folder;
    EXPECT_THAT(Saved(), HasSubstr(c.kept)) << c.folder;
  }
}

TEST_F(BatchProcessTest, AnExistingFirstPageIsOverwrittenOnlyWithYes) {
  folder_.WriteFile("pictures/Pictavue001.htm", "old page\n");
  const std::string question = "Pictavue: Pictavue001.htm は存在します。\n\n上書きしますか？\n";

  const testing::ChildResult kept = Batch({}, pictures_);
  EXPECT_EQ(kept.exit_code, 1);
  EXPECT_EQ(kept.out, "");
  EXPECT_EQ(kept.err, question + "Pictavue: 「いいえ」と答えました（既定）\n");
  EXPECT_EQ(testing::ReadFileBytes(Page()), "old page\n");
  EXPECT_THAT(Saved(), HasSubstr("DirHistry1=\r\n"));

  const testing::ChildResult overwritten = Batch({"--yes"}, pictures_);
  EXPECT_EQ(overwritten.exit_code, 0);
  EXPECT_EQ(overwritten.out, Page() + "\n");
  EXPECT_EQ(overwritten.err, question + "Pictavue: 「はい」と答えました（--yes）\n");
  EXPECT_THAT(testing::ReadFileBytes(Page()), HasSubstr("a.gif"));
  EXPECT_THAT(Saved(), HasSubstr("DirHistry1=" + pictures_ + "\r\n"));
}

TEST_F(BatchProcessTest, AWriteFailureStopsTheRunWith3) {
  // The second page's name is taken by a folder: the first page is written, the second fails.
  UseSettings("[PageFormat]\r\nIPP=-1\r\nIppFree=1\r\n");
  fs::create_directory(Page("Pictavue002.htm"));
  const testing::ChildResult result = Batch({}, pictures_);
  EXPECT_EQ(result.exit_code, 3);
  EXPECT_EQ(result.out, "");
  EXPECT_THAT(result.err, StartsWith(kAbortLead));
  EXPECT_GT(result.err.size(), std::string(kAbortLead).size() + 1);
  EXPECT_TRUE(fs::exists(Page()));
  EXPECT_THAT(Saved(), HasSubstr("DirHistry1=\r\n"));
}

// Links planted where the pages, the menu and the frame set go: each gives way to its file, and
// what it leads to is never written, the first page's (which the create probe meets after the
// question) included.
TEST_F(BatchProcessTest, PlantedLinksAreReplacedNeverFollowed) {
  UseSettings("[PageFormat]\r\nIPP=-1\r\nIppFree=1\r\nFrameMenu=1\r\n");
  const char* const names[] = {"Pictavue001.htm", "Pictavue002.htm", "Pictavue.htm",
                               "Pictavuem.htm"};
  for (const char* name : names) {
    fs::create_symlink(folder_.WriteFile(std::string("victims/") + name, "victim\n"), Page(name));
  }
  const testing::ChildResult result = Batch({"--yes"}, pictures_);
  EXPECT_EQ(result.exit_code, 0) << result.Describe();
  for (const char* name : names) {
    EXPECT_FALSE(fs::is_symlink(Page(name))) << name;
    EXPECT_THAT(testing::ReadFileBytes(Page(name)), HasSubstr("</html>\r\n")) << name;
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
    Arguments arguments = {"-c", c.shell, "sh", PICTAVUE_PROGRAM};
    const Arguments batch = BatchArguments({}, pictures_);
    arguments.insert(arguments.end(), batch.begin(), batch.end());
    const testing::ChildResult result = Run(arguments, "/bin/sh");
    EXPECT_EQ(result.exit_code, 3) << c.shell << ": " << result.Describe();
    EXPECT_THAT(result.err, HasSubstr(c.err)) << c.shell;
    EXPECT_EQ(fs::exists(Page()), c.pages) << c.shell;
    EXPECT_EQ(std::distance(fs::directory_iterator(pictures_), {}), c.pages ? 4 : 3) << c.shell;
  }
}

// Signals while the pages are written: Ctrl+C ends the run after the page at hand (130), a kill
// anywhere. Every page on disk is whole either way, and what a kill left goes with the next run.
TEST_F(BatchProcessTest, ARunStoppedWhileWritingLeavesNoHalfPage) {
  UseSettings("[PageFormat]\r\nIPP=-1\r\nIppFree=1\r\n");
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
    testing::Child child(Request(PICTAVUE_PROGRAM, BatchArguments({"--yes"}, pictures_)));
    for (int wait = 0; wait < 20000 && !fs::exists(Page()); ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_EQ(kill(child.pid(), signal_number), 0);
    const testing::ChildResult result = child.Wait();
    EXPECT_EQ(signal_number == SIGINT ? result.exit_code : result.signal,
              signal_number == SIGINT ? 130 : SIGKILL)
        << result.Describe();
    EXPECT_LT(pages_on_disk(), kPictures) << "the run ended before the signal came";
  }
  folder_.WriteFile("pictures/.Pictavue001.htm.abcd1234.pictavue-tmp", "as a kill leaves it");
  EXPECT_EQ(Batch({"--yes"}, pictures_).exit_code, 0);
  EXPECT_EQ(pages_on_disk(), kPictures);
  for (const fs::directory_entry& entry : fs::directory_iterator(pictures_)) {
    EXPECT_FALSE(entry.path().string().ends_with(".pictavue-tmp")) << entry.path();
  }
}

// A stand-in run that waits until it is cancelled, so that the signal arrives mid-run.
TEST_F(BatchProcessTest, CtrlCCancelsTheRunWith130) {
  testing::Child child(Request(PICTAVUE_STAND_IN_RUN, BatchArguments({}, pictures_)));
  ASSERT_GT(child.pid(), 0);
  for (int attempt = 0; attempt < 500 && !fs::exists(pictures_ + "/running"); ++attempt) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_TRUE(fs::exists(pictures_ + "/running"));
  ASSERT_EQ(kill(child.pid(), SIGINT), 0);
  const testing::ChildResult result = child.Wait();
  EXPECT_EQ(result.exit_code, 130) << result.Describe();
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "");
  // Cancelled runs leave the history alone, but the settings are still saved.
  EXPECT_THAT(Saved(), HasSubstr("DirHistry1=\r\n"));
}

TEST_F(BatchProcessTest, TheOpenStepOnlyWithOpen) {
  const std::string bin = folder_.MakeFolder("bin");
  const std::string record = folder_.Path("opened.txt");
  const std::string xdg_open =
      folder_.WriteFile("bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + record + "'\n");
  fs::permissions(xdg_open, fs::perms::owner_all);
  environment_["PATH"] = bin + ":" + (std::getenv("PATH") ? std::getenv("PATH") : "");

  EXPECT_EQ(Batch({}, pictures_).exit_code, 0);
  EXPECT_FALSE(fs::exists(record));

  const testing::ChildResult opened = Batch({"--yes", "--open"}, pictures_);
  EXPECT_EQ(opened.exit_code, 0);
  EXPECT_EQ(opened.out, Page() + "\n");
  EXPECT_EQ(testing::ReadFileBytes(record), Page() + "\n");
}

TEST_F(BatchProcessTest, WithoutSettingsFileTheProgramFolderHoldsThem) {
  const std::string program = folder_.MakeFolder("program") + "/pictavue";
  fs::copy_file(PICTAVUE_PROGRAM, program);
  const testing::ChildResult result = Run({"--batch", pictures_}, program);
  EXPECT_EQ(result.exit_code, 0) << result.Describe();
  // No output folder chosen: the pages go beside the program, like its settings.
  EXPECT_EQ(result.out, folder_.Path("program/Pictavue001.htm") + "\n");
  EXPECT_THAT(testing::ReadFileBytes(folder_.Path("program/Pictavue.ini")),
              HasSubstr("DirHistry1=" + pictures_ + "\r\n"));
}

// The bundled sample pictures: each kind measures as it was drawn (the portrait stored on its
// side and turned upright by its EXIF orientation), and every file of the gallery is written.
TEST_F(BatchProcessTest, TheSampleGallery) {
  const char* source = std::getenv("PICTAVUE_TEST_SOURCE_DIR");
  const std::string samples = std::string(source == nullptr ? "." : source) + "/examples/pictures";
  const std::string out = folder_.MakeFolder("gallery");
  settings_ = folder_.WriteFile(
      "settings.ini",
      "[SearchDir]\r\nSubDir=1\r\nGIF=1\r\nJPEG=1\r\nPNG=1\r\nBMP=1\r\nWMF=1\r\nEMF=1\r\n"
      "[PageFormat]\r\nIPP=-1\r\nIppFree=4\r\nFrameMenu=1\r\n"
      "[OutFile]\r\nOutputDir=0\r\nDirName=" +
          out + "\r\n");
  const testing::ChildResult result = Batch({}, samples);
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, out + "/Pictavue.htm\n");
  EXPECT_EQ(result.err, "");
  for (const char* name : {"Pictavue.htm", "Pictavuem.htm"}) {
    EXPECT_TRUE(fs::is_regular_file(out + "/" + name)) << name;
  }
  const std::string pages = testing::ReadFileBytes(out + "/Pictavue001.htm") +
                            testing::ReadFileBytes(out + "/Pictavue002.htm");
  for (const char* picture :
       {"pictures/sea.jpg 6.5kb 240x160pixel", "metafiles/star.wmf 0.2kb 96x96pixel",
        "metafiles/waves.emf 0.5kb 128x96pixel", "shapes/circles.png 5.5kb 200x150pixel",
        "shapes/stripes.gif 34.8kb 200x150pixel", "shapes/tiles.bmp 36.9kb 128x96pixel",
        "風景/night.jpg 3.1kb 120x180pixel", "風景/sunset.jpg 4.1kb 240x160pixel"}) {
    EXPECT_THAT(pages, HasSubstr(picture));
  }
  EXPECT_THAT(Saved(), HasSubstr("DirHistry1=" + samples));
}

}  // namespace
}  // namespace pictavue
