#include "request/request_run.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/path_style.h"
#include "support/data_table.h"
#include "support/fakes.h"
#include "support/recording_front_end.h"
#include "support/settings_text.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

// The items of a cell with the names of the request filled in.
Texts Items(const std::string& cell, const std::map<std::string, std::string>& names) {
  return testing::Items(testing::Filled(cell, names));
}

TEST(RequestRunTest, EachWayARequestEnds) {
  const std::map<std::string, RequestOutcome> outcomes = {
      {"check", RequestOutcome::kCheckFailed},    {"declined", RequestOutcome::kDeclined},
      {"nothing", RequestOutcome::kNothingFound}, {"cancelled", RequestOutcome::kCancelled},
      {"aborted", RequestOutcome::kAborted},      {"written", RequestOutcome::kPagesWritten}};
  for (const testing::Row& row : testing::ReadTable("request/request_runs.tsv")) {
    const std::string& setup = row[0];
    if (NativePathStyle() == PathStyle::kWindows && (setup == "link" || setup == "read-only")) {
      continue;  // symbolic links and permission bits of POSIX
    }
    SCOPED_TRACE(row.Text());
    const testing::TempFolder folder;
    const std::string pics = folder.MakeFolder("pics");
    const std::string out = setup == "read-only" ? folder.MakeFolder("out") : pics;
    std::map<std::string, std::string> names = {
        {"{pics}", pics}, {"{page}", out + "/Pictavue001.htm"}, {"{search}", pics}};
    Session session;
    session.options = testing::OptionsFromSettings(row.From(10));
    session.options.SearchDir = pics;
    session.options.OutputDir = setup == "read-only" ? kOutputDirChosen : kOutputDirSearch;
    session.options.DirName = out;
    session.style = PathStyle::kPosix;
    session.history = FolderHistory(Items(row[6], names));
    if (setup == "missing" || setup == "file") {
      names["{search}"] = session.options.SearchDir =
          setup == "file" ? folder.WriteFile("file", "") : folder.Path("missing");
    } else if (setup == "page") {
      folder.WriteFile("pics/Pictavue001.htm", "old page");
    } else if (setup == "link") {
      fs::create_symlink(folder.Path("nowhere"), names["{page}"]);
    } else if (setup == "folder") {
      fs::create_directory(names["{page}"]);
    } else if (setup == "read-only") {
      fs::permissions(out, fs::perms::owner_read | fs::perms::owner_exec);
    }
    testing::RecordingFrontEnd front_end;
    if (row[2] != "-") {
      front_end.QueueAnswer(row[2] == "yes" ? kButtonYes : kButtonNo);
    }
    testing::FakeRun run;
    run.page_to_open = names["{page}"];
    run.image_count = row[1] == "none" ? 0 : 3;
    run.cancelled = row[1] == "cancelled";
    run.aborted = row[1] == "aborted";
    bool page_there_during_run = false;
    run.during = [&](RunState&, FrontEnd&) { page_there_during_run = fs::exists(names["{page}"]); };
    testing::FakeLauncher launcher;
    launcher.open_result = std::stoi(row[4]);
    RequestSettings settings;
    settings.open_result = row[3] == "open";
    std::optional<testing::UnprivilegedScope> unprivileged;
    if (setup == "read-only") {
      unprivileged.emplace();
      ASSERT_FALSE(unprivileged->failed());
    }
    const RequestResult result = RequestRun(session, front_end, run, launcher, settings);
    unprivileged.reset();

    EXPECT_EQ(result.outcome, outcomes.at(row[5]));
    EXPECT_EQ(front_end.Events(), Items(row[8], names));
    EXPECT_EQ(launcher.calls, Items(row[9], names));
    EXPECT_EQ(session.history.entries(), Items(row[7], names));
    EXPECT_EQ(run.runs, row[1] == "-" ? 0 : 1);
    if (run.runs == 1) {
      EXPECT_TRUE(run.fresh_state);
      EXPECT_FALSE(page_there_during_run);  // probed by creating it, and probed away
    }
    if (setup == "page" && row[1] == "-") {
      EXPECT_EQ(testing::ReadFileBytes(names["{page}"]), "old page");
    }
  }
}

// Folders of Japanese names make the path long in bytes; the file name pads it to length.
TEST(RequestRunTest, OutputPathOf255BytesInTheCodePagePassesAnd256DoNot) {
  if (NativePathStyle() == PathStyle::kWindows) {
    GTEST_SKIP() << "the folders of this test are longer than the A calls' MAX_PATH";
  }
  const testing::TempFolder folder;
  Session session;
  session.options.SearchDir = folder.MakeFolder("pics");
  session.options.DirName = folder.MakeFolder(
      "日本語の長いフォルダ名日本語の長いフォルダ名日本語の長いフォルダ名日本語の長いフォルダ名");
  session.code_page = CodePage("CP932");
  const std::size_t folder_bytes = session.code_page.ByteLength(session.options.DirName);
  ASSERT_EQ(folder_bytes, folder.Path().size() + 1 + 44 * 2);
  testing::FakeRun run;
  testing::FakeLauncher launcher;
  for (const auto& [code_page, extra, outcome] :
       std::vector<std::tuple<const char*, std::size_t, RequestOutcome>>{
           {"CP932", 0, RequestOutcome::kPagesWritten},
           {"CP932", 1, RequestOutcome::kCheckFailed},
           {"UTF-8", 0, RequestOutcome::kCheckFailed}}) {  // far longer in UTF-8
    session.code_page = CodePage(code_page);
    session.options.FileName = std::string(255 - folder_bytes - 1 - 7 + extra, 'n');  // "001.htm"
    testing::RecordingFrontEnd front_end;
    EXPECT_EQ(RequestRun(session, front_end, run, launcher).outcome, outcome) << extra;
    if (outcome == RequestOutcome::kCheckFailed) {
      EXPECT_EQ(front_end.Events(), (Texts{"message 48 Pictavue: 出力ファイル名が長すぎます。",
                                           "point 1 txtFileName select"}));
    }
  }
}

}  // namespace
}  // namespace pictavue
