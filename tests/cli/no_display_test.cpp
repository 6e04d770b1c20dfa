// Where no window can be shown: one line about batch mode and status 2, never Qt's abort.

#include <filesystem>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/child_process.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

TEST(NoDisplayTest, EveryWindowedStartSaysHowToUseBatchMode) {
  testing::TempFolder folder;
  const std::string settings = folder.WriteFile("settings.ini", "[OutFile]\r\nOutputDir=1\r\n");
  const std::string pictures = folder.MakeFolder("pictures");
  int unserved = 640;  // a display number with no X server behind it
  while (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(unserved))) {
    ++unserved;
  }
  const std::vector<std::vector<std::string>> command_lines = {
      {}, {pictures}, {"--unknown"}, {"--settings", settings, pictures}};
  for (const std::string& display : {std::string(), ":" + std::to_string(unserved)}) {
    for (const std::vector<std::string>& arguments : command_lines) {
      testing::ChildRequest request;
      request.argv = {PICTAVUE_PROGRAM};
      request.argv.insert(request.argv.end(), arguments.begin(), arguments.end());
      request.environment = testing::HeadlessEnvironment(
          {{"HOME", folder.Path()}, {"XDG_CONFIG_HOME", folder.Path()}});
      std::erase_if(request.environment,
                    [](const std::string& entry) { return entry.starts_with("QT_QPA_PLATFORM="); });
      if (!display.empty()) {
        request.environment.push_back("DISPLAY=" + display);
      }
      const testing::ChildResult result = testing::RunChild(request);
      EXPECT_EQ(result.exit_code, 2) << display << " " << ::testing::PrintToString(arguments)
                                     << ": " << result.Describe() << "\n"
                                     << result.err;
      EXPECT_THAT(result.err, ::testing::MatchesRegex(
                                  "Pictavue: no display is available for the window \\([^\n]*\\); "
                                  "pictavue --batch \\[--settings FILE\\] \\[--yes\\] \\[--open\\] "
                                  "FOLDER makes a gallery without a window\n"));
    }
  }
  EXPECT_EQ(testing::ReadFileBytes(settings), "[OutFile]\r\nOutputDir=1\r\n");
}

}  // namespace
}  // namespace pictavue
