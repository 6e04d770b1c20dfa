#include "app/batch_mode.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "generate/page_layout.h"
#include "platform/path_style.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

// The page paths the program prints use the system's own separator.
const std::string kSeparator(1, Separator(NativePathStyle()));

namespace fs = std::filesystem;
using Arguments = std::vector<std::string>;

constexpr char kMissingTail[] =
    " は存在しないフォルダです。\n\nリムーバブルドライブの場合はメディアが挿入されているかどうか"
    "確認してください。\n";

struct BatchOutput {
  int status = -1;
  std::string out;
  std::string err;
};

// Batch mode in a program folder of its own (writable, so the settings live there unless
// --settings says otherwise), with a fake run whose page is where the real run would put it.
class BatchModeTest : public ::testing::Test {
 protected:
  BatchModeTest()
      : program_folder_(folder_.MakeFolder("program")), pictures_(folder_.MakeFolder("pics")) {
    services_.program_file = program_folder_ + kSeparator + "pictavue";
    services_.startup = &startup_;
    services_.launcher = &launcher_;
    services_.make_run = [this](Session& session) {
      auto run = std::make_unique<testing::FakeRun>(run_);
      run->page_to_open =
          PageToOpen(session.options, 1, session.default_output_folder, session.style);
      return run;
    };
    services_.interrupted = [this] { return interrupted_; };
  }

  BatchOutput Batch(const Arguments& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    BatchOutput result;
    result.status = RunBatch(arguments, out, err, services_);
    result.out = out.str();
    result.err = err.str();
    return result;
  }

  std::string SettingsFile() const { return program_folder_ + kSeparator + "Pictavue.ini"; }

  testing::TempFolder folder_;
  std::string program_folder_;
  std::string pictures_;
  SystemStartup startup_;
  testing::FakeLauncher launcher_;
  testing::FakeRun run_;  // the outcome every run of the test has
  bool interrupted_ = false;
  BatchServices services_;
};

TEST_F(BatchModeTest, VersionAndHelpGoToStandardOutput) {
  const BatchOutput version = Batch({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "Pictavue 1.26\n");
  EXPECT_EQ(version.err, "");

  const BatchOutput help = Batch({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out, BatchHelpText());
  EXPECT_EQ(
      help.out.rfind("Usage: pictavue --batch [--settings FILE] [--yes] [--open] FOLDER\n", 0), 0u);
  EXPECT_FALSE(fs::exists(SettingsFile()));
}

TEST_F(BatchModeTest, UsageErrorsExitWith2AndTouchNothing) {
  const std::vector<std::pair<Arguments, std::string>> cases = {
      {{}, "--batch is missing"},
      {{"--batch"}, "FOLDER is missing"},
      {{"--batch", pictures_, pictures_}, "one FOLDER only (quote a name with blanks)"},
      {{"--batch", "--bogus", pictures_}, "unknown option --bogus"},
      {{"--batch", pictures_, "--settings"}, "--settings needs a FILE"},
      {{"--batch", "--settings=", pictures_}, "--settings needs a FILE"},
  };
  for (const auto& [arguments, reason] : cases) {
    const BatchOutput result = Batch(arguments);
    EXPECT_EQ(result.status, 2) << reason;
    EXPECT_EQ(result.out, "") << reason;
    EXPECT_EQ(result.err, "Pictavue: " + reason +
                              "\nUsage: pictavue --batch [--settings FILE] [--yes] [--open] "
                              "FOLDER\nTry 'pictavue --help' for more.\n")
        << reason;
  }
  EXPECT_FALSE(fs::exists(SettingsFile()));
  EXPECT_EQ(run_.runs, 0);
}

TEST_F(BatchModeTest, PagesWrittenPrintThePageAndSaveTheHistory) {
  const BatchOutput result = Batch({"--batch", pictures_});
  EXPECT_EQ(result.status, 0);
  // Without a chosen output folder the pages go beside the program.
  EXPECT_EQ(result.out, program_folder_ + kSeparator + "Pictavue001.htm\n");
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(launcher_.calls, std::vector<std::string>{});  // no --open
  EXPECT_NE(testing::ReadFileBytes(SettingsFile()).find("DirHistry1=" + pictures_ + "\r\n"),
            std::string::npos);
}

TEST_F(BatchModeTest, TheFolderIsTakenInItsCanonicalForm) {
  folder_.WriteFile("program/Pictavue.ini", "[OutFile]\r\nOutputDir=1\r\n");
  const BatchOutput result = Batch({"--batch", "--", folder_.Path("pics/../pics/")});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, pictures_ + kSeparator + "Pictavue001.htm\n");
}

TEST_F(BatchModeTest, SettingsFileIsReadAndWritten) {
  const std::string settings =
      folder_.WriteFile("mine.ini", "[OutFile]\r\nFileName=Album\r\nOutputDir=1\r\n; kept\r\n");
  for (const Arguments& arguments : {Arguments{"--batch", "--settings", settings, pictures_},
                                     Arguments{"--batch", "--settings=" + settings, pictures_}}) {
    const BatchOutput result = Batch(arguments);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, pictures_ + kSeparator + "Album001.htm\n");
  }
  const std::string saved = testing::ReadFileBytes(settings);
  EXPECT_NE(saved.find("DirHistry1=" + pictures_ + "\r\n"), std::string::npos);
  EXPECT_NE(saved.find("FileName=Album\r\n"), std::string::npos);
  EXPECT_NE(saved.find("; kept\r\n"), std::string::npos);
  EXPECT_FALSE(fs::exists(SettingsFile()));
}

