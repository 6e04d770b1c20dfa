#include "app/command_line.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/fakes.h"
#include "support/recording_front_end.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

using Arguments = std::vector<std::string>;

TEST(EntryModeTest, ConsoleOnlyForBatchHelpAndVersionFirst) {
  const std::vector<std::pair<Arguments, EntryMode>> cases = {
      {{}, EntryMode::kWindow},
      {{"/photos"}, EntryMode::kWindow},
      {{"--batch", "/photos"}, EntryMode::kConsole},
      {{"--help"}, EntryMode::kConsole},
      {{"--version"}, EntryMode::kConsole},
      {{"--settings", "a.ini", "/photos"}, EntryMode::kWindow},
      {{"/photos", "--batch"}, EntryMode::kWindow},
  };
  for (const auto& [arguments, mode] : cases) {
    EXPECT_EQ(ChooseEntryMode(arguments), mode) << ::testing::PrintToString(arguments);
  }
}

TEST(WindowCommandLineTest, SettingsFileThenTheArgumentsJoinedByBlanks) {
  struct Case {
    Arguments arguments;
    std::optional<std::string> settings_file;
    std::string text;
  };
  const std::vector<Case> cases = {
      {{}, std::nullopt, ""},
      {{"/photos"}, std::nullopt, "/photos"},
      {{"/my", "photos", "2024"}, std::nullopt, "/my photos 2024"},
      {{"--settings", "/tmp/a.ini", "/my", "photos"}, "/tmp/a.ini", "/my photos"},
      {{"--settings"}, std::nullopt, "--settings"},
  };
  for (const Case& c : cases) {
    const WindowCommandLine parsed = ParseWindowCommandLine(c.arguments);
    EXPECT_EQ(parsed.settings_file, c.settings_file) << c.text;
    EXPECT_EQ(parsed.text, c.text);
  }
}

TEST(WithoutEnclosingQuotesTest, OnlyAPairAroundTheWholeText) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"\"c:\\photos\"", "c:\\photos"},
      {"\"\"", ""},
      {"\"a\" \"b\"", "a\" \"b"},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(WithoutEnclosingQuotes(text), expected) << text;
  }
}

class CommandLineRunTest : public ::testing::Test {
 protected:
  CommandLineRunTest() : pictures_(folder_.MakeFolder("my pics")) {
    session_.options.OutputDir = kOutputDirSearch;
    session_.options.SearchDir = "/somewhere/else";
    session_.style = PathStyle::kPosix;
    session_.settings_file_path = folder_.Path("Pictavue.ini");
  }

  bool Run(const std::string& text) {
    return RunCommandLine(session_, front_end_, run_, launcher_, text);
  }

  testing::TempFolder folder_;
  std::string pictures_;
  Session session_;
  testing::RecordingFrontEnd front_end_;
  testing::FakeRun run_;
  testing::FakeLauncher launcher_;
};

TEST_F(CommandLineRunTest, AnExistingFolderRunsInItsCanonicalForm) {
  const std::string roundabout = folder_.Path("my pics/../my pics/./");
  for (const std::string& text : {pictures_, "\"" + pictures_ + "\"", roundabout}) {
    testing::RecordingFrontEnd front_end;
    testing::FakeRun run;
    session_.options.SearchDir.clear();
    EXPECT_TRUE(RunCommandLine(session_, front_end, run, launcher_, text)) << text;
    EXPECT_EQ(run.runs, 1) << text;
    EXPECT_EQ(session_.options.SearchDir, pictures_) << text;
  }
  EXPECT_EQ(session_.history.entries(), std::vector<std::string>{pictures_});
}

TEST_F(CommandLineRunTest, AnythingElseIsIgnoredSilently) {
  const std::string file = folder_.WriteFile("photo.gif", "GIF89a");
  for (const std::string& text : {std::string(), file, "\"" + file + "\"", std::string("\""),
                                  folder_.Path("missing"), "\"" + pictures_, pictures_ + "\""}) {
    EXPECT_FALSE(Run(text)) << text;
  }
  EXPECT_EQ(front_end_.Events(), std::vector<std::string>{});
  EXPECT_EQ(run_.runs, 0);
  EXPECT_EQ(session_.options.SearchDir, "/somewhere/else");
}

TEST_F(CommandLineRunTest, AFailedCheckIsShownThenTheSettingsAreSaved) {
  session_.options.GIF = kUnchecked;
  session_.history = FolderHistory({"/earlier"});
  EXPECT_TRUE(Run(pictures_));
  EXPECT_EQ(
      front_end_.Events(),
      (std::vector<std::string>{"message 48 Pictavue: 画像の形式がひとつも選択されていません。",
                                "point 0 chkGIF focus"}));
  ASSERT_TRUE(SaveSessionSettings(session_).ok());
  const std::string saved = testing::ReadFileBytes(session_.settings_file_path);
  EXPECT_NE(saved.find("\r\nGIF=0\r\n"), std::string::npos);
  EXPECT_NE(saved.find("[SearchDir]\r\nDirHistry1=/earlier\r\nDirHistry2=\r\n"), std::string::npos);
}

TEST_F(CommandLineRunTest, AFailedSaveIsReported) {
  session_.settings_file_path = folder_.Path("no such folder/Pictavue.ini");
  const Status status = SaveSessionSettings(session_);
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(status.description().empty());
}

}  // namespace
}  // namespace pictavue
