// The program's two faces as processes: the window comes from its own library beside the
// program, batch mode never loads it, nor any part of Qt, and where no window can be shown the
// program says how to use batch mode instead of aborting.

#include <filesystem>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/child_process.h"
#include "support/temp_folder.h"
#include "tools/picture_writers.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using Texts = std::vector<std::string>;

class WindowModuleTest : public ::testing::Test {
 protected:
  WindowModuleTest() {
    folder_.WriteFile("pictures/a.gif", testing::MakeGif(30, 20));
    fs::permissions(folder_.path(), fs::perms::owner_all);  // Qt wants its runtime folder private
    folder_.MakeFolder("out");
    folder_.WriteFile("settings.ini",
                      "[OutFile]\r\nDirName=" + folder_.Path("out") + "\r\nOutputDir=0\r\n");
    // The window opens the gallery it made: a stand-in browser notes what it was given.
    const std::string opener = folder_.WriteFile(
        "bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$1\" > '" + folder_.Path("opened") + "'\n");
    fs::permissions(opener, fs::perms::owner_all);
  }

  // The program with the arguments (and the test's settings and pictures unless told otherwise),
  // in an environment of its own plus more; no page before it.
  testing::ChildResult Run(const std::string& program, Texts arguments,
                           const Texts& more = {"QT_QPA_PLATFORM=offscreen"}) {
    fs::remove(Page());
    testing::ChildRequest request;
    request.argv = {program};
    request.argv.insert(request.argv.end(), arguments.begin(), arguments.end());
    request.environment = {"PATH=" + folder_.Path("bin") + ":/usr/bin:/bin",
                           "HOME=" + folder_.Path(), "XDG_RUNTIME_DIR=" + folder_.Path(),
                           "LANG=C.UTF-8"};
    request.environment.insert(request.environment.end(), more.begin(), more.end());
    return testing::RunChild(request);
  }
  Texts Gallery(bool batch = false) const {
    const Texts arguments = {"--batch", "--settings", folder_.Path("settings.ini"),
                             folder_.Path("pictures")};
    return {arguments.begin() + (batch ? 0 : 1), arguments.end()};
  }
  std::string Page() const { return folder_.Path("out/Pictavue001.htm"); }

  testing::TempFolder folder_;
};

// A copy of the program without the library keeps batch mode and says why it has no window. The
// dynamic loader lists every library it loads when asked to (glibc's LD_DEBUG).
TEST_F(WindowModuleTest, TheWindowComesFromItsLibraryAndBatchModeNeedsNoQt) {
  const testing::ChildResult window = Run(PICTAVUE_PROGRAM, Gallery());
  ASSERT_EQ(window.exit_code, 0) << window.Describe() << "\n" << window.err;
  EXPECT_EQ(testing::ReadFileBytes(folder_.Path("opened")), Page() + "\n");

  const std::string alone = folder_.MakeFolder("alone") + "/pictavue";
  fs::copy_file(PICTAVUE_PROGRAM, alone);
  const testing::ChildResult no_window = Run(alone, Gallery());
  EXPECT_EQ(no_window.exit_code, 2) << no_window.Describe();
  EXPECT_THAT(no_window.err, HasSubstr("Pictavue: the window cannot be shown ("));
  EXPECT_THAT(no_window.err, HasSubstr(PICTAVUE_WINDOW_MODULE));
  EXPECT_FALSE(fs::exists(Page()));
  EXPECT_EQ(Run(alone, Gallery(true)).out, Page() + "\n");

  const testing::ChildResult batch =
      Run(PICTAVUE_PROGRAM, Gallery(true), {"QT_QPA_PLATFORM=offscreen", "LD_DEBUG=files"});
  ASSERT_EQ(batch.exit_code, 0) << batch.Describe() << "\n" << batch.err;
  if (batch.err.find("file=") == std::string::npos) {
    GTEST_SKIP() << "the dynamic loader does not report the libraries it loads";
  }
  EXPECT_THAT(batch.err, HasSubstr("file=libc.so"));
  EXPECT_THAT(batch.err, Not(HasSubstr("Qt6")));
  EXPECT_THAT(batch.err, Not(HasSubstr(PICTAVUE_WINDOW_MODULE)));
}

// Where no window can be shown (no display, or one no X server serves): one line about batch mode
// and status 2, never Qt's abort, and the settings untouched.
TEST_F(WindowModuleTest, EveryWindowedStartWithoutADisplaySaysHowToUseBatchMode) {
  const std::string settings = testing::ReadFileBytes(folder_.Path("settings.ini"));
  int unserved = 640;
  while (fs::exists("/tmp/.X11-unix/X" + std::to_string(unserved))) {
    ++unserved;
  }
  for (const Texts& display : {Texts{}, Texts{"DISPLAY=:" + std::to_string(unserved)}}) {
    for (const Texts& arguments : {Texts{}, {folder_.Path("pictures")}, {"--unknown"}, Gallery()}) {
      const testing::ChildResult result = Run(PICTAVUE_PROGRAM, arguments, display);
      EXPECT_EQ(result.exit_code, 2)
          << ::testing::PrintToString(display) << " " << ::testing::PrintToString(arguments) << ": "
          << result.Describe() << "\n"
          << result.err;
      EXPECT_THAT(result.err, ::testing::MatchesRegex(
                                  "Pictavue: no display is available for the window \\([^\n]*\\); "
                                  "pictavue --batch \\[--settings FILE\\] \\[--yes\\] \\[--open\\] "
                                  "FOLDER makes a gallery without a window\n"));
    }
  }
  EXPECT_EQ(testing::ReadFileBytes(folder_.Path("settings.ini")), settings);
}

}  // namespace
}  // namespace pictavue