TEST_F(BatchModeTest, AFolderThatIsNoFolderIsToldAndExitsWith1) {
  const std::string file = folder_.WriteFile("photo.gif", "GIF89a");
  for (const std::string& folder : {std::string("no such folder"), file}) {
    const BatchOutput result = Batch({"--batch", folder});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Pictavue: " + folder + kMissingTail);
  }
  EXPECT_EQ(run_.runs, 0);
  // Settings are saved at the end in every case.
  EXPECT_TRUE(fs::exists(SettingsFile()));
}

TEST_F(BatchModeTest, ExistingPageIsKeptWithoutYesAndOverwrittenWithIt) {
  folder_.WriteFile("pics/Pictavue001.htm", "old");
  folder_.WriteFile("program/Pictavue.ini", "[OutFile]\r\nOutputDir=1\r\n");
  const std::string question = "Pictavue: Pictavue001.htm は存在します。\n\n上書きしますか？\n";

  const BatchOutput kept = Batch({"--batch", pictures_});
  EXPECT_EQ(kept.status, 1);
  EXPECT_EQ(kept.out, "");
  EXPECT_EQ(kept.err, question + "Pictavue: answered No (default)\n");
  EXPECT_EQ(testing::ReadFileBytes(pictures_ + kSeparator + "Pictavue001.htm"), "old");

  const BatchOutput overwritten = Batch({"--batch", "--yes", pictures_});
  EXPECT_EQ(overwritten.status, 0);
  EXPECT_EQ(overwritten.out, pictures_ + kSeparator + "Pictavue001.htm\n");
  EXPECT_EQ(overwritten.err, question + "Pictavue: answered Yes (--yes)\n");
}

TEST_F(BatchModeTest, OpenStepOnlyWithOpen) {
  folder_.WriteFile("program/Pictavue.ini", "[OutFile]\r\nOutputDir=1\r\nAutoOpenMode=1\r\n");
  const std::string page = pictures_ + kSeparator + "Pictavue001.htm";

  EXPECT_EQ(Batch({"--batch", pictures_}).err, "");
  EXPECT_EQ(launcher_.calls, std::vector<std::string>{});

  const BatchOutput opened = Batch({"--batch", "--open", pictures_});
  EXPECT_EQ(opened.status, 0);
  EXPECT_EQ(opened.err,
            "Pictavue: 作成されたHTMLを開きますか？\nPictavue: answered Yes (default)\n");
  EXPECT_EQ(launcher_.calls, std::vector<std::string>{"open " + page});

  launcher_.open_result = kOpenNoAssociation;
  const BatchOutput failed = Batch({"--batch", "--open", pictures_});
  EXPECT_EQ(failed.status, 0);  // the pages are there all the same
  EXPECT_EQ(failed.out, page + "\n");
  EXPECT_NE(failed.err.find("Pictavue: HTMLの関連付けオープンに失敗しました。(1F)\n"),
            std::string::npos);
}

TEST_F(BatchModeTest, ExitStatusOfEachOutcome) {
  struct Case {
    const char* label;
    const char* settings;  // the settings file's text
    std::function<void(testing::FakeRun&, bool&)> outcome;
    int expected;
  };
  const std::vector<Case> cases = {
      {"pages", "", [](testing::FakeRun&, bool&) {}, 0},
      {"failed check", "[SearchDir]\r\nGIF=0\r\n", [](testing::FakeRun&, bool&) {}, 1},
      {"no pictures", "", [](testing::FakeRun& r, bool&) { r.image_count = 0; }, 1},
      {"run failed", "", [](testing::FakeRun& r, bool&) { r.aborted = true; }, 3},
      {"cancelled", "", [](testing::FakeRun& r, bool&) { r.cancelled = true; }, 130},
      {"Ctrl+C during the run", "",
       [](testing::FakeRun& r, bool& interrupted) {
         r.image_count = 0;
         r.during = [&interrupted](RunState&, FrontEnd& front_end) {
           interrupted = true;
           front_end.YieldEvents();
         };
       },
       130},
  };
  for (const Case& c : cases) {
    folder_.WriteFile("program/Pictavue.ini", c.settings);
    run_ = testing::FakeRun();
    interrupted_ = false;
    c.outcome(run_, interrupted_);
    const BatchOutput result = Batch({"--batch", pictures_});
    EXPECT_EQ(result.status, c.expected) << c.label;
    EXPECT_EQ(result.out.empty(), c.expected != 0) << c.label;
  }
}

TEST_F(BatchModeTest, AFailedSaveIsReportedWithoutChangingTheStatus) {
  const std::string settings = folder_.Path("missing folder/Pictavue.ini");
  const BatchOutput result = Batch({"--batch", "--settings", settings, pictures_});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err.rfind("Pictavue: the settings could not be saved to " + settings + ": ", 0),
            0u);
}

}  // namespace
}  // namespace pictavue
