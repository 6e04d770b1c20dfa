// The windowed program where no window can be shown: a line about batch mode and exit status 2,
// never Qt's abort, and the settings file as it was.

#include <filesystem>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/child_process.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

// A display number with no X server behind it on this machine.
std::string UnservedDisplay() {
  int number = 640;
  while (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(number))) {
    ++number;
  }
  return ":" + std::to_string(number);
}

TEST(NoDisplayTest, EveryWindowedStartSaysHowToUseBatchMode) {
  testing::TempFolder folder;
  const std::string settings = folder.WriteFile("settings.ini", "[OutFile]\r\nOutputDir=1\r\n");
  const std::string pictures = folder.MakeFolder("pictures");
  const std::vector<std::vector<std::string>> command_lines = {
      {}, {pictures}, {"--unknown"}, {"--settings", settings, pictures}};
  for (const std::string& display : {std::string(), UnservedDisplay()}) {
    for (const std::vector<std::string>& arguments : command_lines) {
      testing::ChildRequest request;
      request.argv = {PICTAVUE_PROGRAM};
      request.argv.insert(request.argv.end(), arguments.begin(), arguments.end());
      request.environment = testing::HeadlessEnvironment(
          {{"HOME", folder.Path()}, {"XDG_CONFIG_HOME", folder.Path("config")}});
      std::erase_if(request.environment,
                    [](const std::string& entry) { return entry.starts_with("QT_QPA_PLATFORM="); });
      if (!display.empty()) {
        request.environment.push_back("DISPLAY=" + display);
      }
      const testing::ChildResult result = testing::RunChild(request);
      const std::string what = "DISPLAY=" + display + " " + ::testing::PrintToString(arguments);
      EXPECT_EQ(result.exit_code, 2) << what << ": " << result.Describe() << "\n" << result.err;
      EXPECT_THAT(result.err, ::testing::MatchesRegex(
                                  "Pictavue: no display is available for the window \\([^\n]*\\); "
                                  "pictavue --batch \\[--settings FILE\\] \\[--yes\\] \\[--open\\] "
                                  "FOLDER makes a gallery without a window\n"))
          << what;
    }
  }
  EXPECT_EQ(testing::ReadFileBytes(settings), "[OutFile]\r\nOutputDir=1\r\n");
  EXPECT_FALSE(std::filesystem::exists(folder.Path("config")));
}

}  // namespace
}  // namespace pictavue
