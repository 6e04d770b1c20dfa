#include "app/command_line.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/data_table.h"
#include "support/fakes.h"
#include "support/recording_front_end.h"
#include "support/settings_text.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

using Texts = std::vector<std::string>;

// Runs the window's command line text in a session whose search folder is elsewhere: "run" or
// "ignored", and the search folder afterwards. A run shows nothing but what its request shows,
// and it shows its folder before the request asks anything.
Texts RunText(const std::string& text, const Texts& settings) {
  const testing::TempFolder folder;
  const std::map<std::string, std::string> names = {{"{pics}", folder.MakeFolder("my pics")},
                                                    {"{file}", folder.WriteFile("a.gif", "GIF")}};
  Session session;
  session.options = testing::OptionsFromSettings(settings);
  session.options.SearchDir = "/somewhere/else";
  session.style = PathStyle::kPosix;
  testing::RecordingFrontEnd front_end;
  testing::FakeRun run;
  testing::FakeLauncher launcher;
  std::string shown = "-";
  const auto show = [&](const std::string& dir) { shown = front_end.Events().empty() ? dir : "?"; };
  const bool ran =
      RunCommandLine(session, front_end, run, launcher, testing::Filled(text, names), show);
  EXPECT_EQ(shown, ran ? session.options.SearchDir : "-") << text;
  const auto warnings = std::ranges::count_if(
      front_end.Events(), [](const std::string& e) { return e.starts_with("message 48"); });
  EXPECT_EQ(run.runs + warnings, ran ? 1 : 0) << text;
  return {ran ? "run" : "ignored",
          testing::Filled(session.options.SearchDir, {{names.at("{pics}"), "{pics}"}})};
}

TEST(CommandLineTest, EntryModeWindowCommandLineAndRuns) {
  for (const testing::Row& row : testing::ReadTable("app/command_line.tsv")) {
    std::istringstream words(row[1]);
    const Texts arguments{std::istream_iterator<std::string>(words), {}};
    Texts result;
    if (row[0] == "EntryMode") {
      result = {ChooseEntryMode(arguments) == EntryMode::kConsole ? "console" : "window"};
    } else if (row[0] == "WindowCommandLine") {
      const WindowCommandLine parsed = ParseWindowCommandLine(arguments);
      result = {parsed.settings_file.value_or("-"), parsed.text};
    } else if (row[0] == "WithoutEnclosingQuotes") {
      result = {WithoutEnclosingQuotes(row[1])};
    } else {
      result = RunText(row[1], row.From(4));
    }
    Texts expected = row.From(2);
    expected.resize(result.size());  // the cells after it are settings
    EXPECT_EQ(result, expected) << row.Text();
  }
}

}  // namespace
}  // namespace pictavue
