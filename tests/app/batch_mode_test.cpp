#include "app/batch_mode.h"

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "generate/page_layout.h"
#include "platform/path_style.h"
#include "support/data_table.h"
#include "support/fakes.h"
#include "support/settings_text.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;

// Each row in a program folder of its own (writable, so the settings live there unless
// --settings says otherwise), with a stand-in run whose page is where the real run would put it.
TEST(BatchModeTest, StatusStreamsAndSettingsOfEachOutcome) {
  for (const testing::Row& row : testing::ReadTable("app/batch_runs.tsv")) {
    SCOPED_TRACE(row.Text());
    const testing::TempFolder folder;
    const std::map<std::string, std::string> names = {
        {"{pics}", folder.MakeFolder("pics")},
        {"{program}", folder.MakeFolder("program")},
        {"{settings}", folder.Path("mine.ini")},
        {"{/}", std::string(1, Separator(NativePathStyle()))}};
    const auto filled = [&names](const std::string& text) { return testing::Filled(text, names); };
    const std::string program_settings = filled("{program}{/}Pictavue.ini");
    const std::string settings =
        row[0].find("{settings}") != std::string::npos ? filled("{settings}") : program_settings;
    if (row.size() > 7) {
      folder.WriteFile(fs::relative(settings, folder.path()).string(),
                       testing::SettingsText(row.From(7)));
    }
    if (row[1] == "page") {
      folder.WriteFile("pics/Pictavue001.htm", "old page");
    }
    SystemStartup startup;
    testing::FakeLauncher launcher;
    launcher.open_result = row[1] == "no-association" ? kOpenNoAssociation : kOpenSucceeded;
    bool interrupted = false;
    const BatchServices services{
        .program_file = filled("{program}{/}pictavue"),
        .startup = &startup,
        .launcher = &launcher,
        .make_run =
            [&](Session& session) {
              auto run = std::make_unique<testing::FakeRun>();
              run->outcome = row[2] == "interrupted" ? "none" : row[2];
              run->page_to_open =
                  PageToOpen(session.options, 1, session.default_output_folder, session.style);
              run->during = [&](RunState&, FrontEnd& front_end) {
                interrupted = row[2] == "interrupted";  // Ctrl+C while the run looks elsewhere
                front_end.YieldEvents();
              };
              return run;
            },
        .interrupted = [&interrupted] { return interrupted; }};
    std::vector<std::string> arguments;
    std::istringstream words(row[0]);
    for (std::string word; words >> word;) {
      arguments.push_back(filled(word));
    }
    std::ostringstream out, err;

    EXPECT_EQ(RunBatch(arguments, out, err, services), std::stoi(row[3]));
    EXPECT_EQ(out.str(), filled(row[4]));
    const std::string expected_err = filled(row[5]);
    EXPECT_EQ(expected_err.ends_with("...") ? err.str().substr(0, expected_err.size() - 3) + "..."
                                            : err.str(),
              expected_err);
    EXPECT_EQ(launcher.calls, testing::Items(filled(row[6])));
    // Only the settings file the row writes, saved again.
    EXPECT_EQ(fs::exists(program_settings), row.size() > 7 && settings == program_settings);
    if (row.size() <= 7) {
      continue;
    }
    const std::string saved = testing::ReadFileBytes(settings);
    EXPECT_NE(saved.find("DirHistry1=" + filled(row[3] == "0" ? "{pics}" : "") + "\r\n"),
              std::string::npos);
    for (const std::string& line : row.From(7)) {
      EXPECT_NE(saved.find("\r\n" + line + "\r\n"), std::string::npos) << line;
    }
  }
}

}  // namespace
}  // namespace pictavue
