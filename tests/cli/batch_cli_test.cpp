// The program's batch mode as a user meets it: a process with arguments, an environment,
// standard output, standard error and an exit status.

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <signal.h>

#include "cli/program_run.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using testing::Arguments;
using testing::Finished;
using testing::Gif;
using testing::kMissingTail;
using testing::ProgramRun;

class BatchCliTest : public ::testing::Test {
 protected:
  BatchCliTest() : pictures_(folder_.MakeFolder("pictures")) {
    folder_.WriteFile("pictures/a.gif", Gif(120, 90));
    folder_.WriteFile("pictures/b.gif", Gif(90, 120));
    settings_ = folder_.WriteFile("settings.ini", "[OutFile]\r\nOutputDir=1\r\n");
    environment_["HOME"] = folder_.MakeFolder("home");
    environment_["XDG_CONFIG_HOME"] = folder_.Path("home/.config");
  }

  Finished Run(const Arguments& arguments) {
    return ProgramRun(folder_, PICTAVUE_BATCH_PROGRAM, arguments, environment_).Wait();
  }

  // Batch mode with the test's own settings file.
  Finished Batch(Arguments options, const std::string& folder) {
    Arguments arguments = {"--batch", "--settings", settings_};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.push_back(folder);
    return Run(arguments);
  }

  std::string Page() const { return pictures_ + "/Pictavue001.htm"; }

  testing::TempFolder folder_;
  std::string pictures_;
  std::string settings_;
  std::map<std::string, std::string> environment_;
};

TEST_F(BatchCliTest, VersionHelpAndUsage) {
  struct Case {
    Arguments arguments;
    int status;
    std::string out_start;
    std::string err_start;
  };
  const std::vector<Case> cases = {
      {{"--version"}, 0, "Pictavue 1.26\n", ""},
      {{"--help"}, 0, "Usage: pictavue --batch [--settings FILE] [--yes] [--open] FOLDER\n", ""},
      {{"--batch"}, 2, "", "Pictavue: FOLDER is missing\nUsage: pictavue --batch"},
      {{"--batch", "--quiet", pictures_}, 2, "", "Pictavue: unknown option --quiet\n"},
  };
  for (const Case& c : cases) {
    const Finished finished = Run(c.arguments);
    EXPECT_EQ(finished.status, c.status) << c.arguments.back();
    EXPECT_EQ(finished.out.substr(0, c.out_start.size()), c.out_start) << c.arguments.back();
    EXPECT_EQ(finished.err.substr(0, c.err_start.size()), c.err_start) << c.arguments.back();
    EXPECT_EQ(finished.out.empty(), c.out_start.empty()) << c.arguments.back();
    EXPECT_EQ(finished.err.empty(), c.err_start.empty()) << c.arguments.back();
  }
}

TEST_F(BatchCliTest, PagesWrittenThePagePathOnStandardOutputAndTheHistorySaved) {
  const Finished finished = Batch({}, pictures_);
  EXPECT_EQ(finished.status, 0);
  EXPECT_EQ(finished.out, Page() + "\n");
  EXPECT_EQ(finished.err, "");  // no terminal, no progress
  EXPECT_TRUE(fs::exists(Page()));
  const std::string saved = testing::ReadFileBytes(settings_);
  EXPECT_NE(saved.find("[SearchDir]\r\nDirHistry1=" + pictures_ + "\r\nDirHistry2=\r\n"),
            std::string::npos);
  EXPECT_NE(saved.find("\r\nOutputDir=1\r\n"), std::string::npos);
}

TEST_F(BatchCliTest, WhatWritesNothingExitsWith1AndSaysWhy) {
  const std::string empty = folder_.MakeFolder("empty");
  const std::string file = folder_.WriteFile("loose.gif", Gif(1, 1));
  struct Case {
    std::string folder;
    std::string err;
  };
  const std::vector<Case> cases = {
      {folder_.Path("missing"), "Pictavue: " + folder_.Path("missing") + kMissingTail},
      {file, "Pictavue: " + file + kMissingTail},
      {"relative/missing", "Pictavue: relative/missing" + std::string(kMissingTail)},
      {empty, "Pictavue: 指定されたフォルダには画像ファイルが存在しません。\n"},
  };
  for (const Case& c : cases) {
    const Finished finished = Batch({}, c.folder);
    EXPECT_EQ(finished.status, 1) << c.folder;
    EXPECT_EQ(finished.out, "") << c.folder;
    EXPECT_EQ(finished.err, c.err) << c.folder;
    // Saved at the end in every case, the history untouched.
    EXPECT_NE(testing::ReadFileBytes(settings_).find("DirHistry1=\r\n"), std::string::npos);
  }
}

