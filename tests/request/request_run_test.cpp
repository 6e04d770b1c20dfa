#include "request/request_run.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/path_style.h"
#include "support/fakes.h"
#include "support/recording_front_end.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using Events = std::vector<std::string>;

const Events kRan = {"run begin", "run end", "process events"};
const std::string kOverwrite =
    "message 292 Pictavue: Pictavue001.htm は存在します。\r\n\r\n上書きしますか？";

// A request that passes every check: GIF pictures of an existing search folder, pages into it.
// Each check's own cases are CheckSettingsTest's; here is how the request applies them.
class RequestRunTest : public ::testing::Test {
 protected:
  RequestRunTest() : search_dir_(folder_.MakeFolder("pics")) {
    session_.options.SearchDir = search_dir_;
    session_.options.OutputDir = kOutputDirSearch;
    session_.options.IPP = 0;
    session_.default_output_folder = folder_.Path("program");
    session_.style = PathStyle::kPosix;
    run_.page_to_open = FirstPage();
  }

  RequestResult Request(const RequestSettings& settings = {}) {
    front_end_ = testing::RecordingFrontEnd();
    return RequestRun(session_, front_end_, run_, launcher_, settings);
  }

  std::string FirstPage() const { return search_dir_ + "/Pictavue001.htm"; }

  // The request stopped with this message before the run, pointing at the control.
  void ExpectStopped(const RequestResult& result, const std::string& message,
                     const std::string& point) {
    EXPECT_EQ(result.outcome, RequestOutcome::kCheckFailed);
    EXPECT_EQ(front_end_.Events(), (Events{"message 48 Pictavue: " + message, "point " + point}));
    EXPECT_EQ(run_.runs, 0);
    EXPECT_TRUE(session_.history.empty());
  }

  testing::TempFolder folder_;
  std::string search_dir_;
  Session session_;
  testing::RecordingFrontEnd front_end_;
  testing::FakeRun run_;
  testing::FakeLauncher launcher_;
};

TEST_F(RequestRunTest, PassingChecksRunOnceAndLeaveNoProbeBehind) {
  EXPECT_EQ(Request().outcome, RequestOutcome::kPagesWritten);
  EXPECT_EQ(run_.runs, 1);
  EXPECT_TRUE(run_.fresh_state);
  EXPECT_TRUE(fs::is_empty(search_dir_));  // the page's folder is probed by creating the page
}

TEST_F(RequestRunTest, AFailedCheckShowsItsMessageThenPointsAtItsControl) {
  session_.options.GIF = kUnchecked;
  ExpectStopped(Request(), "画像の形式がひとつも選択されていません。", "0 chkGIF focus");
}

TEST_F(RequestRunTest, ASearchFolderThatDoesNotExist) {
  for (const std::string& search_dir :
       {folder_.Path("no such folder"), folder_.WriteFile("f", "")}) {
    session_.options.SearchDir = search_dir;
    ExpectStopped(Request(),
                  search_dir +
                      " は存在しないフォルダです。\r\n\r\nリムーバブルドライブの場合はメディアが"
                      "挿入されているかどうか確認してください。",
                  "0 cmbSearchDir focus");
  }
}

// Folders of Japanese names make the path long in bytes; the file name pads it to length.
TEST_F(RequestRunTest, OutputPathOf255BytesInTheCodePagePassesAnd256DoNot) {
  if (NativePathStyle() == PathStyle::kWindows) {
    GTEST_SKIP() << "the folders of this test are longer than the A calls' MAX_PATH";
  }
  session_.options.OutputDir = kOutputDirChosen;
  session_.options.DirName = folder_.MakeFolder(std::string(
      "日本語の長いフォルダ名日本語の長いフォルダ名日本語の長いフォルダ名日本語の長いフォルダ名"));
  session_.code_page = CodePage("CP932");
  const std::size_t folder_bytes = session_.code_page.ByteLength(session_.options.DirName);
  ASSERT_EQ(folder_bytes, folder_.Path().size() + 1 + 44 * 2);
  session_.options.FileName = std::string(255 - folder_bytes - 1 - 7, 'n');  // "001.htm"
  EXPECT_EQ(Request().outcome, RequestOutcome::kPagesWritten);

  session_.options.FileName += 'n';
  run_.runs = 0;
  session_.history = FolderHistory();
  ExpectStopped(Request(), "出力ファイル名が長すぎます。", "1 txtFileName select");
  // The same 255 characters are far longer in UTF-8.
  session_.options.FileName.pop_back();
  session_.code_page = CodePage("UTF-8");
  EXPECT_EQ(Request().outcome, RequestOutcome::kCheckFailed);
}

TEST_F(RequestRunTest, AnExistingFirstPageIsOverwrittenOnlyAfterYes) {
  const std::string page = folder_.WriteFile("pics/Pictavue001.htm", "old page");
  EXPECT_EQ(Request().outcome, RequestOutcome::kDeclined);
  EXPECT_EQ(front_end_.Events(), (Events{kOverwrite, "point 1 txtFileName select"}));
  EXPECT_EQ(testing::ReadFileBytes(page), "old page");
  EXPECT_EQ(run_.runs, 0);

  bool page_there_during_run = true;
  run_.during = [&](RunState&, FrontEnd&) { page_there_during_run = fs::exists(page); };
  front_end_.QueueAnswer(kButtonYes);
  RequestResult result = RequestRun(session_, front_end_, run_, launcher_);
  EXPECT_EQ(result.outcome, RequestOutcome::kPagesWritten);
  EXPECT_FALSE(page_there_during_run);  // probed away before the run
}

