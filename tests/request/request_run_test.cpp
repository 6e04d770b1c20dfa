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
using namespace std::string_literals;

const Events kRan = {"run begin", "run end", "process events"};

// A request that passes every check: GIF pictures of an existing search folder, pages into it.
class RequestRunTest : public ::testing::Test {
 protected:
  RequestRunTest() : search_dir_(folder_.MakeFolder("pics")), session_(MakeSession()) {
    run_.page_to_open = FirstPage();
  }

  Session MakeSession() const {
    Session session;
    session.options.SearchDir = search_dir_;
    session.options.OutputDir = kOutputDirSearch;
    session.options.IPP = 0;
    session.default_output_folder = folder_.Path("program");
    session.style = PathStyle::kPosix;
    return session;
  }

  RequestResult Request(const RequestSettings& settings = {}) {
    return RequestRun(session_, front_end_, run_, launcher_, settings);
  }

  std::string FirstPage() const { return search_dir_ + "/Pictavue001.htm"; }

  testing::TempFolder folder_;
  std::string search_dir_;
  Session session_;
  testing::RecordingFrontEnd front_end_;
  testing::FakeRun run_;
  testing::FakeLauncher launcher_;
};

struct CheckCase {
  const char* label;
  std::function<void(GalleryOptions&, Session&)> change;
  Events expected;  // empty: the request passes and the run starts
};