TEST_F(BatchCliTest, AFailedCheckExitsWith1) {
  folder_.WriteFile("settings.ini", "[SearchDir]\r\nGIF=0\r\n");
  const Finished finished = Batch({}, pictures_);
  EXPECT_EQ(finished.status, 1);
  EXPECT_EQ(finished.err, "Pictavue: 画像の形式がひとつも選択されていません。\n");
  EXPECT_NE(testing::ReadFileBytes(settings_).find("\r\nGIF=0\r\n"), std::string::npos);
}

TEST_F(BatchCliTest, AnExistingPageNeedsYes) {
  folder_.WriteFile("pictures/Pictavue001.htm", "old page\n");
  const std::string question = "Pictavue: Pictavue001.htm は存在します。\n\n上書きしますか？\n";

  const Finished kept = Batch({}, pictures_);
  EXPECT_EQ(kept.status, 1);
  EXPECT_EQ(kept.out, "");
  EXPECT_EQ(kept.err, question + "Pictavue: answered No (default)\n");
  EXPECT_EQ(testing::ReadFileBytes(Page()), "old page\n");

  const Finished overwritten = Batch({"--yes"}, pictures_);
  EXPECT_EQ(overwritten.status, 0);
  EXPECT_EQ(overwritten.out, Page() + "\n");
  EXPECT_EQ(overwritten.err, question + "Pictavue: answered Yes (--yes)\n");
  EXPECT_NE(testing::ReadFileBytes(Page()), "old page\n");
}

TEST_F(BatchCliTest, ARunThatFailsExitsWith3) {
  folder_.WriteFile("pictures/fail-the-run", "");
  const Finished finished = Batch({}, pictures_);
  EXPECT_EQ(finished.status, 3);
  EXPECT_EQ(finished.out, "");
  EXPECT_EQ(finished.err, "Pictavue: 次の理由により処理を中止します。\n\nstand-in failure\n");
}

TEST_F(BatchCliTest, CtrlCCancelsTheRunWith130) {
  folder_.WriteFile("pictures/wait-for-cancel", "");
  ProgramRun run(folder_, PICTAVUE_BATCH_PROGRAM, {"--batch", "--settings", settings_, pictures_},
                 environment_);
  ASSERT_GT(run.pid(), 0);
  for (int attempt = 0; attempt < 500 && !fs::exists(pictures_ + "/running"); ++attempt) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_TRUE(fs::exists(pictures_ + "/running"));
  ASSERT_EQ(kill(run.pid(), SIGINT), 0);
  const Finished finished = run.Wait();
  EXPECT_EQ(finished.status, 130);
  EXPECT_EQ(finished.out, "");
  EXPECT_EQ(finished.err, "");
  // Cancelled runs leave the history alone, but the settings are still saved.
  EXPECT_NE(testing::ReadFileBytes(settings_).find("DirHistry1=\r\n"), std::string::npos);
}

TEST_F(BatchCliTest, TheOpenStepOnlyWithOpen) {
  const std::string bin = folder_.MakeFolder("bin");
  const std::string record = folder_.Path("opened.txt");
  const std::string xdg_open =
      folder_.WriteFile("bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + record + "'\n");
  fs::permissions(xdg_open, fs::perms::owner_all);
  environment_["PATH"] = bin + ":" + (std::getenv("PATH") ? std::getenv("PATH") : "");

  EXPECT_EQ(Batch({}, pictures_).status, 0);
  EXPECT_FALSE(fs::exists(record));

  const Finished opened = Batch({"--yes", "--open"}, pictures_);
  EXPECT_EQ(opened.status, 0);
  EXPECT_EQ(opened.out, Page() + "\n");
  EXPECT_EQ(testing::ReadFileBytes(record), Page() + "\n");
}

TEST_F(BatchCliTest, WithoutSettingsFileTheProgramFolderHoldsThem) {
  const std::string program = folder_.MakeFolder("program") + "/pictavue";
  fs::copy_file(PICTAVUE_BATCH_PROGRAM, program);
  const Finished finished =
      ProgramRun(folder_, program, {"--batch", pictures_}, environment_).Wait();
  EXPECT_EQ(finished.status, 0);
  // No output folder chosen: the pages go beside the program, like its settings.
  EXPECT_EQ(finished.out, folder_.Path("program/Pictavue001.htm") + "\n");
  EXPECT_NE(testing::ReadFileBytes(folder_.Path("program/Pictavue.ini"))
                .find("DirHistry1=" + pictures_ + "\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace pictavue