TEST_F(RequestRunTest, AnythingButAFolderAtThePageIsAskedAbout) {
  if (NativePathStyle() == PathStyle::kWindows) {
    GTEST_SKIP() << "symbolic links of POSIX";
  }
  fs::create_symlink(folder_.Path("nowhere"), FirstPage());
  EXPECT_EQ(Request().outcome, RequestOutcome::kDeclined);
  EXPECT_EQ(front_end_.Events().front(), kOverwrite);
  EXPECT_TRUE(fs::is_symlink(FirstPage()));
}

// A folder standing at the page's name, and a folder that cannot be written to.
TEST_F(RequestRunTest, APageThatCannotBeCreatedPointsAtTheName) {
  fs::create_directory(FirstPage());
  std::vector<std::pair<std::string, std::string>> cases = {{"", FirstPage()}};
  if (NativePathStyle() == PathStyle::kPosix) {
    const std::string out = folder_.MakeFolder("read-only");
    fs::permissions(out, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    cases.emplace_back(out, out + "/Pictavue001.htm");
  }
  for (const auto& [out, page] : cases) {
    session_.options.OutputDir = out.empty() ? kOutputDirSearch : kOutputDirChosen;
    session_.options.DirName = out;
    std::optional<testing::UnprivilegedScope> unprivileged;
    if (!out.empty()) {
      unprivileged.emplace();
      ASSERT_FALSE(unprivileged->failed());
    }
    const RequestResult result = Request();
    unprivileged.reset();
    ExpectStopped(result,
                  page +
                      " を作成できません。\r\n\r\n"
                      "出力先フォルダが書込み可能かどうか確認してください。\r\n"
                      "ファイル名の長さに制限のあるネットワーク上のフォルダの場合は\r\n"
                      "出力ファイル名を確認してください。",
                  "1 txtFileName select");
  }
}

// The history takes the folder whether or not the page was opened, or could be.
TEST_F(RequestRunTest, OpeningAfterTheRunFollowsAutoOpenMode) {
  struct Case {
    int auto_open;
    int answer;  // 0: the default
    bool open_step;
    int open_result;
    Events after_run;
    bool opened;
  };
  const std::string question = "message 36 Pictavue: 作成されたHTMLを開きますか？";
  for (const Case& c : {
           Case{kUnchecked, 0, true, kOpenSucceeded, {}, true},
           Case{kChecked, kButtonYes, true, kOpenSucceeded, {question}, true},
           Case{kChecked, kButtonNo, true, kOpenSucceeded, {question}, false},
           Case{kChecked, 0, false, kOpenSucceeded, {}, false},
           Case{kUnchecked,
                0,
                true,
                kOpenNoAssociation,
                {"message 16 Pictavue: HTMLの関連付けオープンに失敗しました。(1F)"},
                true},
       }) {
    session_.options.AutoOpenMode = c.auto_open;
    session_.history = FolderHistory();
    launcher_ = testing::FakeLauncher();
    launcher_.open_result = c.open_result;
    front_end_ = testing::RecordingFrontEnd();
    if (c.answer != 0) {
      front_end_.QueueAnswer(c.answer);
    }
    RequestSettings settings;
    settings.open_result = c.open_step;
    const RequestResult result = RequestRun(session_, front_end_, run_, launcher_, settings);
    EXPECT_EQ(result.outcome, RequestOutcome::kPagesWritten);
    EXPECT_EQ(result.PageToOpen, FirstPage());
    Events events = kRan;
    events.insert(events.end(), c.after_run.begin(), c.after_run.end());
    EXPECT_EQ(front_end_.Events(), events);
    EXPECT_EQ(launcher_.calls, c.opened ? Events{"open " + FirstPage()} : Events{});
    EXPECT_EQ(session_.history.entries(), Events{search_dir_});
  }
}

TEST_F(RequestRunTest, RunsThatWroteNothingLeaveTheHistoryAlone) {
  session_.history = FolderHistory({"/earlier"});
  const std::vector<std::tuple<std::function<void(testing::FakeRun&)>, RequestOutcome, Events>>
      cases = {
          {[](testing::FakeRun& r) { r.image_count = 0; }, RequestOutcome::kNothingFound, kRan},
          {[](testing::FakeRun& r) { r.cancelled = true; }, RequestOutcome::kCancelled, kRan},
          {[](testing::FakeRun& r) { r.aborted = true; },
           RequestOutcome::kAborted,
           {"run begin", "run end"}},
      };
  for (const auto& [outcome, expected, events] : cases) {
    run_ = testing::FakeRun();
    outcome(run_);
    EXPECT_EQ(Request().outcome, expected);
    EXPECT_EQ(front_end_.Events(), events);
    EXPECT_EQ(launcher_.calls, Events{});
    EXPECT_EQ(session_.history.entries(), Events{"/earlier"});
  }
}

TEST_F(RequestRunTest, TheFolderGoesToTheFrontOfTheHistory) {
  session_.history = FolderHistory({"/a", search_dir_, "/b"});
  EXPECT_EQ(Request().outcome, RequestOutcome::kPagesWritten);
  EXPECT_EQ(session_.history.entries(), (Events{search_dir_, "/a", "/b"}));
}

}  // namespace
}  // namespace pictavue