TEST_F(RequestRunTest, EachCheckShowsItsMessageThenPointsAtItsControl) {
  const auto name = [](const char* text) {
    return [text](GalleryOptions& o, Session&) { o.FileName = text; };
  };
  const auto per_page = [](int position, const char* text) {
    return [position, text](GalleryOptions& o, Session&) {
      o.IPP = position;
      o.IppFree = text;
    };
  };
  const auto interval = [](int client_pull, const char* text) {
    return [client_pull, text](GalleryOptions& o, Session&) {
      o.ClientPull = client_pull;
      o.Delay = text;
    };
  };
  const auto both = [](auto first, auto second) {
    return [first, second](GalleryOptions& o, Session& s) {
      first(o, s);
      second(o, s);
    };
  };
  const auto no_gif = [](GalleryOptions& o, Session&) { o.GIF = kUnchecked; };
  const auto only_png = [](bool with_plugins) {
    return [with_plugins](GalleryOptions& o, Session& s) {
      o.GIF = kUnchecked;
      o.PNG = kChecked;
      if (with_plugins) {
        s.plugins = Plugins::Load(PICTAVUE_PLUGIN_FOLDER, CodePage("UTF-8"));
        ASSERT_FALSE(s.plugins.names().PngPluginName.empty());
      }
    };
  };
  const auto check = [](const char* message, const char* point) {
    return Events{"message 48 Pictavue: "s + message, "point "s + point};
  };
  const Events no_kind = check("画像の形式がひとつも選択されていません。", "0 chkGIF focus");
  const Events no_name = check("出力ファイル名が入力されていません。", "1 txtFileName select");
  const Events forbidden =
      check("ファイル名に \\ / : * ? \" < > | は使えません。", "1 txtFileName select");
  const Events control =
      check("出力ファイル名に不正な文字（改行コード等）が含まれています。", "1 txtFileName select");
  const Events reserved =
      check("このファイル名は予約デバイス名のため、使用できません。", "1 txtFileName select");
  const Events no_folder = check("検索フォルダ名が入力されていません。", "0 cmbSearchDir focus");
  const Events bad_ipp =
      check("１ページ内の画像数は１～９９９の数値を入力してください。", "1 cmbIPP select");
  const Events bad_delay =
      check("スライドショーの間隔が数値でないか０秒です。", "3 txtDelay select");

  const std::vector<CheckCase> cases = {
      {"all pass", [](GalleryOptions&, Session&) {}, {}},
      {"no kind", no_gif, no_kind},
      {"PNG alone without plug-in", only_png(false), no_kind},
      {"PNG alone with plug-in", only_png(true), {}},
      {"a dimmed kind counts as on",
       both(no_gif, [](GalleryOptions& o, Session&) { o.EMF = kGrayed; }),
       {}},
      {"kinds come before the name", both(no_gif, name("")), no_kind},
      {"empty name", name(""), no_name},
      {"blanks-only name", name("   "), no_name},
      {"a:b", name("a:b"), forbidden},
      {"a/b", name("a/b"), forbidden},
      {"x|y", name("x|y"), forbidden},
      {"a\\b", name("a\\b"), forbidden},
      {"* ? \" < >", name("p*q?r\"s<t>"), forbidden},
      {"a.b passes", name("a.b"), {}},
      {"inner blank passes", name("my gallery"), {}},
      {"tab", name("a\tb"), control},
      {"line feed", name("a\nb"), control},
      {"carriage return", name("a\rb"), control},
      {"forbidden before control", name("a:\tb"), forbidden},
      {"con", name("con"), reserved},
      {"Com3", name("Com3"), reserved},
      {"LPT9", name("LPT9"), reserved},
      {"clock$", name("clock$"), reserved},
      {"aux, trimmed", name("  aux "), reserved},
      {"COM0", name("COM0"), {}},
      {"LPT0", name("LPT0"), {}},
      {"COM10", name("COM10"), {}},
      {"CONX", name("CONX"), {}},
      {"blank search folder", [](GalleryOptions& o, Session&) { o.SearchDir = "   "; }, no_folder},
      {"name before folder",
       both(name("x|y"), [](GalleryOptions& o, Session&) { o.SearchDir = ""; }), forbidden},
      {"per page 0", per_page(kNoListPosition, "0"), bad_ipp},
      {"per page 1000", per_page(kNoListPosition, "1000"), bad_ipp},
      {"per page abc", per_page(kNoListPosition, "abc"), bad_ipp},
      {"per page empty", per_page(kNoListPosition, ""), bad_ipp},
      {"per page 0.5", per_page(kNoListPosition, "0.5"), bad_ipp},
      {"per page 999", per_page(kNoListPosition, "999"), {}},
      {"per page 1", per_page(kNoListPosition, "1"), {}},
      {"per page 1.5", per_page(kNoListPosition, " +1.5 "), {}},
      {"unlimited skips the check", per_page(kIppUnlimited, "abc"), {}},
      {"interval 0", interval(kChecked, "0"), bad_delay},
      {"interval 0.5", interval(kChecked, "0.5"), bad_delay},
      {"interval abc", interval(kChecked, "abc"), bad_delay},
      {"interval empty", interval(kChecked, ""), bad_delay},
      {"interval 1", interval(kChecked, "1"), {}},
      {"interval without upper bound", interval(kChecked, "86400"), {}},
      {"slide show off skips it", interval(kUnchecked, "abc"), {}},
      {"per page before interval", both(per_page(kNoListPosition, "0"), interval(kChecked, "0")),
       bad_ipp},
  };
  for (const CheckCase& c : cases) {
    Session session = MakeSession();
    c.change(session.options, session);
    testing::RecordingFrontEnd front_end;
    testing::FakeRun run;
    const RequestResult result = RequestRun(session, front_end, run, launcher_);
    if (c.expected.empty()) {
      EXPECT_EQ(result.outcome, RequestOutcome::kPagesWritten) << c.label;
      EXPECT_EQ(run.runs, 1) << c.label;
      // The page's folder is probed by creating the page: no probe may be left behind.
      EXPECT_TRUE(fs::is_empty(search_dir_)) << c.label;
    } else {
      EXPECT_EQ(result.outcome, RequestOutcome::kCheckFailed) << c.label;
      EXPECT_EQ(front_end.Events(), c.expected) << c.label;
      EXPECT_EQ(run.runs, 0) << c.label;
      EXPECT_TRUE(session.history.empty()) << c.label;
    }
  }
}

TEST_F(RequestRunTest, SearchFolderThatDoesNotExist) {
  const std::string missing = folder_.Path("no such folder");
  const std::string file = folder_.WriteFile("a file", "x");
  for (const std::string& search_dir : {missing, file}) {
    testing::RecordingFrontEnd front_end;
    session_.options.SearchDir = search_dir;
    EXPECT_EQ(RequestRun(session_, front_end, run_, launcher_).outcome,
              RequestOutcome::kCheckFailed);
    EXPECT_EQ(
        front_end.Events(),
        (Events{"message 48 Pictavue: " + search_dir +
                    " は存在しないフォルダです。\r\n\r\nリムーバブルドライブの場合はメディアが"
                    "挿入されているかどうか確認してください。",
                "point 0 cmbSearchDir focus"}));
  }
  EXPECT_EQ(run_.runs, 0);
}

