#include "app/batch_mode.h"

#include <filesystem>
#include <functional>
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

TEST_F(BatchModeTest, UsageErrorsExitWith2AndTouchNothing) {
  const std::vector<std::pair<Arguments, std::string>> cases = {
      {{}, "--batch がありません。"},
      {{"--batch"}, "FOLDER を指定してください。"},
      {{"--batch", pictures_, pictures_},
       "FOLDER はひとつだけ指定してください（空白を含む名前は引用符で囲みます）。"},
      {{"--batch", "--bogus", pictures_}, "--bogus は不明なオプションです。"},
      {{"--batch", pictures_, "--settings"}, "--settings の後に FILE を指定してください。"},
      {{"--batch", "--settings=", pictures_}, "--settings の後に FILE を指定してください。"},
      {{"--batch", "--lang=fr", pictures_}, "--lang の後に ja か en を指定してください。"},
  };
  for (const auto& [arguments, reason] : cases) {
    const BatchOutput result = Batch(arguments);
    EXPECT_EQ(result.status, 2) << reason;
    EXPECT_EQ(result.out, "") << reason;
    EXPECT_EQ(result.err, "Pictavue: " + reason +
                              "\n使い方: pictavue --batch [--settings FILE] [--yes] [--open] "
                              "[--lang LANG] FOLDER\n詳しくは 'pictavue --help' を見てください。\n")
        << reason;
  }
  // English asked for where there is none: said once, in English, and the words stay Japanese.
  const BatchOutput without_english = Batch({"--batch", "--lang", "en"});
  EXPECT_EQ(without_english.err.rfind("Pictavue: no English translation was found (", 0), 0u);
  EXPECT_NE(without_english.err.find("\nPictavue: FOLDER を指定してください。\n"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(SettingsFile()));
  EXPECT_EQ(run_.runs, 0);
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

TEST_F(BatchModeTest, OpenStepOnlyWithOpen) {
  folder_.WriteFile("program/Pictavue.ini", "[OutFile]\r\nOutputDir=1\r\nAutoOpenMode=1\r\n");
  const std::string page = pictures_ + kSeparator + "Pictavue001.htm";

  EXPECT_EQ(Batch({"--batch", pictures_}).err, "");
  EXPECT_EQ(launcher_.calls, std::vector<std::string>{});

  const BatchOutput opened = Batch({"--batch", "--open", pictures_});
  EXPECT_EQ(opened.status, 0);
  EXPECT_EQ(opened.err,
            "Pictavue: 作成されたHTMLを開きますか？\nPictavue: 「はい」と答えました（既定）\n");
  EXPECT_EQ(launcher_.calls, std::vector<std::string>{"open " + page});

  launcher_.open_result = kOpenNoAssociation;
  const BatchOutput failed = Batch({"--batch", "--open", pictures_});
  EXPECT_EQ(failed.status, 0);  // the pages are there all the same
  EXPECT_EQ(failed.out, page + "\n");
  EXPECT_NE(failed.err.find("Pictavue: HTMLの関連付けオープンに失敗しました。(1F)\n"),
            std::string::npos);
}

// The process tests show each status; these are the cancellations a real run cannot be made
// to give on demand.
TEST_F(BatchModeTest, ACancelledRunExitsWith130) {
  const std::function<void(testing::FakeRun&)> outcomes[] = {
      [](testing::FakeRun& r) { r.cancelled = true; },
      // Ctrl+C outranks the run's own outcome, even "no pictures".
      [this](testing::FakeRun& r) {
        r.image_count = 0;
        r.during = [this](RunState&, FrontEnd& front_end) {
          interrupted_ = true;
          front_end.YieldEvents();
        };
      },
  };
  for (const auto& outcome : outcomes) {
    run_ = testing::FakeRun();
    interrupted_ = false;
    outcome(run_);
    const BatchOutput result = Batch({"--batch", pictures_});
    EXPECT_EQ(result.status, 130);
    EXPECT_EQ(result.out, "");
  }
}

TEST_F(BatchModeTest, AFailedSaveIsReportedWithoutChangingTheStatus) {
  const std::string settings = folder_.Path("missing folder/Pictavue.ini");
  const BatchOutput result = Batch({"--batch", "--settings", settings, pictures_});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err.rfind("Pictavue: 設定を " + settings + " に保存できませんでした: ", 0), 0u);
}

}  // namespace
}  // namespace pictavue
