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

TEST(RequestRunTest, EachWayARequestEnds) {
  const Texts outcomes = {"check", "declined", "nothing", "cancelled", "aborted", "written"};
  for (const testing::Row& row : testing::ReadTable("request/request_runs.tsv")) {
    const std::string& setup = row[0];
    if (NativePathStyle() == PathStyle::kWindows &&
        (setup == "link" || setup == "read-only" || setup.starts_with("long"))) {
      continue;  // links, permission bits, and folders longer than the A calls' MAX_PATH
    }
    SCOPED_TRACE(row.Text());
    const testing::TempFolder folder;
    const std::string pics = folder.MakeFolder("pics");
    const std::string out = setup == "read-only" ? folder.MakeFolder("out")
                            : setup.starts_with("long")
                                ? folder.MakeFolder(testing::Repeat("日本語の長いフォルダ名", 4))
                                : pics;
    Session session;
    session.options = testing::OptionsFromSettings(row.From(10));
    session.options.SearchDir = pics;
    session.options.OutputDir = out == pics ? kOutputDirSearch : kOutputDirChosen;
    session.options.DirName = out;
    session.style = PathStyle::kPosix;
    session.code_page = CodePage("CP932");
    if (setup.starts_with("long")) {  // a first page of 255 bytes in the code page, or 256
      session.options.FileName = std::string(
          255 - session.code_page.ByteLength(out + "/001.htm") + (setup == "longer"), 'n');
    }
    std::map<std::string, std::string> names = {
        {"{pics}", pics},
        {"{page}", out + "/" + session.options.FileName + "001.htm"},
        {"{search}", pics}};
    const auto items = [&names](const std::string& cell) {
      return testing::Items(testing::Filled(cell, names));
    };
    session.history = FolderHistory(items(row[6]));
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
    run.outcome = row[1];
    bool page_there_during_run = false;
    run.during = [&](RunState&, FrontEnd&) { page_there_during_run = fs::exists(names["{page}"]); };
    testing::FakeLauncher launcher;
    launcher.open_result = std::stoi(row[4]);
    std::optional<testing::UnprivilegedScope> unprivileged;
    if (setup == "read-only") {
      unprivileged.emplace();
      ASSERT_FALSE(unprivileged->failed());
    }
    const RequestResult result =
        RequestRun(session, front_end, run, launcher, {.open_result = row[3] == "open"});
    unprivileged.reset();

    EXPECT_EQ(outcomes.at(static_cast<std::size_t>(result.outcome)), row[5]);  // in their order
    EXPECT_EQ(front_end.Events(), items(row[8]));
    EXPECT_EQ(launcher.calls, items(row[9]));
    EXPECT_EQ(session.history.entries(), items(row[7]));
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

}  // namespace
}  // namespace pictavue
