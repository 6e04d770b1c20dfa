// The program itself in batch mode, with its real generation run, on fixture folders: what each
// outcome writes to disk, to both streams and to the settings file, and its exit status.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/program_run.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using testing::Arguments;
using testing::Finished;
using testing::Gif;
using ::testing::HasSubstr;
using testing::kMissingTail;
using testing::ProgramRun;
using ::testing::StartsWith;

constexpr char kAbortLead[] = "Pictavue: 次の理由により処理を中止します。\n\n";

class BatchRunTest : public ::testing::Test {
 protected:
  BatchRunTest() : pictures_(folder_.MakeFolder("pictures")) {
    folder_.WriteFile("pictures/a.gif", Gif(120, 90));
    folder_.WriteFile("pictures/b.gif", Gif(90, 120));
    folder_.WriteFile("pictures/notes.txt", "not a picture");
    environment_["HOME"] = folder_.MakeFolder("home");
    environment_["XDG_CONFIG_HOME"] = folder_.Path("home/.config");
    UseSettings("");
  }

  // The test's settings file: pages into the search folder, then the given lines.
  void UseSettings(const std::string& more) {
    settings_ = folder_.WriteFile("settings.ini", "[OutFile]\r\nOutputDir=1\r\n" + more);
  }

  Finished Batch(const Arguments& options, const std::string& folder) {
    Arguments arguments = {"--batch", "--settings", settings_};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.push_back(folder);
    return ProgramRun(folder_, PICTAVUE_PROGRAM, arguments, environment_).Wait();
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

TEST_F(BatchRunTest, PagesWrittenThePagePathAndTheHistory) {
  const Finished finished = Batch({}, pictures_);
  EXPECT_EQ(finished.status, 0);
  EXPECT_EQ(finished.out, Page() + "\n");
  EXPECT_EQ(finished.err, "");
  const std::string page = testing::ReadFileBytes(Page());
  EXPECT_THAT(page, HasSubstr("a.gif"));
  EXPECT_THAT(page, HasSubstr("b.gif"));
  EXPECT_THAT(page, ::testing::Not(HasSubstr("notes.txt")));
  EXPECT_THAT(Saved(), HasSubstr("[SearchDir]\r\nDirHistry1=" + pictures_ + "\r\nDirHistry2=\r\n"));
}

TEST_F(BatchRunTest, SeveralPagesAndTheFrameSet) {
  UseSettings("[PageFormat]\r\nIPP=-1\r\nIppFree=1\r\nFrameMenu=1\r\n");
  const Finished finished = Batch({}, pictures_);
  EXPECT_EQ(finished.status, 0);
  EXPECT_EQ(finished.out, Page("Pictavue.htm") + "\n");
  for (const char* name : {"Pictavue001.htm", "Pictavue002.htm", "Pictavue.htm", "Pictavuem.htm"}) {
    EXPECT_TRUE(fs::exists(Page(name))) << name;
  }
}

TEST_F(BatchRunTest, NothingWrittenExitsWith1) {
  const std::string empty = folder_.MakeFolder("empty");
  const Finished no_pictures = Batch({}, empty);
  EXPECT_EQ(no_pictures.status, 1);
  EXPECT_EQ(no_pictures.out, "");
  EXPECT_EQ(no_pictures.err, "Pictavue: 指定されたフォルダには画像ファイルが存在しません。\n");

  const Finished missing = Batch({}, folder_.Path("missing"));
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "Pictavue: " + folder_.Path("missing") + kMissingTail);

  UseSettings("[PageFormat]\r\nClientPull=1\r\nDelay=0\r\n");
  const Finished failed_check = Batch({}, pictures_);
  EXPECT_EQ(failed_check.status, 1);
  EXPECT_EQ(failed_check.err, "Pictavue: スライドショーの間隔が数値でないか０秒です。\n");

  EXPECT_FALSE(fs::exists(Page()));
  EXPECT_THAT(Saved(), HasSubstr("DirHistry1=\r\n"));
}

TEST_F(BatchRunTest, ExistingFirstPageIsOverwrittenOnlyWithYes) {
  folder_.WriteFile("pictures/Pictavue001.htm", "old page\n");
  const std::string question = "Pictavue: Pictavue001.htm は存在します。\n\n上書きしますか？\n";

  const Finished kept = Batch({}, pictures_);
  EXPECT_EQ(kept.status, 1);
  EXPECT_EQ(kept.err, question + "Pictavue: answered No (default)\n");
  EXPECT_EQ(testing::ReadFileBytes(Page()), "old page\n");
  EXPECT_THAT(Saved(), HasSubstr("DirHistry1=\r\n"));

  const Finished overwritten = Batch({"--yes"}, pictures_);
  EXPECT_EQ(overwritten.status, 0);
  EXPECT_EQ(overwritten.out, Page() + "\n");
  EXPECT_EQ(overwritten.err, question + "Pictavue: answered Yes (--yes)\n");
  EXPECT_THAT(testing::ReadFileBytes(Page()), HasSubstr("a.gif"));
  EXPECT_THAT(Saved(), HasSubstr("DirHistry1=" + pictures_ + "\r\n"));
}

TEST_F(BatchRunTest, AWriteFailureStopsTheRunWith3) {
  // The second page's name is taken by a folder: the first page is written, the second fails.
  UseSettings("[PageFormat]\r\nIPP=-1\r\nIppFree=1\r\n");
  fs::create_directory(Page("Pictavue002.htm"));
  const Finished finished = Batch({}, pictures_);
  EXPECT_EQ(finished.status, 3);
  EXPECT_EQ(finished.out, "");
  EXPECT_THAT(finished.err, StartsWith(kAbortLead));
  EXPECT_GT(finished.err.size(), std::string(kAbortLead).size() + 1);
  EXPECT_TRUE(fs::exists(Page()));
  EXPECT_THAT(Saved(), HasSubstr("DirHistry1=\r\n"));
}

}  // namespace
}  // namespace pictavue