// Folders of Japanese names make the path long in bytes; the file name pads it to length.
TEST_F(RequestRunTest, OutputPathOf255BytesInTheCodePagePassesAnd256DoNot) {
  if (NativePathStyle() == PathStyle::kWindows) {
    GTEST_SKIP() << "the folders of this test are longer than the A calls' MAX_PATH";
  }
  const std::string japanese_folder(
      "日本語の長いフォルダ名日本語の長いフォルダ名日本語の長いフォルダ名日本語の長いフォルダ名");
  session_.options.OutputDir = kOutputDirChosen;
  session_.options.DirName = folder_.MakeFolder(japanese_folder);
  session_.code_page = CodePage("CP932");
  const std::size_t folder_bytes = session_.code_page.ByteLength(session_.options.DirName);
  ASSERT_EQ(folder_bytes, folder_.Path().size() + 1 + 44 * 2);
  const std::size_t name_bytes = 255 - folder_bytes - 1 - std::string("001.htm").size();

  session_.options.FileName = std::string(name_bytes, 'n');
  EXPECT_EQ(Request().outcome, RequestOutcome::kPagesWritten);

  testing::RecordingFrontEnd front_end;
  session_.options.FileName += 'n';
  EXPECT_EQ(RequestRun(session_, front_end, run_, launcher_).outcome, RequestOutcome::kCheckFailed);
  EXPECT_EQ(front_end.Events(), (Events{"message 48 Pictavue: 出力ファイル名が長すぎます。",
                                        "point 1 txtFileName select"}));

  // The same 255 characters are far longer in UTF-8.
  testing::RecordingFrontEnd utf8_front_end;
  session_.options.FileName.pop_back();
  session_.code_page = CodePage("UTF-8");
  EXPECT_EQ(RequestRun(session_, utf8_front_end, run_, launcher_).outcome,
            RequestOutcome::kCheckFailed);
}

TEST_F(RequestRunTest, ExistingFirstPageAnsweredNoIsKept) {
  const std::string page = folder_.WriteFile("pics/Pictavue001.htm", "old page");
  EXPECT_EQ(Request().outcome, RequestOutcome::kDeclined);
  EXPECT_EQ(front_end_.Events(),
            (Events{"message 292 Pictavue: Pictavue001.htm は存在します。\r\n\r\n上書きしますか？",
                    "point 1 txtFileName select"}));
  EXPECT_EQ(testing::ReadFileBytes(page), "old page");
  EXPECT_EQ(run_.runs, 0);
}

TEST_F(RequestRunTest, ExistingFirstPageAnsweredYesIsProbedAwayBeforeTheRun) {
  const std::string page = folder_.WriteFile("pics/Pictavue001.htm", "old page");
  bool page_there_during_run = true;
  run_.during = [&](RunState&, FrontEnd&) { page_there_during_run = fs::exists(page); };
  front_end_.QueueAnswer(kButtonYes);
  EXPECT_EQ(Request().outcome, RequestOutcome::kPagesWritten);
  const Events expected = {
      "message 292 Pictavue: Pictavue001.htm は存在します。\r\n\r\n上書きしますか？", "run begin",
      "run end", "process events"};
  EXPECT_EQ(front_end_.Events(), expected);
  EXPECT_FALSE(page_there_during_run);
  EXPECT_TRUE(run_.fresh_state);
}

TEST_F(RequestRunTest, AnythingButAFolderAtThePageIsAskedAbout) {
  if (NativePathStyle() == PathStyle::kWindows) {
    GTEST_SKIP() << "symbolic links and named pipes of POSIX";
  }
  const std::string unlimited_page = search_dir_ + "/Pictavue.htm";
  session_.options.IPP = kIppUnlimited;
  const std::string question =
      "message 292 Pictavue: Pictavue.htm は存在します。\r\n\r\n上書きしますか？";
  fs::create_symlink(folder_.Path("nowhere"), unlimited_page);
  EXPECT_EQ(Request().outcome, RequestOutcome::kDeclined);
  EXPECT_EQ(front_end_.Events().front(), question);
  EXPECT_TRUE(fs::is_symlink(unlimited_page));
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
    testing::RecordingFrontEnd front_end;
    testing::FakeRun run;
    std::optional<testing::UnprivilegedScope> unprivileged;
    if (!out.empty()) {
      unprivileged.emplace();
      ASSERT_FALSE(unprivileged->failed());
    }
    const RequestResult result = RequestRun(session_, front_end, run, launcher_);
    unprivileged.reset();
    EXPECT_EQ(result.outcome, RequestOutcome::kCheckFailed) << page;
    EXPECT_EQ(front_end.Events(),
              (Events{"message 48 Pictavue: " + page +
                          " を作成できません。\r\n\r\n"
                          "出力先フォルダが書込み可能かどうか確認してください。\r\n"
                          "ファイル名の長さに制限のあるネットワーク上のフォルダの場合は\r\n"
                          "出力ファイル名を確認してください。",
                      "point 1 txtFileName select"}));
    EXPECT_EQ(run.runs, 0) << page;
  }
}

