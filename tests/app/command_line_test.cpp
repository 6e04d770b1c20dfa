#include "app/command_line.h"

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/data_table.h"
#include "support/fakes.h"
#include "support/recording_front_end.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

using Texts = std::vector<std::string>;

TEST(CommandLineTest, EntryModeWindowCommandLineAndQuotes) {
  for (const testing::Row& row : testing::ReadTable("app/command_line.tsv")) {
    Texts arguments;
    std::istringstream words(row[1]);
    for (std::string word; words >> word;) {
      arguments.push_back(word);
    }
    Texts result;
    if (row[0] == "EntryMode") {
      result = {ChooseEntryMode(arguments) == EntryMode::kConsole ? "console" : "window"};
    } else if (row[0] == "WindowCommandLine") {
      const WindowCommandLine parsed = ParseWindowCommandLine(arguments);
      result = {parsed.settings_file.value_or("-"), parsed.text};
    } else {
      result = {WithoutEnclosingQuotes(row[1])};
    }
    EXPECT_EQ(result, row.From(2)) << row.Text();
  }
}

// A folder named on the window's command line is run at once; anything else is ignored.
class CommandLineRunTest : public ::testing::Test {
 protected:
  CommandLineRunTest() {
    session_.options.OutputDir = kOutputDirSearch;
    session_.options.SearchDir = "/somewhere/else";
    session_.style = PathStyle::kPosix;
    session_.settings_file_path = folder_.Path("Pictavue.ini");
  }

  bool Run(const std::string& text) {
    return RunCommandLine(session_, front_end_, run_, launcher_, text);
  }

  testing::TempFolder folder_;
  const std::string pictures_ = folder_.MakeFolder("my pics");
  Session session_;
  testing::RecordingFrontEnd front_end_;
  testing::FakeRun run_;
  testing::FakeLauncher launcher_;
};

TEST_F(CommandLineRunTest, AnExistingFolderRunsInItsCanonicalForm) {
  for (const std::string& text :
       {pictures_, "\"" + pictures_ + "\"", folder_.Path("my pics/../my pics/./")}) {
    session_.options.SearchDir.clear();
    EXPECT_TRUE(Run(text)) << text;
    EXPECT_EQ(session_.options.SearchDir, pictures_) << text;
  }
  EXPECT_EQ(run_.runs, 3);
  EXPECT_EQ(session_.history.entries(), Texts{pictures_});
}

TEST_F(CommandLineRunTest, AnythingElseIsIgnoredSilently) {
  const std::string file = folder_.WriteFile("photo.gif", "GIF89a");
  for (const std::string& text : {std::string(), file, "\"" + file + "\"", std::string("\""),
                                  folder_.Path("missing"), "\"" + pictures_, pictures_ + "\""}) {
    EXPECT_FALSE(Run(text)) << text;
  }
  EXPECT_EQ(front_end_.Events(), Texts{});
  EXPECT_EQ(run_.runs, 0);
  EXPECT_EQ(session_.options.SearchDir, "/somewhere/else");
}

TEST_F(CommandLineRunTest, AFailedCheckIsShownThenTheSettingsAreSaved) {
  session_.options.GIF = kUnchecked;
  session_.history = FolderHistory({"/earlier"});
  EXPECT_TRUE(Run(pictures_));
  EXPECT_EQ(front_end_.Events(),
            (Texts{"message 48 Pictavue: 画像の形式がひとつも選択されていません。",
                   "point 0 chkGIF focus"}));
  ASSERT_TRUE(SaveSessionSettings(session_).ok());
  const std::string saved = testing::ReadFileBytes(session_.settings_file_path);
  EXPECT_NE(saved.find("\r\nGIF=0\r\n"), std::string::npos);
  EXPECT_NE(saved.find("[SearchDir]\r\nDirHistry1=/earlier\r\nDirHistry2=\r\n"), std::string::npos);

  session_.settings_file_path = folder_.Path("no such folder/Pictavue.ini");
  const Status status = SaveSessionSettings(session_);
  EXPECT_FALSE(status.ok() || status.description().empty());
}

}  // namespace
}  // namespace pictavue