TEST_F(RequestRunTest, OpeningAfterTheRunFollowsAutoOpenMode) {
  struct Case {
    const char* label;
    int auto_open;
    int answer;  // 0: none queued
    bool open_step;
    bool asked;
    bool opened;
  };
  const std::vector<Case> cases = {
      {"off: opened without a question", kUnchecked, 0, true, false, true},
      {"on, Yes: asked, then opened", kChecked, kButtonYes, true, true, true},
      {"on, No: asked, not opened", kChecked, kButtonNo, true, true, false},
      {"without the open step: neither", kChecked, 0, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Session session = MakeSession();
    session.options.AutoOpenMode = c.auto_open;
    testing::RecordingFrontEnd front_end;
    if (c.answer != 0) {
      front_end.QueueAnswer(c.answer);
    }
    testing::FakeLauncher launcher;
    RequestSettings settings;
    settings.open_result = c.open_step;
    const RequestResult result = RequestRun(session, front_end, run_, launcher, settings);
    EXPECT_EQ(result.outcome, RequestOutcome::kPagesWritten);
    EXPECT_EQ(result.PageToOpen, FirstPage());
    Events events = kRan;
    if (c.asked) {
      events.push_back("message 36 Pictavue: 作成されたHTMLを開きますか？");
    }
    EXPECT_EQ(front_end.Events(), events);
    EXPECT_EQ(launcher.calls, c.opened ? Events{"open " + FirstPage()} : Events{});
    // The history takes the folder whether or not the page was opened.
    EXPECT_EQ(session.history.entries(), std::vector<std::string>{search_dir_});
  }
}

TEST_F(RequestRunTest, AFailedOpeningStillRecordsTheFolder) {
  launcher_.open_result = kOpenNoAssociation;
  EXPECT_EQ(Request().outcome, RequestOutcome::kPagesWritten);
  EXPECT_EQ(front_end_.Events().back(),
            "message 16 Pictavue: HTMLの関連付けオープンに失敗しました。(1F)");
  EXPECT_EQ(session_.history.entries(), std::vector<std::string>{search_dir_});
}

TEST_F(RequestRunTest, RunsThatWroteNothingLeaveTheHistoryAlone) {
  session_.history = FolderHistory({"/earlier"});
  struct Case {
    const char* label;
    std::function<void(testing::FakeRun&)> outcome;
    RequestOutcome expected;
    Events events;
  };
  const std::vector<Case> cases = {
      {"no pictures", [](testing::FakeRun& r) { r.image_count = 0; }, RequestOutcome::kNothingFound,
       kRan},
      {"cancelled", [](testing::FakeRun& r) { r.cancelled = true; }, RequestOutcome::kCancelled,
       kRan},
      {"aborted",
       [](testing::FakeRun& r) { r.aborted = true; },
       RequestOutcome::kAborted,
       {"run begin", "run end"}},
  };
  for (const Case& c : cases) {
    testing::FakeRun run;
    c.outcome(run);
    testing::RecordingFrontEnd front_end;
    testing::FakeLauncher launcher;
    EXPECT_EQ(RequestRun(session_, front_end, run, launcher).outcome, c.expected) << c.label;
    EXPECT_EQ(front_end.Events(), c.events) << c.label;
    EXPECT_EQ(launcher.calls, std::vector<std::string>{}) << c.label;
    EXPECT_EQ(session_.history.entries(), std::vector<std::string>{"/earlier"}) << c.label;
  }
}

TEST_F(RequestRunTest, TheFolderGoesToTheFrontOfTheHistory) {
  session_.history = FolderHistory({"/a", search_dir_, "/b"});
  EXPECT_EQ(Request().outcome, RequestOutcome::kPagesWritten);
  EXPECT_EQ(session_.history.entries(), (std::vector<std::string>{search_dir_, "/a", "/b"}));
  EXPECT_EQ(session_.options.SearchDir, search_dir_);
}

}  // namespace
}  // namespace pictavue
